// Reading a BMP file into a bitmap that keeps the file's pixel format and colour table.
#pragma once

#include <QByteArray>
#include <QImage>

// The bitmap in `bytes`; raises EPictureError "Bitmap image is not valid" when it cannot be decoded,
// also when its header is broken or its uncompressed pixel rows are cut short.
QImage ReadBitmapFile(const QByteArray& bytes);

// How many of a BMP file's `fileBytes` bytes the decoder needs, judged from the file's first bytes
// (`head`, at least its headers): the headers, colour table and rows of an uncompressed bitmap, at
// most what the largest encoding of its pixels takes for a compressed one. Raises the same error
// when the header does not fit the file's size or declares a picture too large to decode.
qint64 BitmapBytesToRead(const QByteArray& head, qint64 fileBytes);
