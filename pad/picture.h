// TPicture: the pad's graphic, one of a bitmap, an icon or a metafile, with its size in pixels; and the
// picture errors, raised when a picture file has an unknown extension or cannot be decoded.
#pragma once

#include "platform/exception.h"

#include <QImage>
#include <QSize>

#include <string>

enum class TGraphicKind { Bitmap, Icon, Metafile };

struct TPicture {
    TGraphicKind kind = TGraphicKind::Bitmap;
    QImage image;        // bitmap and icon pixels; null for a metafile and for an empty bitmap
    QSize metafileSize;  // the size a metafile's header declares; it has no pixels of its own here

    int width() const { return kind == TGraphicKind::Metafile ? metafileSize.width() : image.width(); }
    int height() const { return kind == TGraphicKind::Metafile ? metafileSize.height() : image.height(); }
};

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
