// The picture errors: raised when a picture file has an unknown extension or cannot be decoded.
#pragma once

#include "platform/exception.h"

#include <string>

class EPictureError : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";
inline constexpr const char* kIconNotValid = "Icon image is not valid";
inline constexpr const char* kMetafileNotValid = "Metafile is not valid";

// "Unknown picture file extension (.%s)" with the extension, without its dot, in place of %s.
inline EPictureError UnknownExtensionError(const std::string& extension)
{
    return EPictureError("Unknown picture file extension (." + extension + ")");
}
