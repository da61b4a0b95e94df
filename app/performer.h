// TPerformer: everything that sounds. The pad and the computer keyboard are its sources of notes; it
// keeps which note sounds on which channel for whom, and ends them all wherever their releases may
// never come (Panic, a lost focus, another page, a closing port, exit). It is the one place that sends
// channel messages, through the pad controller and the held keys, onto the MIDI output.
#pragma once

#include "pad/held_keys.h"
#include "pad/pad_controller.h"

#include <exception>
#include <functional>

class TPerformer {
public:
    // Errors of the steps that end notes on their own go to `showError`.
    TPerformer(PadHost& pad, TMidiOutput& output, std::function<void(const std::exception&)> showError);

    // The pad's pointer and wheel; a left press holds the pad until its left release.
    void PadDown(TShiftState shift, int32_t x, int32_t y);
    void PadUp(TShiftState shift, int32_t x, int32_t y);
    void PadMove(int32_t x, int32_t y);
    void Wheel(int32_t delta);
    // A playing key of the computer keyboard, by scan code.
    void KeyDown(uint32_t scanCode);
    void KeyUp(uint32_t scanCode);
    void ShiftOctave(int32_t step) { heldKeys_.ShiftOctave(step); }

    // Ends a left drag (the pad sees the left released, with nothing held, at (-1, -1)) and the held
    // keys' notes: no release may come for them.
    void EndGestures() noexcept;
    // Before the port closes: the gestures, then the pad's sounding note.
    void EndSounding();
    // Ends every note, then silences every channel.
    void Panic() noexcept;
    // At exit: the held keys' notes, then the pad's.
    void EndAll();

    int32_t Channel() const { return pad_.channel(); }
    void SetChannel(int32_t channel);  // 0..15; the notes end on the channel they were started on
    const TPlayingSettings& Playing() const { return pad_.Playing().Settings(); }
    void SetPlaying(const TPlayingSettings& settings) { pad_.SetPlaying(settings); }
    // What a destination needs before it plays as chosen: today the bend range.
    void SendSetUp() { pad_.SendBendRange(); }

    const TPadController& Pad() const { return pad_; }
    TPadController& Pad() { return pad_; }
    const THeldKeys& HeldKeys() const { return heldKeys_; }

private:
    std::function<void(const std::exception&)> showError_;
    TSoundingNotes soundingNotes_;  // shared by the pad and the held keys
    TPadController pad_;
    THeldKeys heldKeys_;
    bool leftCaptured_ = false;  // a left press on the pad has not yet been released
};
