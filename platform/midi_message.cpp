// Short-message lengths by status byte; see midi_message.h.
#include "platform/midi_message.h"

size_t shortMessageLength(uint8_t status)
{
    if (status < 0x80) return 0;
    if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 2 : 3;   // program change, channel pressure: 2
    switch (status) {
    case 0xF1: case 0xF3: return 2;                             // time code quarter frame, song select
    case 0xF2: return 3;                                        // song position
    case 0xF0: case 0xF4: case 0xF5: case 0xF7: return 0;
    default: return 1;                                          // tune request and real-time messages
    }
}

bool isRelease(const uint8_t* bytes, size_t length)
{
    if (length == 2) return (bytes[0] & 0xF0) == 0xD0 && bytes[1] == 0;   // channel pressure back to 0
    if (length != 3) return false;
    switch (bytes[0] & 0xF0) {
    case 0x80: return true;
    case 0x90: return bytes[2] == 0;
    case 0xB0: return bytes[1] == 120 || bytes[1] == 123;   // All Sound Off, All Notes Off
    case 0xE0: return bytes[1] == 0x00 && bytes[2] == 0x40;   // pitch bend centre
    default: return false;
    }
}
