// The pad image control: drawing, the zone marks and the current size for colour sampling.
#include "pad/image_pad.h"

#include "pad/pad_image.h"

#include <QPainter>
#include <QPainterPath>

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
    paintZones(painter);
}

void TImagePad::SetZones(const TPlayingMap& zones)
{
    zones_ = zones;
    update();
}

// The smallest x whose zone, x × count ÷ width, is `zone`.
int32_t TImagePad::ZoneStart(int zone) const
{
    const int64_t count = zones_.ZoneCount();
    return static_cast<int32_t>((zone * int64_t{width()} + count - 1) / count);
}

// Dark marks with a light edge, so they read on dark and light pictures alike. A name is drawn only
// where its zone is wide enough for it.
void TImagePad::paintZones(QPainter& painter) const
{
    if (zones_.IsContinuous()) return;
    const QColor dark(0, 0, 0, 200), light(255, 255, 255, 170);
    for (int zone = 1; zone < zones_.ZoneCount(); ++zone) {
        const int x = ZoneStart(zone);
        painter.fillRect(x - 1, 0, 3, height(), light);
        painter.fillRect(x, 0, 1, height(), dark);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    for (int zone = 0; zone < zones_.ZoneCount(); ++zone) {
        const int left = zone == 0 ? 0 : ZoneStart(zone) + 2;
        const int right = zone + 1 == zones_.ZoneCount() ? width() : ZoneStart(zone + 1) - 2;
        const QString name = QString::fromStdString(NoteName(zones_.ZoneNote(zone)));
        const int textWidth = metrics.horizontalAdvance(name);
        if (textWidth + 2 > right - left) continue;
        QPainterPath path;
        path.addText((left + right - textWidth) / 2.0, height() - metrics.descent() - 4, font(), name);
        painter.strokePath(path, QPen(light, 3));
        painter.fillPath(path, dark);
    }
}
