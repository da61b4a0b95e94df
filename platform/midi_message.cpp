// Short-message lengths by status byte; see midi_message.h.
#include "platform/midi_message.h"

#include "platform/channel_messages.h"

size_t shortMessageLength(uint8_t status)
{
    if (status < 0x80) return 0;
    if (status < 0xF0) return kindOf(status) == kProgramChange || kindOf(status) == kChannelPressure ? 2 : 3;
    switch (status) {
    case 0xF1: case 0xF3: return 2;                             // time code quarter frame, song select
    case 0xF2: return 3;                                        // song position
    case 0xF0: case 0xF4: case 0xF5: case 0xF7: return 0;
    default: return 1;                                          // tune request and real-time messages
    }
}

bool isRelease(const uint8_t* bytes, size_t length)
{
    if (length == 2) return kindOf(bytes[0]) == kChannelPressure && bytes[1] == 0;   // back to 0
    if (length != 3) return false;
    switch (kindOf(bytes[0])) {
    case kNoteOff: return true;
    case kNoteOn: return bytes[2] == 0;
    case kControlChange: return bytes[1] == kAllSoundOff || bytes[1] == kAllNotesOff;
    case kPitchBend: return bytes[1] == 0x00 && bytes[2] == 0x40;   // centre
    default: return false;
    }
}
