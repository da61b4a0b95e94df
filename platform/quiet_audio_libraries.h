// The ALSA and JACK libraries print their own failures to stderr unless told not to; the program
// reports failures by result instead and keeps the terminal quiet.
#pragma once

// Each silences its library for the whole process; calling again does nothing more.
void silenceAlsaLibrary();
void silenceJackLibrary();
