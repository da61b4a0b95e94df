// Reading an ICO file into the icon the pad shows.
#pragma once

#include <QByteArray>
#include <QImage>

// The first image of the icon in `bytes`; raises EPictureError "Icon image is not valid" when the
// directory is broken, an image lies outside the file, or the image cannot be decoded.
QImage ReadIconFile(const QByteArray& bytes);
