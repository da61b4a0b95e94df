// Decodes a picture file's bytes with Qt's reader for one named format; a null image when it cannot.
#pragma once

#include <QByteArray>
#include <QImage>

// Pictures of up to this many megabytes once decoded are read (8000 x 8000 at 32 bits takes 245).
inline constexpr int kPictureAllocationLimitMb = 1024;

QImage DecodeImage(const QByteArray& bytes, const char* format);
