// THeldKeys: the notes that held computer keys sound on the output port, each ended by its own key's
// release, or all at once wherever a release may never arrive (the page changes, a dialog or box
// opens, the window loses the keyboard, the port or channel changes, Panic, exit). Auto-repeated
// presses play nothing. Fixed storage: pressing and releasing never allocates.
#pragma once

#include "midi/midi_output.h"
#include "pad/sounding_notes.h"

#include <array>
#include <cstdint>

class THeldKeys {
public:
    // `notes` is shared with the other sources of notes on the port.
    THeldKeys(TMidiOutput& port, TSoundingNotes& notes) : port_(port), notes_(notes) {}

    // A key pressed (not repeated): its note on, on `channel` (0..15), when it is a note key, the port
    // is open and the key is not already sounding; a note another source sounds is joined, not struck
    // again. Returns whether the key is a note key.
    bool Press(uint32_t scanCode, int32_t channel, uint8_t velocity);
    // A key released: the note off of the note it started, on the channel it was started on, once no
    // other source sounds that note.
    void Release(uint32_t scanCode);
    // Ends every sounding note, sending all it can; the first refusal is raised afterwards.
    void ReleaseAll();
    // Moves both rows an octave up (+1) or down (-1); notes already sounding keep their pitch.
    void ShiftOctave(int32_t step);
    int32_t OctaveShift() const { return octaveShift_; }
    bool AnySounding() const { return sounding_ > 0; }

private:
    struct Held {
        bool sounding = false;
        uint8_t note = 0, velocity = 0, channel = 0;
    };
    void End(Held& held);

    TMidiOutput& port_;
    TSoundingNotes& notes_;
    std::array<Held, 256> held_{};
    int32_t sounding_ = 0;
    int32_t octaveShift_ = 0;
};
