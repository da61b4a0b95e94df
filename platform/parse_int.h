// Reads a signed 32-bit integer from text as typed by a person: leading blanks, then either an
// optional sign and decimal digits, or a "$", "x", "X", "0x" or "0X" prefix and hexadecimal digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The integer that `text` spells, or nothing when it is not exactly one such integer.
// Decimal must lie in -2147483648..2147483647; hexadecimal has at most eight significant digits
// and is taken as a 32-bit pattern ($FFFFFFFF is -1). A sign before a hexadecimal prefix,
// an empty text and any character after the digits all make the text unreadable.
// With `saturate`, a number too big or too small for 32 bits, however many digits it has, reads as the
// largest or smallest value instead of making the text unreadable.
std::optional<int32_t> parseInt32(std::string_view text, bool saturate = false);
