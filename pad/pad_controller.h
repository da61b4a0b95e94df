// TPadController: turns the pad's pointer, button and wheel events into MIDI channel voice messages on
// the output port and keeps the window caption as a live status line. The window owns it, forwards its
// handlers to it and implements PadHost for the sizes, the caption and the colour under the pointer.
// An event's caption is worked out where its values change but handed to the window only after the
// event's messages have gone: the window title's round through the window system, the costliest part of
// an event, then never stands between the pointer and the note.
#pragma once

#include "midi/midi_output.h"
#include "pad/playing.h"
#include "pad/sounding_notes.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

// What the controller reads from and writes to the window; the window implements it.
class PadHost {
public:
    virtual ~PadHost() = default;
    virtual int32_t padWidth() const = 0;  // ImagePad's current width
    virtual int32_t padHeight() const = 0;
    virtual void setCaption(const QString& caption) = 0;      // window title, nothing appended
    virtual uint32_t sampleColour(int32_t x, int32_t y) = 0;  // the pad picture's SampleColour
};

// The buttons held at the time of a pointer event; nothing else of the modifier set is used.
struct TShiftState {
    bool left = false;
    bool right = false;
};

struct PadState {
    uint8_t lastNote = 0, lastVelocity = 0;  // last note on, or recomputed by the last note off
    int32_t wheel = 0, x = 0, y = 0;         // wheel accumulator (120 per notch), last position acted on
    bool moved = false;                      // raised when x or y change, cleared when tested
    uint32_t colour = 0;                     // last colour accepted while the right button was held
    uint8_t r = 0, g = 0, b = 0;             // its components as last stored
    bool leftHeld = false, rightHeld = false;
    int32_t channel = 0;                     // 0..15
    bool noteSounding = false;               // a note on was sent and its note off not yet
    int32_t noteChannel = 0;                 // channel the sounding note was started on
    uint16_t bend = 8192;                    // last pitch bend sent, on expressionChannel
    bool bendSent = false;                   // a bend was sent since the last return to centre
    uint8_t pressure = 0;                    // last channel pressure sent, on expressionChannel
    int32_t expressionChannel = 0;
    int16_t afterAttack = -1;                // last after-attack value sent for the held note, -1 none
};

class TPadController {
public:
    // `notes` is shared with the other sources of notes on the port.
    TPadController(PadHost& host, TMidiOutput& port, TSoundingNotes& notes);

    void ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseMove(int32_t x, int32_t y);
    void FormMouseWheel(int32_t wheelDelta);
    // A pen's tip pressure (0..1) drives the after-the-attack axis instead of the height until it is
    // taken away again (nothing).
    void SetPenPressure(std::optional<double> pressure) { penPressure_ = pressure; }
    // A pointer whose notes another source plays: the caption follows it, and so do the colours while
    // the right button is held.
    void ShowPointer(int32_t x, int32_t y);

    // Stores the wheel accumulator and rewrites the caption when the value changes.
    void SetWheel(int32_t value);
    int32_t channel() const;           // 0..15
    void setChannel(int32_t channel);  // 0..15, set by the window's SetMidiOutChannel
    // Sends the note off of a sounding note, then returns pitch bend to centre and channel pressure to
    // 0 where they were moved; the window calls this before it closes the port.
    void EndSoundingNote();
    // Ends the sounding note, then sends All Sound Off and All Notes Off on each of the 16 channels,
    // and pitch bend centre when gliding.
    void Panic();
    // When gliding, tells the receiver the bend range (RPN 0) on the current channel; the window calls
    // this when it has opened a port.
    void SendBendRange();
    const PadState& state() const;
    // The note and velocity that a pad point plays with the pad at its current size; a velocity of 0
    // plays as 1, since a note on of 0 would be a note off.
    std::pair<uint8_t, uint8_t> NoteAndVelocityAt(int32_t x, int32_t y) const;
    // Ends a sounding note, then plays by the new choices from the next event on.
    void SetPlaying(const TPlayingSettings& settings);
    const TPlayingMap& Playing() const { return playing_; }

private:
    void SetPosition(int32_t x, int32_t y);
    bool TakePositionChanged();
    void SetColour(uint32_t colour);
    void StoreWheel(int32_t value);
    void FormatCaption();
    void WriteCaption();
    template <class Handling>
    void CaptionAfter(Handling handling);
    bool IsMidiOutOpen() const;
    bool IsGliding() const;
    uint8_t NoteAt(int32_t x) const;
    void SendNoteOn();
    void Glide();
    void SendBend(uint16_t bend);
    void SendAfterAttack(bool atAttack);
    void ResetExpression();
    void SendNoteOff();
    void ForgetNote();
    void SendModulation();
    void SendRed();
    void SendGreen();
    void SendBlue();
    void EndNoteAndPlay();
    bool TakeNoteChanged();

    PadHost& host_;
    TMidiOutput& port_;
    TSoundingNotes& notes_;
    PadState state_;
    char caption_[112] = {};   // formatted, not yet written when captionLength_ > 0
    int captionLength_ = 0;
    TPlayingMap playing_;
    std::optional<double> penPressure_;
};
