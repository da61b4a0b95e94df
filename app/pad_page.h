// TPadPage: the Pad page, filled by the pad picture. It is what the pad controller plays on: the
// picture's size and colours, and the window title as the pad's status line.
#pragma once

#include "app/title_writer.h"
#include "pad/pad_controller.h"

#include <QCoreApplication>
#include <QWidget>

class TImagePad;
class TPadImage;

class TPadPage : public QWidget, public PadHost {
    Q_DECLARE_TR_FUNCTIONS(TPadPage)

public:
    // `window` is the window whose title the caption goes to.
    explicit TPadPage(QWidget& window);

    TImagePad* ImagePad = nullptr;
    TPadImage* PadImage = nullptr;  // the pad picture and the current image file name

    int32_t padWidth() const override;
    int32_t padHeight() const override;
    void setCaption(const QString& caption) override;
    uint32_t sampleColour(int32_t x, int32_t y) override;

private:
    TTitleWriter titleWriter_;
};
