// TPadImage: the pad's picture and the current image file name, with the two operations the window
// and the pad controller use: SetImageFile and SampleColour. No widget is involved, so it can be
// driven and checked on its own; the window shows what its two signals report.
#pragma once

#include "pad/picture.h"

#include <QObject>
#include <QString>

#include <cstdint>

// The colour read outside the picture; its red, green and blue read as 255.
inline constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;

class TPadImage : public QObject {
    Q_OBJECT

public:
    // Starts with the built-in picture and an empty image file name.
    explicit TPadImage(QObject* parent = nullptr);

    // Does nothing when `name` equals the current name exactly. Otherwise loads the picture from the
    // file of that name when it exists (the name becomes empty when it does not; the picture stays)
    // and shows the name. A file that cannot be loaded raises EPictureError and leaves picture and
    // name, and so the shown name, as they were.
    void SetImageFile(const QString& name);
    const QString& ImageFileName() const { return fileName_; }

    // The colour of the picture pixel under pad point (x, y) of a pad of the given size, each axis
    // scaled on its own with rounding. A point past the picture gives kInvalidColour. A picture that
    // is not a bitmap becomes an empty bitmap here, after its size has been used.
    uint32_t SampleColour(int32_t x, int32_t y, int32_t padWidth, int32_t padHeight);

    const TPicture& Picture() const { return picture_; }

signals:
    void ImageFileNameShown(const QString& name);  // the name to show in the image-file edit
    void PictureChanged();                         // the pad must redraw

private:
    TPicture picture_;
    QString fileName_;
};
