// SIGTERM, SIGINT and SIGHUP close the real window by the Exit button's path (the held note ended,
// the settings saved, the port closed) with no box on the way out, closing any box or dialog open;
// further signals end the process only once the close has had 2 s.
#include "app/exit_signals.h"
#include "app/picture_dialog.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using SignalExit = MainWindowTest;

const QPoint P1(100, 100);

TEST_F(SignalExit, EachSignalEvenWithAnotherRightAfterEndsTheHeldNoteSavesAndClosesThePort)
{
    driver.addDevice("Synth");
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        openWindowPlayingOn("Synth");
        press(Qt::LeftButton, P1);
        const Msg noteOffAtExit = noteOffAt(P1);
        driver.clearRecords();
        ASSERT_EQ(raise(number), 0);
        ASSERT_EQ(raise(SIGHUP), 0);
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

// A real box (not the recording presenter), with a signal raised as soon as its modal loop runs.
struct SignalDuringRealBox final : MessagePresenter {
    void showError(const QString& title, const QString& text) override
    {
        QTimer::singleShot(0, [] { raise(SIGTERM); });
        QtMessagePresenter().showError(title, text);
        ++shown;
    }
    void showNotice(const QString& title, const QString& text) override { showError(title, text); }
    int shown = 0;
};

// The picture dialog as a real modal dialog with a real box opened on top of it.
struct DialogWithBoxOnTop final : PictureDialog {
    std::optional<QString> Execute(const QString&, const QString&) override
    {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [this] { presenter.showError("title", "on top of the dialog"); });
        dialog.exec();
        return std::nullopt;
    }
    SignalDuringRealBox presenter;
};

// Closes whatever modal window is still open after a few seconds, so that a fault fails the test
// instead of hanging it.
struct ModalSafetyNet {
    ModalSafetyNet()
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            stuck = true;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->isModal() && widget->isVisible()) widget->close();
        });
        timer.start(5000);
    }
    QTimer timer;
    bool stuck = false;
};

TEST_F(SignalExit, SignalClosesABoxOnTopOfThePictureDialogThenTheDialogAndTheWindow)
{
    DialogWithBoxOnTop dialog;
    openWindow();
    form->SetPictureDialog(&dialog);
    const ModalSafetyNet safety;
    form->BitBtnBrowseImageFileClick();
    EXPECT_EQ(dialog.presenter.shown, 1);
    EXPECT_FALSE(safety.stuck);
    EXPECT_TRUE(processEventsUntil([&] { return !form->isVisible(); }));
    form->SetPictureDialog(nullptr);
    form.reset();
    EXPECT_TRUE(std::ifstream(SettingsFileName()).good());
}

TEST_F(SignalExit, SignalDuringAStartUpBoxClosesItAndTheWindowNeverShows)
{
    writeFileBytes(SettingsFileName(), "[Settings]\nLeft=2147483647\n");
    SignalDuringRealBox presenter;
    InstallMessagePresenter(&presenter);
    const ModalSafetyNet safety;
    form = std::make_unique<TFormMain>();
    InstallMessagePresenter(&testMessagePresenter());
    EXPECT_EQ(presenter.shown, 1);
    EXPECT_FALSE(safety.stuck);
    EXPECT_EQ(runUntilClosed(*form), 0);
    EXPECT_FALSE(form->isVisible());
    form.reset();
    EXPECT_NE(readFileBytes(SettingsFileName()).find("MidiOutChannel="), std::string::npos);
}

TEST(ExitSignalsDeathTest, FurtherSignalsAreIgnoredForTwoSecondsThenOneEndsTheProcess)
{
    ensureQtApplication();
    EXPECT_EXIT(
        {
            ExitSignals handlers([] {}, nullptr);
            for (int i = 0; i < 100; ++i) raise(i == 0 ? SIGTERM : SIGHUP);
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
            raise(SIGINT);
        },
        ::testing::ExitedWithCode(128 + SIGINT), "");
}

} // namespace
