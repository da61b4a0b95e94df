// The 128 General MIDI program names, in the user's language, for the Instrument choice.
#pragma once

#include <QString>

constexpr int GeneralMidiProgramCount = 128;

// The name of `program` (0..127, as sent in a program change).
QString generalMidiProgramName(int program);
