// The pad image control: drawing and the current size for colour sampling.
#include "pad/image_pad.h"

#include "pad/pad_image.h"

#include <QPainter>

TImagePad::TImagePad(TPadImage& image, QWidget* parent) : QWidget(parent), image_(image)
{
    setEnabled(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&image_, &TPadImage::PictureChanged, this, qOverload<>(&QWidget::update));
}

uint32_t TImagePad::SampleColour(int32_t x, int32_t y)
{
    return image_.SampleColour(x, y, width(), height());
}

// Nearest-pixel stretching, so the colours shown are the colours sampled. A metafile has no pixels
// here and shows blank.
void TImagePad::paintEvent(QPaintEvent*)
{
    const QImage& picture = image_.Picture().image;
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(rect(), picture);
}
