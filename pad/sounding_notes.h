// TSoundingNotes: how many sources (the pad, each held computer key) sound each note on each channel.
// A note that several sources sound is struck once and ended once, when the last of them lets go, so
// that one source's note off never silences a note another still holds. Fixed storage: nothing allocates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class TSoundingNotes {
public:
    // Whether some source sounds `note` on `channel` (0..15) now: a new source joins it instead of
    // striking it again.
    bool Sounding(int32_t channel, uint8_t note) const { return count(channel, note) > 0; }
    // Whether the one source sounding `note` is the last: its note off ends the note.
    bool LastSource(int32_t channel, uint8_t note) const { return count(channel, note) == 1; }
    // A source starts, or stops, sounding `note` on `channel`.
    void Join(int32_t channel, uint8_t note) { ++counts_[index(channel, note)]; }
    void Leave(int32_t channel, uint8_t note);

private:
    static std::size_t index(int32_t channel, uint8_t note) { return static_cast<std::size_t>(channel * 128 + (note & 0x7F)); }
    uint8_t count(int32_t channel, uint8_t note) const { return counts_[index(channel, note)]; }

    std::array<uint8_t, 16 * 128> counts_{};
};
