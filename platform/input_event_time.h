// The time the input being handled happened, for dating the messages it sends. The window system
// stamps each input event with its monotonic clock in milliseconds; the program reads the event some
// time later, and much later when the desktop keeps the threads that read it from running for a few
// milliseconds. What an event sends is dated back by the lateness its stamp proves, so that a timed
// output places it where the player moved, not where the program got round to it, as far as that
// place is still to come.
#pragma once

#include <cstdint>

// The microseconds by which an event stamped `eventMs` is known to be late at `nowUs`: the time since
// the end of the event's millisecond. `eventMs` is the window system's stamp, which wraps at 32 bits;
// `nowUs` is the same monotonic clock in microseconds. 0 when the stamp is unknown (0), ahead of now or
// older than any event of this clock would be, so that a stamp of another clock changes nothing.
constexpr uint32_t provenLatenessUs(uint64_t nowUs, uint64_t eventMs)
{
    constexpr uint32_t kOldestMs = 100;
    if (eventMs == 0) return 0;
    const uint32_t ageMs = static_cast<uint32_t>(nowUs / 1000) - static_cast<uint32_t>(eventMs);
    if (ageMs == 0 || ageMs > kOldestMs) return 0;
    return (ageMs - 1) * 1000 + static_cast<uint32_t>(nowUs % 1000);
}

// While one lives, the messages this thread sends are those of the input event stamped `eventMs`
// (0: unknown). Scopes nest, as events are handled within others.
class InputEventTime {
public:
    explicit InputEventTime(uint64_t eventMs) noexcept;
    ~InputEventTime();
    InputEventTime(const InputEventTime&) = delete;
    InputEventTime& operator=(const InputEventTime&) = delete;

    // How late the event this thread handles is known to be now, in microseconds; 0 outside any.
    static uint32_t latenessUs() noexcept;

private:
    uint64_t outer_;
};
