// The performer: the pad's, the fingers' and the keyboard's notes, and the paths that end them.
#include "app/performer.h"

#include "app/guarded.h"
#include "platform/exception.h"
#include "pad/computer_keyboard.h"

#include <utility>

namespace {

constexpr TVoiceSource kMouse{TVoiceKind::Mouse, 0};
constexpr TVoiceSource kPen{TVoiceKind::Pen, 0};

TVoiceSource keySource(uint32_t scanCode)
{
    return {TVoiceKind::Key, static_cast<int32_t>(scanCode)};
}

// The pad controller's own notes glide only in Mono: pitch bend is one per channel in Poly, and each
// voice's own in MPE.
TPlayingSettings padSettings(TPlayingSettings settings)
{
    if (settings.polyphony != TPolyphony::Mono) settings.pitchMode = TPitchMode::Steps;
    return settings;
}

} // namespace

void TPerformer::OutputSink::Send(uint8_t status, uint8_t data1, uint8_t data2)
{
    if (port_.DeviceHandle() != nullptr) port_.SendShortMessage(status, data1, data2);
}

TPerformer::TPerformer(PadHost& pad, TMidiOutput& output, std::function<void(const std::exception&)> showError)
    : showError_(std::move(showError)), host_(pad), pad_(pad, output, soundingNotes_),
      heldKeys_(output, soundingNotes_), sink_(output), voices_(sink_)
{
}

// In Poly and MPE the left button is the mouse's voice, and the pad controller sees only the right.
void TPerformer::PadDown(TShiftState shift, int32_t x, int32_t y)
{
    if (shift.left) leftCaptured_ = true;
    if (!Voiced()) return pad_.ImagePadMouseDown(shift, x, y);
    if (shift.left) {
        if (voices_.Sounding(kMouse)) voices_.Move(kMouse, PointAt(x, y));
        else voices_.Press(kMouse, PointAt(x, y));
    }
    pad_.ImagePadMouseDown({false, shift.right}, x, y);
}

void TPerformer::PadUp(TShiftState shift, int32_t x, int32_t y)
{
    // The release itself ends the capture, so an error it raises has no drag left to cancel.
    if (!shift.left) leftCaptured_ = false;
    if (!Voiced()) return pad_.ImagePadMouseUp(shift, x, y);
    if (shift.left) voices_.Move(kMouse, PointAt(x, y));
    else voices_.Release(kMouse);
    pad_.ImagePadMouseUp({false, shift.right}, x, y);
}

void TPerformer::PadMove(int32_t x, int32_t y)
{
    if (!Voiced() || !leftCaptured_) return pad_.ImagePadMouseMove(x, y);
    voices_.Move(kMouse, PointAt(x, y));
    pad_.ShowPointer(x, y);
}

void TPerformer::Wheel(int32_t delta)
{
    pad_.FormMouseWheel(delta);
}

void TPerformer::KeyDown(uint32_t scanCode)
{
    const TPlayingSettings& playing = Playing();
    const uint8_t velocity = KeyboardVelocity(playing.velocityBottom, playing.velocityTop);
    if (!Voiced()) {
        heldKeys_.Press(scanCode, channel_, velocity);
        return;
    }
    // A repeated press of a held key plays nothing.
    const std::optional<uint8_t> note = KeyboardNote(scanCode, heldKeys_.OctaveShift());
    if (note && !voices_.Sounding(keySource(scanCode))) voices_.PressNote(keySource(scanCode), *note, velocity);
}

void TPerformer::KeyUp(uint32_t scanCode)
{
    if (Voiced()) voices_.Release(keySource(scanCode));
    else heldKeys_.Release(scanCode);
}

void TPerformer::Touch(TTouchPhase phase, int32_t id, int32_t x, int32_t y) noexcept
{
    runGuarded(
        [&] {
            const TVoiceSource finger{TVoiceKind::Touch, id};
            switch (phase) {
            case TTouchPhase::Press: voices_.Press(finger, PointAt(x, y)); break;
            case TTouchPhase::Move: voices_.Move(finger, PointAt(x, y)); break;
            case TTouchPhase::Release: voices_.Release(finger); break;
            }
            pad_.ShowPointer(x, y);
        },
        showError_);
}

void TPerformer::CancelTouches() noexcept
{
    runGuarded([this] { voices_.ReleaseKind(TVoiceKind::Touch); }, showError_);
}

void TPerformer::Pen(TPenPhase phase, const TPenPoint& at) noexcept
{
    runGuarded(
        [&] {
            switch (phase) {
            case TPenPhase::Press: PenPress(at); break;
            case TPenPhase::Move: PenMove(at); break;
            case TPenPhase::Release: PenRelease(at); break;
            case TPenPhase::Hover: PadMove(at.x, at.y); break;
            }
        },
        showError_);
}

// In Mono the tip is the mouse's left button, the one voice they share; in Poly and MPE a voice of its own.
void TPerformer::PenPress(const TPenPoint& at)
{
    if (penDown_ != PenDown::No) PenRelease(at);
    if (at.sideButton) {
        penDown_ = PenDown::Side;
        return PadDown({false, true}, at.x, at.y);
    }
    penDown_ = PenDown::Tip;
    const TVoicePoint point = PenPointAt(at);
    if (Voiced()) {
        voices_.Press(kPen, point);
        return pad_.ShowPointer(at.x, at.y);
    }
    penTilt_ = {-1, -1};
    SendTilt(sink_, Playing(), channel_, point, penTilt_);
    pad_.SetPenPressure(at.pressure);
    PadDown({true, false}, at.x, at.y);
}

void TPerformer::PenMove(const TPenPoint& at)
{
    if (penDown_ != PenDown::Tip) return PadMove(at.x, at.y);
    const TVoicePoint point = PenPointAt(at);
    if (Voiced()) {
        voices_.Move(kPen, point);
        return pad_.ShowPointer(at.x, at.y);
    }
    SendTilt(sink_, Playing(), channel_, point, penTilt_);
    pad_.SetPenPressure(at.pressure);
    PadMove(at.x, at.y);
}

void TPerformer::PenRelease(const TPenPoint& at)
{
    const PenDown down = std::exchange(penDown_, PenDown::No);
    pad_.SetPenPressure(std::nullopt);
    if (down == PenDown::Tip && Voiced()) {
        voices_.Release(kPen);
        return pad_.ShowPointer(at.x, at.y);
    }
    if (down != PenDown::No) PadUp({}, at.x, at.y);
}

// An error of either ending is shown first, through the same path as any other.
void TPerformer::EndGestures() noexcept
{
    if (heldKeys_.AnySounding()) runGuarded([this] { heldKeys_.ReleaseAll(); }, showError_);
    if (voices_.VoiceCount() > 0) runGuarded([this] { voices_.EndAll(); }, showError_);
    penDown_ = PenDown::No;
    pad_.SetPenPressure(std::nullopt);
    if (!leftCaptured_) return;
    leftCaptured_ = false;
    runGuarded([this] { pad_.ImagePadMouseUp(TShiftState{}, -1, -1); }, showError_);
}

void TPerformer::EndSounding()
{
    EndGestures();
    pad_.EndSoundingNote();
}

void TPerformer::Panic() noexcept
{
    runGuarded([this] { heldKeys_.ReleaseAll(); }, showError_);
    runGuarded([this] { voices_.Panic(); }, showError_);
    runGuarded([this] { pad_.Panic(); }, showError_);
}

void TPerformer::EndAll()
{
    heldKeys_.ReleaseAll();
    voices_.EndAll();
    pad_.EndSoundingNote();
}

void TPerformer::SetChannel(int32_t channel)
{
    EndGestures();
    if (channel < 0 || channel > 15) throw ERangeError();
    channel_ = channel;
    if (!Voiced() || voices_.Polyphony() == TPolyphony::Poly) pad_.setChannel(channel);
    voices_.SetPlaying(Playing(), channel);
}

// In MPE the wheel and the colours go to the zone's manager channel. A gliding pad tells its bend range
// on its channel, so it takes its channel before its choices when it will glide, and after them when not.
void TPerformer::SetPlaying(const TPlayingSettings& settings)
{
    if (settings == Playing()) return;
    TPlayingMap checked(settings);
    if (settings.polyphony != Playing().polyphony) EndGestures();
    const TPlayingSettings pad = padSettings(settings);
    const int32_t padChannel = settings.polyphony == TPolyphony::Mpe ? 0 : channel_;
    if (pad.pitchMode == TPitchMode::Glide) pad_.setChannel(padChannel);
    pad_.SetPlaying(pad);
    pad_.setChannel(padChannel);
    voices_.SetPlaying(settings, channel_);
}

void TPerformer::SendSetUp()
{
    pad_.SendBendRange();
    voices_.SendSetUp();
}

TVoicePoint TPerformer::PointAt(int32_t x, int32_t y) const
{
    return {x, y, host_.padWidth(), host_.padHeight()};
}

TVoicePoint TPerformer::PenPointAt(const TPenPoint& at) const
{
    return {at.x, at.y, host_.padWidth(), host_.padHeight(), at.pressure, at.tiltX, at.tiltY};
}
