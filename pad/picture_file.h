// Loading the pad picture from a file, its kind chosen by the file name's extension.
#pragma once

#include "pad/picture.h"

#include <QString>

// "bmp" gives a bitmap, "ico" an icon, "wmf" and "emf" a metafile, regardless of letter case.
// Raises EPictureError for any other extension and for a file of a known kind that cannot be decoded.
TPicture LoadPictureFile(const QString& fileName);
