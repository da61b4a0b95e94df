// The pad's built-in picture, embedded in the program as a Qt resource.
#pragma once

#include <QImage>

// The 640 x 480 8-bit picture the pad shows until a picture file is loaded.
QImage BuiltinPicture();
