// The clamp every note number, velocity and controller value passes through before it is sent.
#pragma once

#include <algorithm>
#include <cstdint>

// Below 0 gives 0, above 127 gives 127, anything else unchanged.
inline uint8_t ClampMidiData(int32_t value)
{
    return static_cast<uint8_t>(std::clamp(value, int32_t{0}, int32_t{127}));
}
