// The integer reader shared by the settings file and the channel spin edit.
#include "platform/parse_int.h"

#include <algorithm>
#include <limits>

namespace {

std::optional<int> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

// The digits after a hexadecimal prefix, or nothing when the text has no such prefix.
std::optional<std::string_view> afterHexPrefix(std::string_view text)
{
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return text.substr(1);
    if (text.starts_with("0x") || text.starts_with("0X")) return text.substr(2);
    return std::nullopt;
}

// A number whose digits are all valid but which does not fit: unreadable, or held at the limit.
std::optional<int32_t> tooBig(bool negative, bool saturate)
{
    if (!saturate) return std::nullopt;
    return negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

std::optional<int32_t> parseHex(std::string_view digits, bool saturate)
{
    if (digits.empty()) return std::nullopt;
    uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const auto digit = hexDigitValue(c);
        if (!digit) return std::nullopt;
        if (value != 0 || *digit != 0) ++significant;
        value = value << 4 | static_cast<uint32_t>(*digit);
    }
    if (significant > 8) return tooBig(false, saturate);
    return static_cast<int32_t>(value);
}

std::optional<int32_t> parseDecimal(std::string_view text, bool saturate)
{
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    constexpr int64_t limit = int64_t{1} << 31;  // magnitude of the most negative value
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c - '0'), limit + 1);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value >= limit || value < -limit) return tooBig(negative, saturate);
    return static_cast<int32_t>(value);
}

} // namespace

std::optional<int32_t> parseInt32(std::string_view text, bool saturate)
{
    while (text.starts_with(' ') || text.starts_with('\t')) text.remove_prefix(1);
    if (const auto digits = afterHexPrefix(text)) return parseHex(*digits, saturate);
    return parseDecimal(text, saturate);
}
