// Text built from pieces in one allocation.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pieces one after another. Appending each piece to a string reserved once also keeps GCC 12's
// -O3 from a false overlap warning that the chained "literal" + std::string operators raise.
inline std::string joined(std::initializer_list<std::string_view> pieces)
{
    size_t size = 0;
    for (const std::string_view piece : pieces) size += piece.size();
    std::string result;
    result.reserve(size);
    for (const std::string_view piece : pieces) result.append(piece.data(), piece.size());
    return result;
}
