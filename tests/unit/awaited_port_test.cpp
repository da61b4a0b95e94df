// The wait for a stored port that is not listed yet: it looks when the MIDI services tell that a device
// appeared (and only then, while they can tell), opens the port once it is listed, and says it is
// missing once, and only after the quiet time.
#include "app/awaited_port.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

namespace {

constexpr TAwaitedPort::Timing kFast{5, 300};

struct AwaitedPortTest : WithQtApplication, ::testing::Test {
    FakeMidiDriver driver;
    ScopedMidiServices services{driver};
    bool listed = false;
    int looks = 0;
    int opens = 0;
    int told = 0;
    bool openIfListed()
    {
        ++looks;
        opens += listed ? 1 : 0;
        return listed;
    }
    void settle(int ms) { processEventsUntil([] { return false; }, ms); }
    TAwaitedPort wait{[this] { return openIfListed(); }, [this] { ++told; }, nullptr, kFast};
};

// Looking is a scan of every back end; while the services tell of new devices, none is made untold.
TEST_F(AwaitedPortTest, PortIsLookedForOnlyWhenADeviceAppearsAndOpensOnceWithNothingSaid)
{
    wait.Start();
    settle(30);
    EXPECT_EQ(looks, 1) << "one look at the start, none by the clock";
    listed = true;
    settle(30);
    EXPECT_EQ(opens, 0);
    driver.addDevice("Late Synth");
    ASSERT_TRUE(processEventsUntil([&] { return !wait.Waiting(); }));
    settle(100);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(told, 0);
}

TEST_F(AwaitedPortTest, PortIsLookedForByTheClockWhileTheServicesCannotTell)
{
    driver.setTellsDeviceChanges(false);
    wait.Start();
    settle(30);
    EXPECT_GT(looks, 2);
    listed = true;
    ASSERT_TRUE(processEventsUntil([&] { return !wait.Waiting(); }));
    EXPECT_EQ(opens, 1);
}

// The word is a box with an event loop of its own; the port that appears meanwhile opens at once.
TEST_F(AwaitedPortTest, PortStillMissingAfterTheQuietTimeIsToldOnceAndOpensWhileTheWordShows)
{
    bool openedWhileTelling = false;
    TAwaitedPort telling{[this] { return openIfListed(); },
                         [&] {
                             ++told;
                             settle(100);
                             listed = true;
                             driver.addDevice("Late Synth");
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
