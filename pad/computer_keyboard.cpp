#include "pad/computer_keyboard.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int32_t kBottomRowC = 60;
constexpr int32_t kKeyCodeOffset = 8;  // XKB key code = kernel key code + 8

// Kernel key codes in the order of the notes they play, one semitone apart.
constexpr std::array<uint8_t, 17> kBottomRow{44, 31, 45, 32, 46, 47, 34, 48, 35, 49, 36, 50, 51, 38, 52, 39, 53};
constexpr std::array<uint8_t, 17> kTopRow{16, 3, 17, 4, 18, 19, 6, 20, 7, 21, 8, 22, 23, 10, 24, 11, 25};

// Semitones above the bottom row's C, or -1 for a key that plays nothing.
constexpr std::array<int8_t, 256> semitoneTable()
{
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (std::size_t i = 0; i < kBottomRow.size(); ++i) table[kBottomRow[i] + kKeyCodeOffset] = int8_t(i);
    for (std::size_t i = 0; i < kTopRow.size(); ++i) table[kTopRow[i] + kKeyCodeOffset] = int8_t(12 + i);
    return table;
}
constexpr std::array<int8_t, 256> kSemitones = semitoneTable();

constexpr uint8_t kVelocity = 100;

} // namespace

bool IsNoteKey(uint32_t scanCode)
{
    return scanCode < kSemitones.size() && kSemitones[scanCode] >= 0;
}

std::optional<uint8_t> KeyboardNote(uint32_t scanCode, int32_t octaveShift)
{
    if (!IsNoteKey(scanCode)) return std::nullopt;
    const int32_t note = kBottomRowC + 12 * std::clamp(octaveShift, kLowestOctaveShift, kHighestOctaveShift) +
                         kSemitones[scanCode];
    if (note > 127) return std::nullopt;
    return static_cast<uint8_t>(note);
}

int32_t ShiftedOctave(int32_t octaveShift, int32_t step)
{
    return std::clamp(octaveShift + step, kLowestOctaveShift, kHighestOctaveShift);
}

uint8_t KeyboardVelocity(uint8_t bottom, uint8_t top)
{
    const auto [low, high] = std::minmax(bottom, top);
    // A note on of velocity 0 would be a note off.
    return std::max(std::clamp(kVelocity, low, high), uint8_t{1});
}
