#include "pad/clamp.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Clamp, MidiDataKeepsZeroTo127)
{
    EXPECT_EQ(ClampMidiData(-5), 0);
    EXPECT_EQ(ClampMidiData(0), 0);
    EXPECT_EQ(ClampMidiData(127), 127);
    EXPECT_EQ(ClampMidiData(128), 127);
    EXPECT_EQ(ClampMidiData(std::numeric_limits<int32_t>::min()), 0);
}
