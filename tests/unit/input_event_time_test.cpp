// Dating a message back to the input event that sent it: only by what the event's stamp proves, and
// never by a stamp of another clock.
#include "platform/input_event_time.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(InputEventTime, ProvenLatenessIsTheTimeSinceTheEndOfTheEventsMillisecond)
{
    const struct {
        uint64_t nowUs, eventMs;
        uint32_t lateness;
    } cases[] = {
        {5'000'300, 5000, 0},             // within the event's millisecond: may have just happened
        {5'000'300, 4999, 300},
        {5'000'999, 4999, 999},
        {5'000'300, 4990, 9300},
        {5'000'300, 4900, 99300},         // the oldest an event of this clock is taken to be
        {5'000'300, 4899, 0},             // older: a stamp of another clock
        {5'000'300, 5001, 0},             // ahead of now: another clock
        {5'000'300, 0, 0},                // unknown
        {4'294'967'298'000, 4'294'967'295, 2000},   // the window system's 32-bit stamp wrapped
    };
    for (const auto& c : cases)
        EXPECT_EQ(provenLatenessUs(c.nowUs, c.eventMs), c.lateness) << "now " << c.nowUs << " us, event " << c.eventMs;
}

TEST(InputEventTime, ScopesNestAndEndWithTheirEvent)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t fiveMsAgo = uint64_t(now.tv_sec) * 1000 + uint64_t(now.tv_nsec) / 1000000 - 5;
    EXPECT_EQ(InputEventTime::latenessUs(), 0u);
    {
        const InputEventTime outer(fiveMsAgo);
        EXPECT_GE(InputEventTime::latenessUs(), 4000u);
        {
            const InputEventTime inner(0);
            EXPECT_EQ(InputEventTime::latenessUs(), 0u);
        }
        EXPECT_GE(InputEventTime::latenessUs(), 4000u);
    }
    EXPECT_EQ(InputEventTime::latenessUs(), 0u);
}
