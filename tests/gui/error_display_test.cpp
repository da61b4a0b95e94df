// Errors that end a handler of the real window: shown in a box titled with the application title, with
// the full-stop rule, after a left drag in progress has been ended by a release at (-1, -1); and the
// window goes on with the next event.
#include "tests/gui/main_window_fixture.h"

#include "app/desktop_identity.h"
#include "app/error_display.h"
#include "app/program_paths.h"

#include <QCoreApplication>

#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using ::testing::ElementsAre;

using ErrorDisplay = MainWindowTest;

const QPoint P1(100, 100), P2(200, 300);

TEST(ErrorBoxText, FullStopFollowsOnlyALetterDigitOrOtherCharacterAboveTheFullStop)
{
    EXPECT_EQ(TErrorDisplay::BoxText("Integer overflow"), "Integer overflow.");
    EXPECT_EQ(TErrorDisplay::BoxText("Error 5"), "Error 5.");
    EXPECT_EQ(TErrorDisplay::BoxText("Device went away."), "Device went away.");
    EXPECT_EQ(TErrorDisplay::BoxText("Unknown picture file extension (.txt)"), "Unknown picture file extension (.txt)");
    EXPECT_EQ(TErrorDisplay::BoxText("Stop!"), "Stop!");
    EXPECT_EQ(TErrorDisplay::BoxText("Trailing blank "), "Trailing blank ");
    EXPECT_EQ(TErrorDisplay::BoxText("a/"), "a/.");
    EXPECT_EQ(TErrorDisplay::BoxText("a-"), "a-");
    EXPECT_EQ(TErrorDisplay::BoxText(""), "");
    EXPECT_EQ(TErrorDisplay::BoxText("ゼロで除算しました。"), "ゼロで除算しました。");
}

TEST_F(ErrorDisplay, OverflowingWheelIsShownAndTheWindowGoesOn)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    wheel(std::numeric_limits<int>::max());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].kind, TestMessagePresenter::Kind::Error);
    EXPECT_EQ(boxes()[0].title, "=== Pixono ===");
    EXPECT_EQ(boxes()[0].text, "Integer overflow.");
    press(Qt::LeftButton, P1);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1)));
}

TEST_F(ErrorDisplay, BoxesKeepTheApplicationTitleWhileTheProgramIsNamedPixono)
{
    applyDesktopIdentity();
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    EXPECT_EQ(QCoreApplication::applicationName(), "Pixono");
    wheel(std::numeric_limits<int>::max());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "=== Pixono ===");
}

TEST_F(ErrorDisplay, RefusedSendDuringADragEndsTheDragBeforeTheBox)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);
    move(P2);  // its note off is refused
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, QString::fromStdString(FakeMidiDriver::errorText(MMSYSERR_ERROR)) + ".");
    // The cancelling release ended the note that the refused note off left sounding.
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1), noteOffAt(P1)));
    EXPECT_EQ(form->Performer().Pad().state().x, -1);
    EXPECT_EQ(form->Performer().Pad().state().y, -1);
    EXPECT_FALSE(form->Performer().Pad().state().leftHeld);

    // The button the user still holds plays no more; its release sends nothing.
    move(P1);
    release(Qt::LeftButton, P1);
    EXPECT_EQ(sent().size(), 2u);
}

TEST_F(ErrorDisplay, ErrorOfTheCancellingReleaseIsShownFirst)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_INVALHANDLE, std::nullopt, 1);
    move(P2);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].text.toStdString(), FakeMidiDriver::errorText(MMSYSERR_INVALHANDLE) + ".");
    EXPECT_EQ(boxes()[1].text.toStdString(), FakeMidiDriver::errorText(MMSYSERR_ERROR) + ".");
    EXPECT_FALSE(form->Performer().Pad().state().leftHeld);
}

TEST_F(ErrorDisplay, ErrorWithoutADragCancelsNothing)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    release(Qt::LeftButton, P1);
    driver.clearRecords();
    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE, std::nullopt, 1);
    wheel(120);
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_THAT(driver.messages(), ::testing::IsEmpty());
    EXPECT_EQ(form->Performer().Pad().state().x, P1.x());
}

// The settings file's name is taken by a folder, so the save at exit fails.
TEST_F(ErrorDisplay, FailedSaveAtExitIsShownAndStillEndsTheNoteAndClosesThePort)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    const Msg noteOffAtExit = noteOffAt(P1);
    ASSERT_EQ(mkdir(SettingsFileName().c_str(), 0700), 0);
    driver.clearRecords();
    form.reset();  // closed with the left button still down
    rmdir(SettingsFileName().c_str());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text.toStdString(), "Unable to write to " + SettingsFileName() + ".");
    EXPECT_THAT(sent(), ElementsAre(noteOffAtExit));
    EXPECT_EQ(driver.openDeviceCount(), 0u);
    openWindow();  // where the test's held button is let go
}

} // namespace
