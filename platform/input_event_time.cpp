// The input event this thread handles; see input_event_time.h.
#include "platform/input_event_time.h"

#include <ctime>

namespace {

thread_local uint64_t handledEventMs = 0;

} // namespace

InputEventTime::InputEventTime(uint64_t eventMs) noexcept : outer_(handledEventMs) { handledEventMs = eventMs; }

InputEventTime::~InputEventTime() { handledEventMs = outer_; }

uint32_t InputEventTime::latenessUs() noexcept
{
    if (handledEventMs == 0) return 0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return provenLatenessUs(static_cast<uint64_t>(now.tv_sec) * 1000000 + static_cast<uint64_t>(now.tv_nsec) / 1000,
                            handledEventMs);
}
