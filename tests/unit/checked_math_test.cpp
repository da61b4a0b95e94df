#include "platform/checked_math.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using testing::StrEq;
using testing::ThrowsMessage;

TEST(CheckedMath, OverflowRaisesIntegerOverflow)
{
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    constexpr int32_t min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(checked::add(max - 1, 1), max);
    EXPECT_EQ(checked::div(-7, 2), -3);
    const auto overflows = ThrowsMessage<EIntOverflow>(StrEq("Integer overflow"));
    EXPECT_THAT([] { checked::add(max, 1); }, overflows);
    EXPECT_THAT([] { checked::sub(min, 1); }, overflows);
    EXPECT_THAT([] { checked::mul(65536, 65536); }, overflows);
    EXPECT_THAT([] { checked::div(min, -1); }, overflows);
}

TEST(CheckedMath, NarrowingOutOfRangeRaisesRangeCheckError)
{
    EXPECT_EQ(checked::narrow<uint8_t>(255), 255);
    const auto outOfRange = ThrowsMessage<ERangeError>(StrEq("Range check error"));
    EXPECT_THAT([] { checked::narrow<uint8_t>(256); }, outOfRange);
    EXPECT_THAT([] { checked::narrow<uint16_t>(-1); }, outOfRange);
}
