// WMF and EMF header checks. A placeable WMF carries its bounds and units per inch in a 22-byte
// preamble with a checksum; a standard WMF header follows it (or starts the file). An EMF starts
// with its header record, type 1, holding the signature " EMF" and its frame in 0.01 mm.
#include "pad/metafile_header.h"

#include "pad/picture.h"
#include "pad/picture_reading.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableBytes = 22;
constexpr int kWmfHeaderBytes = 18;
constexpr uint32_t kEmfHeaderType = 1, kEmfSignature = 0x464D4520, kEmfHeaderMinBytes = 88;
constexpr int64_t kPixelsPerInch = 96, kHundredthsMmPerInch = 2540;

// A standard WMF header at `at`: memory or disk type, nine words long, version 1 or 3, and a total
// size in words that covers the header and stays within the file.
bool wmfHeaderValid(const QByteArray& bytes, qsizetype at, int64_t fileBytes)
{
    const auto type = readLe(bytes, at, 2), words = readLe(bytes, at + 2, 2), version = readLe(bytes, at + 4, 2);
    const auto total = readLe(bytes, at + 6, 4);
    if (!type || !words || !version || !total) return false;
    if ((*type != 1 && *type != 2) || *words != kWmfHeaderBytes / 2) return false;
    if (*version != 0x0100 && *version != 0x0300) return false;
    return *total >= *words && at + int64_t(*total) * 2 <= fileBytes;
}

std::optional<int> pixels(int64_t extent, int64_t unitsPerInch)
{
    if (extent < 0 || unitsPerInch <= 0) return std::nullopt;
    const int64_t value = (extent * kPixelsPerInch + unitsPerInch / 2) / unitsPerInch;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return int(value);
}

std::optional<QSize> placeableSize(const QByteArray& bytes, int64_t fileBytes)
{
    uint32_t checksum = 0;
    for (int i = 0; i < 10; ++i) checksum ^= *readLe(bytes, 2 * i, 2);
    const auto left = readLeSigned16(bytes, 6), top = readLeSigned16(bytes, 8);
    const auto right = readLeSigned16(bytes, 10), bottom = readLeSigned16(bytes, 12);
    const auto inch = readLe(bytes, 14, 2), stored = readLe(bytes, 20, 2);
    if (!stored || checksum != *stored || !wmfHeaderValid(bytes, kPlaceableBytes, fileBytes)) return std::nullopt;
    const auto w = pixels(int64_t(*right) - *left, *inch), h = pixels(int64_t(*bottom) - *top, *inch);
    if (!w || !h) return std::nullopt;
    return QSize(*w, *h);
}

std::optional<QSize> emfSize(const QByteArray& bytes, int64_t fileBytes)
{
    const auto recordBytes = readLe(bytes, 4, 4), signature = readLe(bytes, 40, 4);
    if (!recordBytes || !signature || *signature != kEmfSignature) return std::nullopt;
    if (*recordBytes < kEmfHeaderMinBytes || *recordBytes > fileBytes) return std::nullopt;
    const auto left = readLeSigned32(bytes, 24), top = readLeSigned32(bytes, 28);
    const auto right = readLeSigned32(bytes, 32), bottom = readLeSigned32(bytes, 36);
    const auto w = pixels(int64_t(*right) - *left, kHundredthsMmPerInch);
    const auto h = pixels(int64_t(*bottom) - *top, kHundredthsMmPerInch);
    if (!w || !h) return std::nullopt;
    return QSize(*w, *h);
}

} // namespace

QSize ReadMetafileSize(const QByteArray& head, qint64 fileBytes)
{
    std::optional<QSize> size;
    const auto first = readLe(head, 0, 4);
    if (first == kPlaceableKey && head.size() >= kPlaceableBytes) size = placeableSize(head, fileBytes);
    else if (first == kEmfHeaderType) size = emfSize(head, fileBytes);
    else if (wmfHeaderValid(head, 0, fileBytes)) size = QSize(0, 0);
    if (!size) throw EPictureError(kMetafileNotValid);
    return *size;
}
