// What a held note's move sends when it glides: the pitch a pad column asks for, the pitch bend that
// sounds it relative to the note on, and the point where the note is handed over to another. Pure
// arithmetic on the playing map, for the pad controller's pointer path: nothing allocates.
#pragma once

#include "pad/playing.h"

#include <array>
#include <cstdint>
#include <utility>

inline constexpr uint16_t kBendCentre = 8192;

// The pitch in semitones at column x: exactly the note that column plays (TPlayingMap::NoteAt) at the
// centre of that note's columns, linear between the centres of neighbouring notes, the first note left
// of the first centre and the last right of the last.
double GlidePitchAt(const TPlayingMap& map, int32_t x, int32_t width);
// 8192 + round(semitones × 8192 ÷ range), held to 0..16383.
uint16_t PitchBendOf(double semitones, int range);

// RPN 0, pitch bend sensitivity, as controller number and value pairs: `range` semitones and no cents,
// then the null RPN, so that a later data entry changes nothing.
inline constexpr std::array<std::pair<uint8_t, uint8_t>, 6> BendRangeControllers(uint8_t range)
{
    return {{{101, 0}, {100, 0}, {6, range}, {38, 0}, {101, 127}, {100, 127}}};
}

struct TGlideStep {
    uint8_t note;   // the note to sound: the sounding one, or the one handed over to
    uint16_t bend;  // relative to `note`
    bool handover;  // end the sounding note and start `note`
    bool operator==(const TGlideStep&) const = default;
};
// What a move to column x asks of a gliding `sounding` note: the note is handed over to the note
// under the pointer when the pitch is more than `range` semitones away from it (and that note is another).
TGlideStep GlideStepAt(const TPlayingMap& map, uint8_t sounding, int32_t x, int32_t width, int range);
