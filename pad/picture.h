// TPicture: the pad's graphic, one of a bitmap, an icon or a metafile, with its size in pixels.
#pragma once

#include <QImage>
#include <QSize>

enum class TGraphicKind { Bitmap, Icon, Metafile };

struct TPicture {
    TGraphicKind kind = TGraphicKind::Bitmap;
    QImage image;        // bitmap and icon pixels; null for a metafile and for an empty bitmap
    QSize metafileSize;  // the size a metafile's header declares; it has no pixels of its own here

    int width() const { return kind == TGraphicKind::Metafile ? metafileSize.width() : image.width(); }
    int height() const { return kind == TGraphicKind::Metafile ? metafileSize.height() : image.height(); }
};
