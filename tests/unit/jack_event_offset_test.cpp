// Placing timestamped messages in a JACK cycle: one period after sending, never out of order, across
// the frame counter's wrap.
#include "platform/jack_event_offset.h"

#include <gtest/gtest.h>

#include <optional>

TEST(JackEventOffset, PlacesEachMessageOnePeriodAfterItWasSent)
{
    constexpr jack_nframes_t period = 256;
    const struct {
        jack_nframes_t sent, cycleStart, earliest;
        std::optional<jack_nframes_t> offset;
    } cases[] = {
        {10000, 10240, 0, 16},               // sent during the previous cycle
        {10239, 10240, 0, 255},              // sent on its last frame
        {9984, 10240, 0, 0},                 // exactly one period old
        {5000, 10240, 0, 0},                 // late: goes at once
        {10240, 10240, 0, std::nullopt},     // sent as this cycle began: next cycle
        {10300, 10240, 0, std::nullopt},     // sent during this cycle
        {10000, 10240, 100, 100},            // never before what was written already
        {5000, 10240, 50, 50},
        {10200, 10240, 100, 216},
        {0xFFFFFFF0, 16, 0, 224},            // the frame counter wrapped in between
        {16, 0xFFFFFFF0, 0, std::nullopt},   // sent after a cycle that began before the wrap
    };
    for (const auto& c : cases)
        EXPECT_EQ(jackEventOffset(c.sent, c.cycleStart, period, c.earliest), c.offset)
            << "sent " << c.sent << ", cycle start " << c.cycleStart << ", earliest " << c.earliest;
}
