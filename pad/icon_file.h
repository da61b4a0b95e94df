// Reading an ICO file into the icon the pad shows.
#pragma once

#include <QByteArray>
#include <QImage>

// The first image of the icon in `bytes`; raises EPictureError "Icon image is not valid" when the
// directory is broken, an image lies outside the file, or the image cannot be decoded.
QImage ReadIconFile(const QByteArray& bytes);

// How many of an ICO file's `fileBytes` bytes hold its directory and images, judged from the file's
// first bytes (`head`, at least its directory). Raises the same error when the directory is broken
// or an image lies outside the file.
qint64 IconBytesToRead(const QByteArray& head, qint64 fileBytes);
