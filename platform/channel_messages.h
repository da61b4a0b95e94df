// The MIDI channel messages' status kinds and the channel-mode controller numbers, in one place for
// everything that builds or reads channel messages: the pad and held keys build them, the drivers read
// them, so it sits in the lowest layer. Constants only: it includes nothing of ours.
#pragma once

#include <cstdint>

inline constexpr uint8_t kNoteOff = 0x80;
inline constexpr uint8_t kNoteOn = 0x90;
inline constexpr uint8_t kPolyPressure = 0xA0;
inline constexpr uint8_t kControlChange = 0xB0;
inline constexpr uint8_t kProgramChange = 0xC0;
inline constexpr uint8_t kChannelPressure = 0xD0;
inline constexpr uint8_t kPitchBend = 0xE0;

// Channel-mode controllers.
inline constexpr uint8_t kAllSoundOff = 120;
inline constexpr uint8_t kAllNotesOff = 123;

// The status byte of a message of `kind` on `channel` (0..15).
inline constexpr uint8_t status(uint8_t kind, int32_t channel)
{
    return static_cast<uint8_t>(kind + channel);
}

// The kind of message a status byte begins: its upper four bits.
inline constexpr uint8_t kindOf(uint8_t status)
{
    return static_cast<uint8_t>(status & 0xF0);
}
