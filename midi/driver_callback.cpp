// The relay's message table: done notifications are forwarded, input is filtered into the ring.
#include "midi/driver_callback.h"

#include "midi/callback_instance.h"
#include "platform/notify_window.h"

namespace {

void relayInput(uint32_t message, const CallbackInstance* instance, uintptr_t param1, uintptr_t param2) noexcept
{
    // Only a lone active-sensing or clock status matches; a header address never does.
    if (param1 == kActiveSensing || param1 == kTimingClock) return;
    if (!instance || !instance->EventRing) return;
    if (message == MIM_DATA && instance->DropShortData != 0) return;

    RingEvent event;
    event.Timestamp = static_cast<uint32_t>(param2);
    if (message == MIM_DATA) {
        event.ShortData = static_cast<uint32_t>(param1);
    } else {
        event.LongHeader = reinterpret_cast<MIDIHDR*>(param1);
    }
    const uint32_t post = RingPutEvent(*instance->EventRing, event) ? MIM_DATA : WM_USER;
    PostMessageA(instance->TargetWindow, post, 0, 0);
}

} // namespace

void DriverCallback(HMIDIOUT, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t param2) noexcept
{
    const auto* record = reinterpret_cast<const CallbackInstance*>(instance);
    switch (message) {
    case MOM_DONE:
    case MOM_CONNECTED:
        if (record) PostMessageA(record->TargetWindow, message, 0, param1);
        break;
    case MIM_DATA:
    case MIM_LONGDATA:
    case MIM_LONGERROR:
        relayInput(message, record, param1, param2);
        break;
    default:
        break;
    }
}
