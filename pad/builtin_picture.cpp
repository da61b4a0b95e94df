// The built-in picture lives in pad_resources.qrc, stored uncompressed. The pad library is static, so
// its resource is registered here explicitly; the call also makes the linker keep the resource's
// object file.
#include "pad/builtin_picture.h"

#include "pad/picture_reading.h"

#include <QResource>

#include <cstring>

// Outside any namespace: the registration function it declares is a global one.
static void registerPadResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pad_resources);
        return true;
    }();
    (void)registered;
}

namespace {

constexpr int kWidth = 640, kHeight = 480, kColours = 256;
constexpr qsizetype kTableOffset = 14 + 40, kPixelOffset = kTableOffset + 4 * kColours;

// The picture's layout: 640 x 480, 8 bits per pixel, uncompressed rows bottom-up after a full colour
// table, as tools/make_builtin_picture writes it.
bool hasExpectedLayout(const QByteArray& bytes)
{
    return bytes.size() == kPixelOffset + qsizetype{kWidth} * kHeight && bytes.startsWith("BM") &&
           readLe(bytes, 10, 4) == uint32_t{kPixelOffset} && readLe(bytes, 14, 4) == 40u &&
           readLe(bytes, 18, 4) == uint32_t{kWidth} && readLe(bytes, 22, 4) == uint32_t{kHeight} &&
           readLe(bytes, 28, 2) == 8u && readLe(bytes, 30, 4) == 0u;
}

} // namespace

// Copied straight from the program's own bytes: Qt's image readers would first search the image
// format plugins, which costs the first frame more than the picture itself.
QImage BuiltinPicture()
{
    registerPadResources();
    const QResource resource(":/pad/builtin_picture.bmp");
    const QByteArray bytes = resource.uncompressedData();  // stored uncompressed: no copy is made
    if (!hasExpectedLayout(bytes)) return QImage::fromData(bytes, "BMP");
    QImage picture(kWidth, kHeight, QImage::Format_Indexed8);
    QList<QRgb> table(kColours);
    for (int i = 0; i < kColours; ++i) table[i] = 0xff000000 | *readLe(bytes, kTableOffset + 4 * i, 3);
    picture.setColorTable(table);
    for (int y = 0; y < kHeight; ++y)
        std::memcpy(picture.scanLine(y), bytes.constData() + kPixelOffset + qsizetype{kHeight - 1 - y} * kWidth, kWidth);
    return picture;
}
