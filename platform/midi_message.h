// Facts about MIDI messages that the back ends share.
#pragma once

#include <cstddef>
#include <cstdint>

// Number of bytes of the complete short message that begins with `status` (1 to 3), or 0 when
// `status` cannot begin one: a data byte (running status is not supported), the system exclusive
// bytes F0 and F7, and the undefined F4 and F5.
size_t shortMessageLength(uint8_t status);
// True for the messages that end notes or undo what they changed: note off (also as a note on with
// velocity 0), All Sound Off, All Notes Off, pitch bend back to its centre and channel pressure back to 0. These still go out
// when others are refused: into the room a full queue keeps for them, and to our own port's other
// listeners after the chosen destination has gone, so that no note that left the port is left hanging.
bool isRelease(const uint8_t* bytes, size_t length);
