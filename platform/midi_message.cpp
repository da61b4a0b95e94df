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
