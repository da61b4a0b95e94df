// DriverCallback: the relay the MIDI driver calls from a thread of its own. It only filters, stores
// incoming data in the instance's ring and posts to the instance's window; it allocates nothing, takes
// no lock and makes no GUI call.
#pragma once

#include "platform/midi_services.h"

#include <cstdint>

constexpr uint32_t MIM_DATA = 963;       // short input data; also posted when an event was stored
constexpr uint32_t MIM_LONGDATA = 964;
constexpr uint32_t MIM_LONGERROR = 966;
constexpr uintptr_t kActiveSensing = 254;
constexpr uintptr_t kTimingClock = 248;

// `instance` is the CallbackInstance address given to midiOutOpen.
void DriverCallback(HMIDIOUT device, uint32_t message, uintptr_t instance, uintptr_t param1,
                    uintptr_t param2) noexcept;
