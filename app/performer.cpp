// The performer: the pad's and the keyboard's notes, and the paths that end them.
#include "app/performer.h"

#include "app/guarded.h"
#include "pad/computer_keyboard.h"

TPerformer::TPerformer(PadHost& pad, TMidiOutput& output, std::function<void(const std::exception&)> showError)
    : showError_(std::move(showError)), pad_(pad, output, soundingNotes_), heldKeys_(output, soundingNotes_)
{
}

void TPerformer::PadDown(TShiftState shift, int32_t x, int32_t y)
{
    if (shift.left) leftCaptured_ = true;
    pad_.ImagePadMouseDown(shift, x, y);
}

void TPerformer::PadUp(TShiftState shift, int32_t x, int32_t y)
{
    // The release itself ends the capture, so an error it raises has no drag left to cancel.
    if (!shift.left) leftCaptured_ = false;
    pad_.ImagePadMouseUp(shift, x, y);
}

void TPerformer::PadMove(int32_t x, int32_t y)
{
    pad_.ImagePadMouseMove(x, y);
}

void TPerformer::Wheel(int32_t delta)
{
    pad_.FormMouseWheel(delta);
}

void TPerformer::KeyDown(uint32_t scanCode)
{
    const TPlayingSettings& playing = Playing();
    heldKeys_.Press(scanCode, pad_.channel(), KeyboardVelocity(playing.velocityBottom, playing.velocityTop));
}

void TPerformer::KeyUp(uint32_t scanCode)
{
    heldKeys_.Release(scanCode);
}

// An error of either ending is shown first, through the same path as any other.
void TPerformer::EndGestures() noexcept
{
    if (heldKeys_.AnySounding()) runGuarded([this] { heldKeys_.ReleaseAll(); }, showError_);
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
    runGuarded([this] { pad_.Panic(); }, showError_);
}

void TPerformer::EndAll()
{
    heldKeys_.ReleaseAll();
    pad_.EndSoundingNote();
}

void TPerformer::SetChannel(int32_t channel)
{
    EndGestures();
    pad_.setChannel(channel);
}
