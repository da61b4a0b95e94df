// The ring that the relay stores incoming MIDI data in. Only the put side lives here; whoever creates
// a ring also reads and releases it, and brings its own synchronisation with the relay's thread.
#pragma once

#include "platform/midi_services.h"

#include <cstdint>

struct RingEvent {
    uint32_t Timestamp = 0;
    uint32_t ShortData = 0;           // packed short message, or 0
    MIDIHDR* LongHeader = nullptr;    // header of a long message, or null
};

struct EventRing {
    RingEvent* SlotStart = nullptr;
    RingEvent* SlotEnd = nullptr;       // just past the last slot
    RingEvent* WritePosition = nullptr; // slot the next put fills
    uint16_t Capacity = 0;
    uint16_t Count = 0;
};

// Stores the event at WritePosition and advances it, wrapping at SlotEnd; false when the ring is full.
bool RingPutEvent(EventRing& ring, const RingEvent& event) noexcept;
