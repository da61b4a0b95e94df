// The computer keyboard as a piano keyboard, by the keys' physical places so that every layout plays
// alike: the bottom letter row from Z is C4 upwards (Z S X D C V G B H N J M , L . ; /), the top row
// from Q is C5 upwards (Q 2 W 3 E R 5 T 6 Y 7 U I 9 O 0 P), always chromatic. Keys are named by their
// XKB key codes, the scan codes that X11 and Wayland both report (the kernel's key code plus 8).
#pragma once

#include <cstdint>
#include <optional>

constexpr int32_t kLowestOctaveShift = -5;  // Z plays C-1, note 0
constexpr int32_t kHighestOctaveShift = 5;  // Z plays C9, note 120

bool IsNoteKey(uint32_t scanCode);

// The note a key plays with the rows moved by `octaveShift` octaves; none for a key that is not a note
// key or whose note would be above 127.
std::optional<uint8_t> KeyboardNote(uint32_t scanCode, int32_t octaveShift);

// The octave shift after one step up (+1) or down (-1), held within the shifts above.
int32_t ShiftedOctave(int32_t octaveShift, int32_t step);

// The keys' velocity, 100, held within the range that `bottom` and `top` span (in either order), and
// never 0, which a note on cannot carry.
uint8_t KeyboardVelocity(uint8_t bottom, uint8_t top);
