// Reading a BMP file into a bitmap that keeps the file's pixel format and colour table.
#pragma once

#include <QByteArray>
#include <QImage>

// The bitmap in `bytes`; raises EPictureError "Bitmap image is not valid" when it cannot be decoded,
// also when its header is broken or its uncompressed pixel rows are cut short.
QImage ReadBitmapFile(const QByteArray& bytes);
