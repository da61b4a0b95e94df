// Test picture files: see picture_files.h.
#include "tests/support/picture_files.h"

#include <QBuffer>
#include <QFile>

void putLe16(QByteArray& bytes, qsizetype at, uint32_t value)
{
    if (bytes.size() < at + 2) bytes.resize(at + 2, '\0');
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

void putLe32(QByteArray& bytes, qsizetype at, uint32_t value)
{
    putLe16(bytes, at, value & 0xFFFF);
    putLe16(bytes, at + 2, value >> 16);
}

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray iconBytes(int size, QRgb argb)
{
    const int pixelBytes = size * size * 4, maskBytes = ((size + 31) / 32 * 4) * size;
    QByteArray bytes;
    putLe16(bytes, 0, 0);
    putLe16(bytes, 2, 1);  // icon
    putLe16(bytes, 4, 1);  // one image
    bytes.append(char(size % 256)).append(char(size % 256)).append(char(0)).append(char(0));
    putLe16(bytes, 10, 1);   // planes
    putLe16(bytes, 12, 32);  // bits per pixel
    putLe32(bytes, 14, 40 + pixelBytes + maskBytes);
    putLe32(bytes, 18, 22);  // image offset
    putLe32(bytes, 22, 40);
    putLe32(bytes, 26, size);
    putLe32(bytes, 30, 2 * size);  // colour rows and mask rows
    putLe16(bytes, 34, 1);
    putLe16(bytes, 36, 32);
    putLe32(bytes, 38, 0);
    putLe32(bytes, 42, pixelBytes + maskBytes);
    bytes.resize(62, '\0');
    for (int i = 0; i < size * size; ++i) {
        bytes.append(char(qBlue(argb))).append(char(qGreen(argb))).append(char(qRed(argb))).append(char(qAlpha(argb)));
    }
    bytes.append(QByteArray(maskBytes, '\0'));
    return bytes;
}

QByteArray standardWmfBytes()
{
    QByteArray bytes;
    putLe16(bytes, 0, 1);       // memory metafile
    putLe16(bytes, 2, 9);       // header words
    putLe16(bytes, 4, 0x0300);  // version
    putLe32(bytes, 6, 12);      // total words: header and the end record
    putLe16(bytes, 10, 0);
    putLe32(bytes, 12, 3);
    putLe16(bytes, 16, 0);
    putLe32(bytes, 18, 3);  // end-of-file record: three words, function 0
    putLe16(bytes, 22, 0);
    return bytes;
}

QByteArray placeableWmfBytes(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch)
{
    QByteArray bytes;
    putLe32(bytes, 0, 0x9AC6CDD7);
    putLe16(bytes, 4, 0);
    putLe16(bytes, 6, uint16_t(left));
    putLe16(bytes, 8, uint16_t(top));
    putLe16(bytes, 10, uint16_t(right));
    putLe16(bytes, 12, uint16_t(bottom));
    putLe16(bytes, 14, inch);
    putLe32(bytes, 16, 0);
    uint32_t checksum = 0;
    for (int i = 0; i < 10; ++i) checksum ^= uint8_t(bytes[2 * i]) | uint32_t(uint8_t(bytes[2 * i + 1])) << 8;
    putLe16(bytes, 20, checksum);
    return bytes + standardWmfBytes();
}

QByteArray emfBytes(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    QByteArray bytes(88, '\0');
    putLe32(bytes, 0, 1);   // header record
    putLe32(bytes, 4, 88);  // its size
    putLe32(bytes, 24, uint32_t(left));
    putLe32(bytes, 28, uint32_t(top));
    putLe32(bytes, 32, uint32_t(right));
    putLe32(bytes, 36, uint32_t(bottom));
    putLe32(bytes, 40, 0x464D4520);  // " EMF"
    putLe32(bytes, 44, 0x10000);
    putLe32(bytes, 48, 88);
    putLe32(bytes, 52, 1);
    return bytes;
}

QImage indexedImage(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorCount(colours);
    for (int i = 0; i < colours; ++i) image.setColor(i, qRgb(i, (2 * i) % 256, (3 * i) % 256));
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) row[x] = uchar((x + y) % colours);
    }
    return image;
}

QString PictureFolder::path(const QString& name) const
{
    return dir_.filePath(name);
}

QString PictureFolder::write(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}
