// TPerformer: everything that sounds. The pad, the fingers on it and the computer keyboard are its
// sources of notes; it keeps which note sounds on which channel for whom, and ends them all wherever
// their releases may never come (Panic, a lost focus, another page, a closing port, exit). It is the one
// place that sends channel messages onto the MIDI output: in Mono through the pad controller and the
// held keys, in Poly and MPE through the voice model, every source a voice of its own; the pad
// controller keeps the caption, the wheel and the colours in every mode.
#pragma once

#include "pad/held_keys.h"
#include "pad/pad_controller.h"
#include "pad/voice_model.h"

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
    // A finger on the pad, by its touch point id; the fingers play only in Poly and MPE.
    enum class TTouchPhase : uint8_t { Press, Move, Release };
    bool PlaysTouch() const { return Voiced(); }
    void Touch(TTouchPhase phase, int32_t id, int32_t x, int32_t y) noexcept;
    void CancelTouches() noexcept;
    // The pen over the pad: its tip touching plays as the left button, with its pressure after the
    // attack and its tilt as controllers; its first side button held makes it the right button.
    // Hovering moves the pointer; leaving ends what its tip plays.
    enum class TPenPhase : uint8_t { Press, Move, Release, Hover };
    struct TPenPoint {
        int32_t x = 0, y = 0;
        bool sideButton = false;
        std::optional<double> pressure = {}, tiltX = {}, tiltY = {};
    };
    void Pen(TPenPhase phase, const TPenPoint& at) noexcept;

    // Ends a left drag (the pad sees the left released, with nothing held, at (-1, -1)) and the held
    // keys' notes: no release may come for them.
    void EndGestures() noexcept;
    // Before the port closes: the gestures, then the pad's sounding note.
    void EndSounding();
    // Ends every note, then silences every channel.
    void Panic() noexcept;
    // At exit: the held keys' notes, then the pad's.
    void EndAll();

    int32_t Channel() const { return channel_; }
    void SetChannel(int32_t channel);  // 0..15; the notes end on the channel they were started on
    const TPlayingSettings& Playing() const { return voices_.Settings(); }
    // Ends every note when the polyphony changes, then plays by the new choices.
    void SetPlaying(const TPlayingSettings& settings);
    // What a destination needs before it plays as chosen: the bend range, the MPE zone, the instrument.
    void SendSetUp();

    const TPadController& Pad() const { return pad_; }
    TPadController& Pad() { return pad_; }
    const THeldKeys& HeldKeys() const { return heldKeys_; }

private:
    // The voices' messages go out while a port is open, as the pad's do.
    class OutputSink : public TMessageSink {
    public:
        explicit OutputSink(TMidiOutput& port) : port_(port) {}
        void Send(uint8_t status, uint8_t data1, uint8_t data2) override;

    private:
        TMidiOutput& port_;
    };

    bool Voiced() const { return voices_.Polyphony() != TPolyphony::Mono; }
    TVoicePoint PointAt(int32_t x, int32_t y) const;
    TVoicePoint PenPointAt(const TPenPoint& at) const;
    void PenPress(const TPenPoint& at);
    void PenMove(const TPenPoint& at);
    void PenRelease(const TPenPoint& at);

    std::function<void(const std::exception&)> showError_;
    PadHost& host_;
    TSoundingNotes soundingNotes_;  // shared by the pad and the held keys
    TPadController pad_;
    THeldKeys heldKeys_;
    OutputSink sink_;
    TVoiceModel voices_;
    int32_t channel_ = 0;        // the chosen channel; in MPE the pad's wheel and colours use the manager's
    bool leftCaptured_ = false;  // a left press on the pad has not yet been released
    enum class PenDown : uint8_t { No, Tip, Side } penDown_ = PenDown::No;
    TTiltSent penTilt_{-1, -1};  // Mono: the pen's tilt controllers last sent on the channel
};
