#include "pad/clamp.h"

uint8_t ClampMidiData(int32_t value)
{
    if (value < 0) return 0;
    if (value > 127) return 127;
    return static_cast<uint8_t>(value);
}

int32_t Clamp(int32_t value, int32_t low, int32_t high)
{
    if (value < low) return low;
    if (value > high) return high;
    return value;
}
