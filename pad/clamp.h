// The two clamping routines of the pad: MIDI data bytes and pad points.
#pragma once

#include <cstdint>

// Below 0 gives 0, above 127 gives 127, anything else unchanged.
uint8_t ClampMidiData(int32_t value);

// Below low gives low; otherwise above high gives high; otherwise the value.
int32_t Clamp(int32_t value, int32_t low, int32_t high);
