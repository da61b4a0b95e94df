// The computer keyboard on the Pad page: notes by key place, chords, auto-repeat, the octave keys and
// the notes that end when a held key can no longer be released.
#include "tests/gui/main_window_fixture.h"

#include "tests/support/window_play.h"

#include <QApplication>

#include <algorithm>
#include <functional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

// XKB key codes of some keys, by their place on a US keyboard.
constexpr uint32_t kZ = 52, kD = 40, kV = 55, kQ = 24, kP = 33, kA = 38, kComma = 59;

class ComputerKeyboard : public MainWindowTest {
protected:
    void press(uint32_t code, bool repeat = false) { key(QEvent::KeyPress, code, repeat); }
    void release(uint32_t code, bool repeat = false) { key(QEvent::KeyRelease, code, repeat); }
};

} // namespace

TEST_F(ComputerKeyboard, ChordSoundsUntilEachKeyIsReleasedAndRepeatsPlayNothing)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(kZ);
    press(kD);
    press(kV);
    press(kZ, true);  // the window system's auto-repeat
    release(kZ, true);
    press(kA);        // not a note key
    EXPECT_THAT(sent(), ElementsAre(noteOn(60, 100), noteOn(63, 100), noteOn(65, 100)));
    driver.clearRecords();
    release(kD);
    release(kZ);
    release(kV);
    EXPECT_THAT(sent(), ElementsAre(noteOff(63, 100), noteOff(60, 100), noteOff(65, 100)));
}

TEST_F(ComputerKeyboard, PageUpShiftsTheRowsAndHeldNotesEndAtTheirOwnPitch)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(kQ);
    key(QEvent::KeyPress, 112, false, Qt::Key_PageUp);
    press(kP);
    release(kQ);
    release(kP);
    for (int i = 0; i < 9; ++i) key(QEvent::KeyPress, 112, false, Qt::Key_PageUp);
    press(kZ);
    press(kP);  // above 127 at the highest shift
    EXPECT_THAT(sent(), ElementsAre(noteOn(72, 100), noteOn(100, 100), noteOff(72, 100), noteOff(100, 100),
                                    noteOn(120, 100)));
}

TEST_F(ComputerKeyboard, VelocityIsHeldWithinThePlayingRange)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    TPlayingSettings playing = form->Performer().Playing();
    playing.velocityTop = 90;
    playing.velocityBottom = 20;
    form->SetPlaying(playing);
    press(kZ);
    EXPECT_THAT(sent(), ElementsAre(noteOn(60, 90)));
}

// The comma and Q both play 72, and the pad shares the channel: a note that several sources hold is
// struck once and ends only when the last of them lets go.
TEST_F(ComputerKeyboard, NoteHeldBySeveralSourcesEndsWithTheLastOfThem)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(kComma);
    press(kQ);
    release(kComma);
    EXPECT_THAT(sent(), ElementsAre(noteOn(72, 100)));
    release(kQ);
    EXPECT_THAT(sent(), ElementsAre(noteOn(72, 100), noteOff(72, 100)));
    TPlayingSettings onlyC4 = form->Performer().Playing();
    onlyC4.noteLow = onlyC4.noteHigh = 60;
    form->SetPlaying(onlyC4);
    driver.clearRecords();
    press(kZ);
    MainWindowTest::press(Qt::LeftButton, {10, 10});
    MainWindowTest::release(Qt::LeftButton, {10, 10});
    EXPECT_THAT(sent(), ElementsAre(noteOn(60, 100)));
    MainWindowTest::press(Qt::LeftButton, {10, 10});
    release(kZ);
    MainWindowTest::release(Qt::LeftButton, {10, 10});
    EXPECT_EQ(sent().size(), 2u);
    EXPECT_EQ(sent().back().status, 128);
    EXPECT_EQ(sent().back().data1, 60);
}

// Every way a release can go missing ends the held notes: here a page change, deactivation, a channel
// change and Escape; on the Settings page the keys type into the controls instead.
TEST_F(ComputerKeyboard, HeldNotesEndWhereTheirReleaseCanBeLost)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    const std::vector<std::function<void()>> losses = {
        [&] { form->PageControl->setCurrentWidget(form->TabSheetSettings); },
        [&] {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(form.get(), &deactivate);
        },
        [&] { form->SetMidiOutChannel(2); },
        [&] { typeKey(Qt::Key_Escape, Qt::NoModifier); },
    };
    for (std::size_t i = 0; i < losses.size(); ++i) {
        form->PageControl->setCurrentWidget(form->TabSheetPad);
        const int channel = form->GetMidiOutChannel() - 1;
        press(kZ);
        press(kQ);
        driver.clearRecords();
        losses[i]();
        const std::vector<Msg> all = sent();
        EXPECT_THAT(std::vector<Msg>(all.begin(), all.begin() + std::min<std::size_t>(2, all.size())),
                    UnorderedElementsAre(noteOff(60, 100, channel), noteOff(72, 100, channel)))
            << i;
        driver.clearRecords();
        release(kZ);
        release(kQ);
        EXPECT_THAT(sent(), IsEmpty()) << i;
    }
    form->PageControl->setCurrentWidget(form->TabSheetSettings);
    press(kZ);
    EXPECT_THAT(sent(), IsEmpty());
}
