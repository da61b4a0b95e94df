// The pad controller's event handlers and the messages and caption they produce.
//
// Notes follow the left button: a left press always starts a note (ending one that still sounds), a
// drag replaces it whenever the position changes, and the left release always ends it, wherever the
// release happens. The note off goes to the channel the note was started on. With a note range or a
// scale chosen, the pad is split into zones, and a drag replaces the note only when it changes zone.
// A gliding note follows the drag with pitch bend instead, and is handed over to another note only
// past the bend range; with an axis after the attack, the height keeps shaping the held note.
#include "pad/pad_controller.h"

#include "platform/channel_messages.h"
#include "pad/clamp.h"
#include "pad/glide.h"
#include "platform/checked_math.h"

#include <cstdio>
#include <exception>

namespace {

constexpr int32_t kWheelNotch = 120;
constexpr int32_t kChannels = 16;

// The vertical axis grows upwards: the top row gives 127.
int32_t scaledFromBottom(int32_t position, int32_t extent)
{
    return checked::sub(int32_t{127}, ScaledTo127(position, extent));
}

} // namespace

TPadController::TPadController(PadHost& host, TMidiOutput& port, TSoundingNotes& notes)
    : host_(host), port_(port), notes_(notes)
{
}

void TPadController::ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y)
{
    CaptionAfter([&] {
        SetPosition(x, y);
        const bool leftPressed = shift.left && !state_.leftHeld;
        state_.leftHeld = shift.left;
        state_.rightHeld = shift.right;
        // A press of another button during a drag plays only if it comes from a new position.
        if (state_.leftHeld && (TakeNoteChanged() || leftPressed)) EndNoteAndPlay();
        SetColour(host_.sampleColour(x, y));
    });
}

void TPadController::ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y)
{
    CaptionAfter([&] {
        SetPosition(x, y);
        const bool wasLeftHeld = state_.leftHeld;
        // The buttons are up whatever happens to the note off below.
        state_.leftHeld = shift.left;
        state_.rightHeld = shift.right;
        if (wasLeftHeld && (TakePositionChanged() || !shift.left)) EndSoundingNote();
        SetColour(host_.sampleColour(x, y));
    });
}

void TPadController::ImagePadMouseMove(int32_t x, int32_t y)
{
    CaptionAfter([&] {
        if (state_.leftHeld) {
            SetPosition(x, y);
            if (IsGliding() && state_.noteSounding) {
                if (TakePositionChanged()) Glide();
                else SendAfterAttack(false);  // a pen pressing harder on the spot
            } else if (TakeNoteChanged()) {
                EndNoteAndPlay();
            } else {
                SendAfterAttack(false);
            }
        }
        SetColour(host_.sampleColour(x, y));
    });
}

void TPadController::ShowPointer(int32_t x, int32_t y)
{
    CaptionAfter([&] {
        SetPosition(x, y);
        TakePositionChanged();  // no note of ours follows it
        SetColour(host_.sampleColour(x, y));
    });
}

void TPadController::FormMouseWheel(int32_t wheelDelta)
{
    CaptionAfter([&] {
        StoreWheel(checked::add(state_.wheel, wheelDelta));
        SendModulation();
    });
}

void TPadController::SetWheel(int32_t value)
{
    StoreWheel(value);
    WriteCaption();
}

void TPadController::StoreWheel(int32_t value)
{
    if (value == state_.wheel) return;
    state_.wheel = value;
    FormatCaption();
}

int32_t TPadController::channel() const
{
    return state_.channel;
}

void TPadController::setChannel(int32_t channel)
{
    if (channel < 0 || channel > 15) throw ERangeError();
    if (channel == state_.channel) return;
    state_.channel = channel;
    SendBendRange();
}

void TPadController::EndSoundingNote()
{
    if (state_.noteSounding) SendNoteOff();
    ResetExpression();
}

// Sends all it can, since a refusal (a full queue) comes exactly when silence is needed, and reports
// the first refusal once at the end.
void TPadController::Panic()
{
    std::exception_ptr firstRefusal;
    const auto attempt = [&firstRefusal](auto send) {
        try {
            send();
        } catch (const EmidioutputError&) {
            if (!firstRefusal) firstRefusal = std::current_exception();
        }
    };
    attempt([this] { EndSoundingNote(); });
    if (IsMidiOutOpen()) {
        for (int32_t channel = 0; channel < kChannels; ++channel) {
            attempt([&] { port_.SendShortMessage(status(kControlChange, channel), kAllSoundOff, 0); });
            attempt([&] { port_.SendShortMessage(status(kControlChange, channel), kAllNotesOff, 0); });
            if (IsGliding())
                attempt([&] { port_.SendShortMessage(status(kPitchBend, channel), 0, kBendCentre >> 7); });
        }
    }
    if (firstRefusal) std::rethrow_exception(firstRefusal);
}

void TPadController::SendBendRange()
{
    if (!IsGliding() || !IsMidiOutOpen()) return;
    for (const auto& [controller, value] : BendRangeControllers(playing_.Settings().bendRange))
        port_.SendShortMessage(status(kControlChange, state_.channel), controller, value);
}

const PadState& TPadController::state() const
{
    return state_;
}

void TPadController::SetPosition(int32_t x, int32_t y)
{
    if (x == state_.x && y == state_.y) return;
    state_.x = x;
    state_.y = y;
    FormatCaption();
    state_.moved = true;
}

bool TPadController::TakePositionChanged()
{
    const bool moved = state_.moved;
    state_.moved = false;
    return moved;
}

// A move within the zone of the sounding note keeps that note sounding; so does any move that keeps
// the note when the height is an axis after the attack.
bool TPadController::TakeNoteChanged()
{
    if (!TakePositionChanged()) return false;
    return (playing_.IsContinuous() && playing_.Settings().afterAttack == TAfterAttack::None) ||
           !state_.noteSounding || NoteAt(state_.x) != state_.lastNote;
}

void TPadController::SetPlaying(const TPlayingSettings& settings)
{
    const TPlayingSettings old = playing_.Settings();
    if (settings == old) return;
    TPlayingMap playing(settings);
    EndSoundingNote();
    playing_ = playing;
    if (old.pitchMode != settings.pitchMode || old.bendRange != settings.bendRange) SendBendRange();
}

void TPadController::SetColour(uint32_t colour)
{
    if (colour == state_.colour || !state_.rightHeld) return;
    state_.colour = colour;
    const auto component = [colour](int shift) { return static_cast<uint8_t>(colour >> shift); };
    if (component(0) != state_.r) {
        state_.r = component(0);
        SendRed();
    }
    if (component(8) != state_.g) {
        state_.g = component(8);
        SendGreen();
    }
    if (component(16) != state_.b) {
        state_.b = component(16);
        SendBlue();
    }
    FormatCaption();
}

// Formatted in place, so that an event's messages go out with no allocation before them; a value out
// of range is refused here, where it changes.
void TPadController::FormatCaption()
{
    captionLength_ = std::snprintf(caption_, sizeof caption_, "=== Pixono ===  (W%d) (X%d,Y%d) (R%d,G%d,B%d)",
                                   state_.wheel / kWheelNotch, ScaledTo127(state_.x, host_.padWidth()),
                                   scaledFromBottom(state_.y, host_.padHeight()), state_.r, state_.g, state_.b);
}

// The caption text itself is the only allocation.
void TPadController::WriteCaption()
{
    if (captionLength_ <= 0) return;
    const int length = std::exchange(captionLength_, 0);
    host_.setCaption(QString::fromLatin1(caption_, length));
}

// Runs one event's handling, then writes the caption it changed, also when a send was refused.
template <class Handling>
void TPadController::CaptionAfter(Handling handling)
{
    try {
        handling();
    } catch (...) {
        WriteCaption();
        throw;
    }
    WriteCaption();
}

bool TPadController::IsMidiOutOpen() const
{
    return port_.DeviceHandle() != nullptr;
}

bool TPadController::IsGliding() const
{
    return playing_.Settings().pitchMode == TPitchMode::Glide;
}

// The same scaling as the caption's X and Y, so the caption shows what is sent.
std::pair<uint8_t, uint8_t> TPadController::NoteAndVelocityAt(int32_t x, int32_t y) const
{
    return {NoteAt(x), std::max(playing_.VelocityAt(y, host_.padHeight()), uint8_t{1})};
}

uint8_t TPadController::NoteAt(int32_t x) const
{
    return playing_.NoteAt(x, host_.padWidth());
}

// A gliding note starts with the bend of its exact position, so its pitch never jumps at the attack;
// an after-attack controller comes first too, for synths that read it at the attack. A note that
// another source already sounds is joined rather than struck again.
void TPadController::SendNoteOn()
{
    const auto [note, velocity] = NoteAndVelocityAt(state_.x, state_.y);
    if (IsMidiOutOpen()) {
        if (IsGliding()) SendBend(GlideStepAt(playing_, note, state_.x, host_.padWidth(), playing_.Settings().bendRange).bend);
        const bool controllerFirst = playing_.Settings().afterAttack == TAfterAttack::Controller;
        if (controllerFirst) SendAfterAttack(true);
        if (!notes_.Sounding(state_.channel, note))
            port_.SendShortMessage(status(kNoteOn, state_.channel), note, velocity);
        notes_.Join(state_.channel, note);
        state_.noteSounding = true;
        state_.noteChannel = state_.channel;
        if (!controllerFirst) SendAfterAttack(true);
    }
    state_.lastNote = note;
    state_.lastVelocity = velocity;
}

void TPadController::SendNoteOff()
{
    if (IsMidiOutOpen()) {
        const int32_t channel = state_.noteSounding ? state_.noteChannel : state_.channel;
        try {
            // A note that another source still holds sounds on until that source lets go.
            if (!state_.noteSounding || notes_.LastSource(channel, state_.lastNote))
                port_.SendShortMessage(status(kNoteOff, channel), state_.lastNote, state_.lastVelocity);
        } catch (const EmidioutputError&) {
            // A note cannot keep sounding on a port that no longer exists: it ends all the same, so
            // closing, reopening and exiting say nothing more about it. Other refusals leave it to retry.
            if (port_.LastResult() == MIDIERR_NODEVICE) ForgetNote();
            throw;
        }
    }
    ForgetNote();
}

// One bend message for a move that changes the pitch; past the bend range, the note off of the
// sounding note, then the new note with its own bend.
void TPadController::Glide()
{
    const TGlideStep step = GlideStepAt(playing_, state_.lastNote, state_.x, host_.padWidth(), playing_.Settings().bendRange);
    if (step.handover) {
        SendNoteOff();
        SendNoteOn();
        return;
    }
    if (step.bend != state_.bend) SendBend(step.bend);
    SendAfterAttack(false);
}

void TPadController::SendBend(uint16_t bend)
{
    port_.SendShortMessage(status(kPitchBend, state_.channel), bend & 0x7F, static_cast<uint8_t>(bend >> 7));
    state_.bend = bend;
    state_.bendSent = true;
    state_.expressionChannel = state_.channel;
}

// The height, or a pen's pressure, as the held note's second axis: at its attack, then whenever it changes.
void TPadController::SendAfterAttack(bool atAttack)
{
    const TPlayingSettings& settings = playing_.Settings();
    if (settings.afterAttack == TAfterAttack::None || !(atAttack || state_.noteSounding) || !IsMidiOutOpen()) return;
    const uint8_t value = penPressure_ ? PressureLevel(*penPressure_, settings.velocityCurve, settings.velocityBottom,
                                                       settings.velocityTop)
                                       : playing_.VelocityAt(state_.y, host_.padHeight());
    if (!atAttack && value == state_.afterAttack) return;
    state_.afterAttack = value;
    state_.expressionChannel = state_.channel;
    if (settings.afterAttack == TAfterAttack::Controller) {
        port_.SendShortMessage(status(kControlChange, state_.channel), settings.afterAttackController, value);
    } else {
        port_.SendShortMessage(status(kChannelPressure, state_.channel), value, 0);
        state_.pressure = value;
    }
}

// Once no note sounds: the bend back to centre after any bend sent for the note, and pressure back
// to 0; a controller keeps its value, as the wheel's does.
void TPadController::ResetExpression()
{
    state_.afterAttack = -1;
    if (!IsMidiOutOpen()) {
        state_.bend = kBendCentre;
        state_.bendSent = false;
        state_.pressure = 0;
        return;
    }
    const int32_t channel = state_.expressionChannel;
    if (state_.bendSent) {
        port_.SendShortMessage(status(kPitchBend, channel), 0, kBendCentre >> 7);
        state_.bend = kBendCentre;
        state_.bendSent = false;
    }
    if (state_.pressure != 0) {
        port_.SendShortMessage(status(kChannelPressure, channel), 0, 0);
        state_.pressure = 0;
    }
}

void TPadController::ForgetNote()
{
    if (state_.noteSounding) notes_.Leave(state_.noteChannel, state_.lastNote);
    state_.noteSounding = false;
    const auto [note, velocity] = NoteAndVelocityAt(state_.x, state_.y);
    state_.lastNote = note;
    state_.lastVelocity = velocity;
}

void TPadController::SendModulation()
{
    if (IsMidiOutOpen())
        port_.SendShortMessage(status(kControlChange, state_.channel), playing_.Settings().wheelController,
                               ClampMidiData(state_.wheel / kWheelNotch));
}

void TPadController::SendRed()
{
    if (IsMidiOutOpen())
        port_.SendShortMessage(status(kControlChange, state_.channel), playing_.Settings().redController, state_.r >> 1);
}

void TPadController::SendGreen()
{
    if (IsMidiOutOpen())
        port_.SendShortMessage(status(kControlChange, state_.channel), playing_.Settings().greenController, state_.g >> 1);
}

void TPadController::SendBlue()
{
    if (IsMidiOutOpen())
        port_.SendShortMessage(status(kControlChange, state_.channel), playing_.Settings().blueController, state_.b >> 1);
}

// The note off of a sounding note, then the note on for the current position.
void TPadController::EndNoteAndPlay()
{
    EndSoundingNote();
    SendNoteOn();
}
