// TImagePad: the pad image control. It draws the pad picture stretched over its whole area, each axis
// on its own, and redraws when the picture changes. It is disabled and lets every pointer event fall
// through to the page beneath, whose coordinates equal its own.
#pragma once

#include <QWidget>

#include <cstdint>

class TPadImage;

class TImagePad : public QWidget {
    Q_OBJECT

public:
    TImagePad(TPadImage& image, QWidget* parent = nullptr);

    // The picture's colour under pad point (x, y), for the pad at its current size.
    uint32_t SampleColour(int32_t x, int32_t y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPadImage& image_;
};
