// Picture files made by the tests themselves: BMPs through Qt's writer, icons and metafile headers
// byte by byte, written into a temporary folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

QByteArray bmpBytes(const QImage& image);
// A one-image icon of size x size pixels, 32 bits per pixel, every pixel `argb`, with its AND mask.
QByteArray iconBytes(int size, QRgb argb);
// A placeable WMF: bounds in metafile units, `inch` units per inch, a valid checksum and a standard
// header with no records after it.
QByteArray placeableWmfBytes(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch);
QByteArray standardWmfBytes();
// An EMF with only its header record; the frame is in 0.01 mm.
QByteArray emfBytes(int32_t left, int32_t top, int32_t right, int32_t bottom);

// An 8-bit indexed image whose pixel (x, y) holds index (x + y) % colours, entry i being (i, 2i, 3i).
QImage indexedImage(int width, int height, int colours);

class PictureFolder {
public:
    // Writes `bytes` as `name` in the folder and returns the file's full name.
    QString write(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const;

private:
    QTemporaryDir dir_;
};

void putLe16(QByteArray& bytes, qsizetype at, uint32_t value);
void putLe32(QByteArray& bytes, qsizetype at, uint32_t value);
