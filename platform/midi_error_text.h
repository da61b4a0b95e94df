// The texts of the MIDI services' result codes, one per code.
#pragma once

#include "platform/midi_services.h"

#include <cstdint>

// Copies the text for `code` into `text`, at most `size` bytes including the terminating zero.
// MMSYSERR_BADERRNUM (and an empty text) for a code without a text; MMSYSERR_INVALPARAM for no buffer.
MMRESULT midiErrorText(MMRESULT code, char* text, uint32_t size);
