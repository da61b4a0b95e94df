// What the picture format readers share: bounds-checked little-endian reads from a file's bytes for
// their header checks, and Qt's image reader held to one named format.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <optional>

// Pictures of up to this many megabytes once decoded are read (8000 x 8000 at 32 bits takes 245).
inline constexpr int kPictureAllocationLimitMb = 1024;

// The image in `bytes` decoded as `format`; a null image when it cannot be.
QImage DecodeImage(const QByteArray& bytes, const char* format);

// The unsigned value of `size` bytes (1..4) at `offset`, or nothing when they lie past the end.
inline std::optional<uint32_t> readLe(const QByteArray& bytes, qsizetype offset, int size)
{
    if (offset < 0 || offset > bytes.size() - size) return std::nullopt;
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

inline std::optional<int32_t> readLeSigned32(const QByteArray& bytes, qsizetype offset)
{
    const std::optional<uint32_t> value = readLe(bytes, offset, 4);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
}

inline std::optional<int16_t> readLeSigned16(const QByteArray& bytes, qsizetype offset)
{
    const std::optional<uint32_t> value = readLe(bytes, offset, 2);
    if (!value) return std::nullopt;
    return static_cast<int16_t>(*value);
}
