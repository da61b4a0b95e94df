// The wait for a stored port that is not listed yet: it opens the port once it is listed, and says it
// is missing once, and only after the quiet time.
#include "app/awaited_port.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

namespace {

constexpr TAwaitedPort::Timing kFast{5, 60};

struct AwaitedPortTest : WithQtApplication, ::testing::Test {
    bool listed = false;
    int opens = 0;
    int told = 0;
    TAwaitedPort wait{[this] {
                          opens += listed ? 1 : 0;
                          return listed;
                      },
                      [this] { ++told; }, nullptr, kFast};
};

TEST_F(AwaitedPortTest, PortListedWithinTheQuietTimeOpensOnceAndNothingIsSaid)
{
    wait.Start();
    listed = true;
    ASSERT_TRUE(processEventsUntil([&] { return !wait.Waiting(); }));
    processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(told, 0);
}

TEST_F(AwaitedPortTest, PortStillMissingAfterTheQuietTimeIsToldOnceAndStillOpensWhenListed)
{
    wait.Start();
    ASSERT_TRUE(processEventsUntil([&] { return told > 0; }));
    processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(wait.Waiting());
    listed = true;
    ASSERT_TRUE(processEventsUntil([&] { return !wait.Waiting(); }));
    EXPECT_EQ(opens, 1);
}

} // namespace
