// The status bytes of the channel messages that the pad and the computer keyboard send.
#pragma once

#include <cstdint>

inline constexpr uint8_t kNoteOff = 128;
inline constexpr uint8_t kNoteOn = 144;
inline constexpr uint8_t kControlChange = 176;
inline constexpr uint8_t kChannelPressure = 208;
inline constexpr uint8_t kPitchBend = 224;

// The status byte of a message of `kind` on `channel` (0..15).
inline uint8_t status(uint8_t kind, int32_t channel)
{
    return static_cast<uint8_t>(kind + channel);
}
