// The text of one OSC argument as liblo hands it to a method handler.
#pragma once

#include <lo/lo_osc_types.h>

#include <cstdint>
#include <cstring>
#include <string>

// A string as it stands, a 32-bit integer in decimal, any other type as its type letter. liblo packs
// arguments on 4-byte boundaries, so they are read as bytes, never through lo_arg's members, whose
// 64-bit alternatives make the union want 8.
inline std::string OscArgumentText(char type, const lo_arg* argument)
{
    const auto* bytes = reinterpret_cast<const char*>(argument);
    if (type == 's') return bytes;
    if (type != 'i') return std::string(1, type);
    int32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return std::to_string(value);
}
