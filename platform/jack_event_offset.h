// Where the process callback places a timestamped message in its cycle, so that every message leaves
// exactly one period after it was sent and the spacing between messages is kept.
#pragma once

#include <jack/types.h>

#include <cstdint>
#include <optional>

// The offset in the cycle that starts at frame `cycleStart` (`jack_last_frame_time`) for a message sent
// at frame `sent` (`jack_frame_time`): sent + period − cycleStart, raised to `earliest` (the last offset
// written this cycle, since JACK refuses events out of order). A message older than one period goes at
// once; one sent at or after the cycle's start waits for the next cycle (nullopt). Frame counters wrap.
constexpr std::optional<jack_nframes_t> jackEventOffset(jack_nframes_t sent, jack_nframes_t cycleStart,
                                                        jack_nframes_t period, jack_nframes_t earliest)
{
    const jack_nframes_t age = cycleStart - sent;
    if (age == 0 || static_cast<int32_t>(age) < 0) return std::nullopt;
    const jack_nframes_t offset = age >= period ? 0 : period - age;
    return offset > earliest ? offset : earliest;
}
