// The names other programs see for our MIDI output, on JACK and on the ALSA sequencer alike: the client
// "Pixono" with its output port "out".
#pragma once

inline constexpr const char* kOurClientName = "Pixono";
inline constexpr const char* kOurOutPortName = "out";
