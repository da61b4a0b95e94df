// The pad picture's state: loading by file name and the one-pixel colour read under a pad point.
#include "pad/pad_image.h"

#include "pad/builtin_picture.h"
#include "pad/picture_file.h"
#include "platform/file_name.h"

#include <algorithm>

namespace {

// Pad coordinate to picture coordinate, rounded half up; -1 on a pad of no size.
int32_t toPicture(int32_t point, int32_t padExtent, int32_t pictureExtent)
{
    if (padExtent <= 0) return -1;
    const int64_t clamped = std::clamp(point, int32_t{0}, padExtent);
    return static_cast<int32_t>((clamped * pictureExtent + padExtent / 2) / padExtent);
}

uint32_t colourValue(QRgb rgb)
{
    return uint32_t(qRed(rgb)) | uint32_t(qGreen(rgb)) << 8 | uint32_t(qBlue(rgb)) << 16;
}

// One pixel read, without allocating: an 8-bit indexed pixel through its colour table entry (black
// when the index has none), any other format through Qt's own per-pixel read.
uint32_t colourAt(const QImage& image, int32_t px, int32_t py)
{
    if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) return kInvalidColour;
    if (image.format() == QImage::Format_Indexed8) {
        const int index = image.constScanLine(py)[px];
        return index < image.colorCount() ? colourValue(image.color(index)) : 0;
    }
    return colourValue(image.pixel(px, py));
}

} // namespace

TPadImage::TPadImage(QObject* parent) : QObject(parent), picture_{TGraphicKind::Bitmap, BuiltinPicture(), {}} {}

void TPadImage::SetImageFile(const QString& name)
{
    if (name == fileName_) return;
    const QString previous = fileName_;
    fileName_ = name;
    if (isRegularFile(name)) {
        try {
            picture_ = LoadPictureFile(name);
        } catch (...) {
            // A broken file is never remembered, so it is neither saved nor retried at the next start.
            fileName_ = previous;
            throw;
        }
        emit PictureChanged();
    } else {
        fileName_.clear();
    }
    emit ImageFileNameShown(fileName_);
}

uint32_t TPadImage::SampleColour(int32_t x, int32_t y, int32_t padWidth, int32_t padHeight)
{
    const int32_t px = toPicture(x, padWidth, picture_.width());
    const int32_t py = toPicture(y, padHeight, picture_.height());
    if (picture_.kind != TGraphicKind::Bitmap) {
        picture_ = TPicture{};
        emit PictureChanged();
    }
    return colourAt(picture_.image, px, py);
}
