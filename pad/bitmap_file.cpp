// BMP reading: the headers are checked here, so that a file whose pixel rows are missing is refused
// rather than shown half blank, then Qt's reader decodes it.
#include "pad/bitmap_file.h"

#include "pad/picture.h"
#include "pad/picture_reading.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;  // the old 12-byte header with 16-bit sizes
constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;

struct BitmapHeader {
    int64_t width = 0, height = 0;  // height negative for top-down rows
    uint32_t planes = 0, bitsPerPixel = 0, compression = 0, pixelOffset = 0, headerBytes = 0;
};

bool readHeader(const QByteArray& bytes, BitmapHeader& header)
{
    if (!bytes.startsWith("BM")) return false;
    const auto offset = readLe(bytes, 10, 4);
    const auto headerBytes = readLe(bytes, kFileHeaderBytes, 4);
    if (!offset || !headerBytes) return false;
    header.pixelOffset = *offset;
    header.headerBytes = *headerBytes;
    if (*headerBytes == kCoreHeaderBytes) {
        const auto w = readLe(bytes, 18, 2), h = readLe(bytes, 20, 2), p = readLe(bytes, 22, 2), b = readLe(bytes, 24, 2);
        if (!w || !h || !p || !b) return false;
        header = {*w, *h, *p, *b, kUncompressed, *offset, *headerBytes};
        return true;
    }
    if (*headerBytes < 40) return false;
    const auto w = readLeSigned32(bytes, 18), h = readLeSigned32(bytes, 22);
    const auto p = readLe(bytes, 26, 2), b = readLe(bytes, 28, 2), c = readLe(bytes, 30, 4);
    if (!w || !h || !p || !b || !c) return false;
    header = {*w, *h, *p, *b, *c, *offset, *headerBytes};
    return true;
}

// The file's bytes that the decoder reads, or nothing when the header does not fit the file.
std::optional<int64_t> bytesToRead(const BitmapHeader& h, int64_t fileBytes)
{
    switch (h.bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return std::nullopt;
    }
    if (h.width <= 0 || h.height == 0 || h.planes != 1) return std::nullopt;
    if (h.pixelOffset < kFileHeaderBytes + h.headerBytes || h.pixelOffset >= fileBytes) return std::nullopt;
    const int64_t rows = std::llabs(h.height);
    // Decoded, a pixel takes at most one byte (indexed) or four; larger pictures than Qt is allowed to
    // allocate are refused before anything more is read.
    int64_t pixels = 0;
    if (__builtin_mul_overflow(h.width, rows, &pixels)) return std::nullopt;
    if (pixels > int64_t{kPictureAllocationLimitMb} * 1024 * 1024 / (h.bitsPerPixel <= 8 ? 1 : 4)) return std::nullopt;
    if (h.compression != kUncompressed && h.compression != kBitFields && h.compression != kAlphaBitFields) {
        // An encoded pixel takes at most two bytes, plus a line end per row and the picture's end.
        return std::min(fileBytes, h.pixelOffset + 2 * pixels + 2 * rows + 2);
    }
    // Uncompressed rows are padded to whole 32-bit words; all of them must be in the file.
    const int64_t pixelBytes = (h.width * h.bitsPerPixel + 31) / 32 * 4 * rows;
    if (pixelBytes > fileBytes - h.pixelOffset) return std::nullopt;
    return h.pixelOffset + pixelBytes;
}

} // namespace

qint64 BitmapBytesToRead(const QByteArray& head, qint64 fileBytes)
{
    BitmapHeader header;
    const std::optional<int64_t> bytes = readHeader(head, header) ? bytesToRead(header, fileBytes) : std::nullopt;
    if (!bytes) throw EPictureError(kBitmapNotValid);
    return *bytes;
}

QImage ReadBitmapFile(const QByteArray& bytes)
{
    BitmapBytesToRead(bytes, bytes.size());  // raises for a header that does not fit the bytes
    QImage image = DecodeImage(bytes, "bmp");
    if (image.isNull()) throw EPictureError(kBitmapNotValid);
    return image;
}
