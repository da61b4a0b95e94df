// ICO reading: the icon directory is checked here, then Qt's reader decodes the first image.
#include "pad/icon_file.h"

#include "pad/picture.h"
#include "pad/picture_reading.h"

#include <cstdint>

namespace {

constexpr int kDirectoryBytes = 6, kEntryBytes = 16;
constexpr uint32_t kIconType = 1;

bool directoryValid(const QByteArray& bytes)
{
    const auto reserved = readLe(bytes, 0, 2), type = readLe(bytes, 2, 2), count = readLe(bytes, 4, 2);
    if (!reserved || !type || !count || *reserved != 0 || *type != kIconType || *count == 0) return false;
    const int64_t imagesStart = kDirectoryBytes + int64_t(kEntryBytes) * *count;
    for (uint32_t i = 0; i < *count; ++i) {
        const qsizetype entry = kDirectoryBytes + qsizetype(kEntryBytes) * i;
        const auto size = readLe(bytes, entry + 8, 4), offset = readLe(bytes, entry + 12, 4);
        if (!size || !offset || *size == 0 || *offset < imagesStart) return false;
        if (int64_t(*offset) + *size > bytes.size()) return false;
    }
    return true;
}

} // namespace

QImage ReadIconFile(const QByteArray& bytes)
{
    if (!directoryValid(bytes)) throw EPictureError(kIconNotValid);
    QImage image = DecodeImage(bytes, "ico");
    if (image.isNull()) throw EPictureError(kIconNotValid);
    return image;
}
