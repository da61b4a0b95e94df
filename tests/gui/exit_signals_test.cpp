// SIGTERM, SIGINT and SIGHUP close the real window by the Exit button's path (the held note ended,
// the settings saved, the port closed) with no box on the way out; a second signal ends the process.
#include "app/exit_signals.h"
#include "tests/gui/main_window_fixture.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using SignalExit = MainWindowTest;

const QPoint P1(100, 100);

TEST_F(SignalExit, EachSignalEndsTheHeldNoteSavesAndClosesThePort)
{
    driver.addDevice("Synth");
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        openWindowPlayingOn("Synth");
        press(Qt::LeftButton, P1);
        const Msg noteOffAtExit = noteOffAt(P1);
        driver.clearRecords();
        ASSERT_EQ(raise(number), 0);
        EXPECT_TRUE(processEventsUntil([&] { return !form->isVisible(); })) << number;
        form.reset();
        EXPECT_THAT(sent(), ElementsAre(noteOffAtExit)) << number;
        EXPECT_EQ(driver.openDeviceCount(), 0u) << number;
        EXPECT_TRUE(std::ifstream(SettingsFileName()).good()) << number;
        EXPECT_THAT(boxes(), IsEmpty()) << number;
        openWindow();  // where the test's held button is let go
        releaseHeldButtons();
        form.reset();
        std::remove(SettingsFileName().c_str());
    }
}

// The settings file's name is taken by a folder, so the save fails: one line on standard error.
TEST_F(SignalExit, ErrorOnTheWayOutIsOneLineOnStandardError)
{
    openWindow();
    ASSERT_EQ(mkdir(SettingsFileName().c_str(), 0700), 0);
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(raise(SIGTERM), 0);
    EXPECT_TRUE(processEventsUntil([&] { return !form->isVisible(); }));
    form.reset();
    const std::string written = ::testing::internal::GetCapturedStderr();
    rmdir(SettingsFileName().c_str());
    EXPECT_EQ(written, "Unable to write to " + SettingsFileName() + ".\n");
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST(ExitSignalsDeathTest, SecondSignalEndsTheProcessAtOnce)
{
    ensureQtApplication();
    EXPECT_EXIT(
        {
            ExitSignals handlers([] {}, nullptr);
            raise(SIGTERM);
            raise(SIGTERM);
        },
        ::testing::ExitedWithCode(128 + SIGTERM), "");
}

} // namespace
