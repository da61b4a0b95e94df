// The notes of held computer keys; see held_keys.h.
#include "pad/held_keys.h"

#include "platform/channel_messages.h"
#include "pad/computer_keyboard.h"

#include <exception>

bool THeldKeys::Press(uint32_t scanCode, int32_t channel, uint8_t velocity)
{
    if (!IsNoteKey(scanCode)) return false;
    const std::optional<uint8_t> note = KeyboardNote(scanCode, octaveShift_);
    Held& held = held_[scanCode];
    if (!note || held.sounding || port_.DeviceHandle() == nullptr) return true;
    if (!notes_.Sounding(channel, *note)) port_.SendShortMessage(status(kNoteOn, channel), *note, velocity);
    notes_.Join(channel, *note);
    held = {true, *note, velocity, static_cast<uint8_t>(channel)};
    ++sounding_;
    return true;
}

void THeldKeys::Release(uint32_t scanCode)
{
    if (scanCode < held_.size() && held_[scanCode].sounding) End(held_[scanCode]);
}

void THeldKeys::ReleaseAll()
{
    std::exception_ptr first;
    for (Held& held : held_) {
        if (!held.sounding) continue;
        try {
            End(held);
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

void THeldKeys::ShiftOctave(int32_t step)
{
    octaveShift_ = ShiftedOctave(octaveShift_, step);
}

// The key is up whatever becomes of its note off: a release cannot be tried again.
void THeldKeys::End(Held& held)
{
    held.sounding = false;
    --sounding_;
    const bool last = notes_.LastSource(held.channel, held.note);
    notes_.Leave(held.channel, held.note);
    if (last && port_.DeviceHandle() != nullptr)
        port_.SendShortMessage(status(kNoteOff, held.channel), held.note, held.velocity);
}
