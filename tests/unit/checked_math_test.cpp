#include "platform/checked_math.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(CheckedMath, OverflowRaisesIntegerOverflow)
{
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    constexpr int32_t min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(checked::add(max - 1, 1), max);
    EXPECT_THROW(checked::add(max, 1), EIntOverflow);
    EXPECT_THROW(checked::sub(min, 1), EIntOverflow);
    EXPECT_THROW(checked::mul(65536, 65536), EIntOverflow);
    EXPECT_THROW(checked::div(min, -1), EIntOverflow);
    EXPECT_EQ(checked::div(-7, 2), -3);
    try {
        checked::add(max, 1);
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), "Integer overflow");
    }
}

TEST(CheckedMath, NarrowingOutOfRangeRaisesRangeCheckError)
{
    EXPECT_EQ(checked::narrow<uint8_t>(255), 255);
    EXPECT_THROW(checked::narrow<uint8_t>(256), ERangeError);
    EXPECT_THROW(checked::narrow<uint16_t>(-1), ERangeError);
    EXPECT_EQ(ERangeError().message(), "Range check error");
}
