// Finds the General MIDI SoundFont the built-in synthesizer loads, by looking where Debian installs them.
#pragma once

#include <string>
#include <vector>

// The folders searched by default, in order.
const std::vector<std::string>& soundFontFolders();

// The first readable file among the preferred names (default-GM.sf2 before any other GM SoundFont)
// in `folders`, or empty when there is none. A name wins over a folder: default-GM.sf2 in the last
// folder beats FluidR3_GM.sf2 in the first.
std::string findSoundFont(const std::vector<std::string>& folders);
