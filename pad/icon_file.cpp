// ICO reading: the icon directory is checked here, then Qt's reader decodes the first image.
#include "pad/icon_file.h"

#include "pad/picture.h"
#include "pad/picture_reading.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr int kDirectoryBytes = 6, kEntryBytes = 16;
constexpr uint32_t kIconType = 1;

// The end of the last image in the file, or nothing when the directory is broken.
std::optional<int64_t> imagesEnd(const QByteArray& head, int64_t fileBytes)
{
    const auto reserved = readLe(head, 0, 2), type = readLe(head, 2, 2), count = readLe(head, 4, 2);
    if (!reserved || !type || !count || *reserved != 0 || *type != kIconType || *count == 0) return std::nullopt;
    const int64_t imagesStart = kDirectoryBytes + int64_t(kEntryBytes) * *count;
    int64_t end = imagesStart;
    for (uint32_t i = 0; i < *count; ++i) {
        const qsizetype entry = kDirectoryBytes + qsizetype(kEntryBytes) * i;
        const auto size = readLe(head, entry + 8, 4), offset = readLe(head, entry + 12, 4);
        if (!size || !offset || *size == 0 || *offset < imagesStart) return std::nullopt;
        end = std::max(end, int64_t(*offset) + *size);
    }
    if (end > fileBytes) return std::nullopt;
    return end;
}

} // namespace

qint64 IconBytesToRead(const QByteArray& head, qint64 fileBytes)
{
    const std::optional<int64_t> end = imagesEnd(head, fileBytes);
    if (!end) throw EPictureError(kIconNotValid);
    return *end;
}

QImage ReadIconFile(const QByteArray& bytes)
{
    IconBytesToRead(bytes, bytes.size());  // raises for a broken directory
    QImage image = DecodeImage(bytes, "ico");
    if (image.isNull()) throw EPictureError(kIconNotValid);
    return image;
}
