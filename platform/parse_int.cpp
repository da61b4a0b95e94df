// The integer reader shared by the settings file and the channel spin edit.
#include "platform/parse_int.h"

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

std::optional<int32_t> parseHex(std::string_view digits)
{
    if (digits.empty()) return std::nullopt;
    uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const auto digit = hexDigitValue(c);
        if (!digit) return std::nullopt;
        if (value != 0 || *digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(*digit);
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> parseDecimal(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    constexpr int64_t limit = int64_t{1} << 31;  // magnitude of the most negative value
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value >= limit) return std::nullopt;
    return static_cast<int32_t>(value);
}

} // namespace

std::optional<int32_t> parseInt32(std::string_view text)
{
    while (text.starts_with(' ') || text.starts_with('\t')) text.remove_prefix(1);
    if (const auto digits = afterHexPrefix(text)) return parseHex(*digits);
    return parseDecimal(text);
}
