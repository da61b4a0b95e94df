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
    bool openIfListed()
    {
        opens += listed ? 1 : 0;
        return listed;
    }
    TAwaitedPort wait{[this] { return openIfListed(); }, [this] { ++told; }, nullptr, kFast};
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

// The word is a box with an event loop of its own; the port that appears meanwhile opens at once.
TEST_F(AwaitedPortTest, PortStillMissingAfterTheQuietTimeIsToldOnceAndOpensWhileTheWordShows)
{
    bool openedWhileTelling = false;
    TAwaitedPort telling{[this] { return openIfListed(); },
                         [&] {
                             ++told;
                             processEventsUntil([] { return false; }, 100);
                             listed = true;
                             openedWhileTelling = processEventsUntil([&] { return opens > 0; });
                         },
                         nullptr, kFast};
    telling.Start();
    ASSERT_TRUE(processEventsUntil([&] { return told > 0; }));
    EXPECT_EQ(told, 1) << "looked again while the word showed, and said nothing more";
    EXPECT_TRUE(openedWhileTelling);
    EXPECT_EQ(opens, 1);
    EXPECT_FALSE(telling.Waiting());
}

} // namespace
