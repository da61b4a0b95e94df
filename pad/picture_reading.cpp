// Qt's image reader, held to one format and to the picture allocation limit.
#include "pad/picture_reading.h"

#include <QBuffer>
#include <QImageReader>

QImage DecodeImage(const QByteArray& bytes, const char* format)
{
    // The limit is process-wide in Qt; the pad's pictures are the only images this program reads.
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return QImage();
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}
