// The pad played through the real window: gestures routed by Qt from the window to the Pad page and
// on to the pad controller, the wheel anywhere over the window, and the caption as the window title.
#include "tests/gui/main_window_fixture.h"

#include "app/awake_while_playing.h"
#include "app/spin_edit.h"
#include "pad/builtin_picture.h"
#include "pad/image_pad.h"
#include "pad/pad_image.h"
#include "tests/support/picture_files.h"
#include "tests/support/window_play.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using PadGestures = MainWindowTest;

const QPoint P1(100, 100), P2(200, 300), P3(300, 50);

TEST_F(PadGestures, PressAndReleaseAtOneSpotPlaysAndEndsTheNote)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    release(Qt::LeftButton, P1);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1), noteOffAt(P1)));
}

TEST_F(PadGestures, DragReleaseAndPressElsewhereEndEveryNote)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    move(P2);
    release(Qt::LeftButton, P2);
    press(Qt::LeftButton, P3);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1), noteOffAt(P1), noteOnAt(P2), noteOffAt(P2), noteOnAt(P3)));
}

// While a gesture plays, the event loop looks for the next event without sleeping; a hover does not
// keep it awake, and it sleeps again once the input pauses.
TEST_F(PadGestures, EventLoopStaysAwakeWhileAGesturePlaysAndSleepsOnceTheInputPauses)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    const auto* awake = form->TabSheetPad->findChild<TAwakeWhilePlaying*>();
    ASSERT_NE(awake, nullptr);
    move(P1);
    EXPECT_FALSE(awake->Awake());
    press(Qt::LeftButton, P1);
    EXPECT_TRUE(awake->Awake());
    move(P2);
    release(Qt::LeftButton, P2);
    EXPECT_TRUE(awake->Awake());
    EXPECT_TRUE(processEventsUntil([&] { return !awake->Awake(); }));
}

// The page keeps the pointer from a left press to the left release: beyond the pad the notes go on,
// up to the clamped extremes, and the release out there still ends the note.
TEST_F(PadGestures, LeftDragBeyondThePadKeepsPlayingUntilTheRelease)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    const QPoint beyond(form->TabSheetPad->ImagePad->width() + 200, -300);
    press(Qt::LeftButton, P1);
    move(beyond);
    release(Qt::LeftButton, beyond);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1), noteOffAt(P1), noteOn(127, 127), noteOff(127, 127)));
    EXPECT_EQ(form->Performer().Pad().state().x, beyond.x());
}

// Only the left button holds the pointer for the pad: moves beyond the page with the right button
// alone are not the pad's, but the right release is seen wherever it happens, so no controller
// follows the pointer once the button is up.
TEST_F(PadGestures, RightButtonSweepsTheColoursWhileHeldOverThePad)
{
    driver.addDevice("Synth");
    PictureFolder pictures;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 0));
    openWindowPlayingOn("Synth");
    form->TabSheetPad->PadImage->SetImageFile(pictures.write("two.bmp", bmpBytes(picture)));
    const QPoint red(10, 10), yellow(form->TabSheetPad->ImagePad->width() / 2, 10), overTheTabs(10, -40);

    press(Qt::RightButton, red);
    waitForTitleEnding("(R255,G0,B0)");
    EXPECT_THAT(form->windowTitle().toStdString(), ::testing::EndsWith("(R255,G0,B0)"));
    move(yellow);
    move(overTheTabs);
    release(Qt::RightButton, overTheTabs);
    move(red);
    EXPECT_THAT(sent(), ElementsAre(control(2, 127), control(3, 127)));
    EXPECT_FALSE(form->Performer().Pad().state().rightHeld);
}

TEST_F(PadGestures, RightPressOnTheBuiltInPictureSendsItsHalvedComponents)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    const QImage builtin = BuiltinPicture();
    // The top-left corner is a fractal band: red to orange, blue at its lowest level.
    const QRgb corner = builtin.pixel(0, 0);
    press(Qt::RightButton, QPoint(0, 0));
    EXPECT_THAT(sent(), ElementsAre(control(2, qRed(corner) / 2), control(3, qGreen(corner) / 2), control(4, 30)));
    EXPECT_EQ(qBlue(corner), 60);
    // The black interior: every component changes back to 0.
    driver.clearRecords();
    move(QPoint(form->TabSheetPad->ImagePad->width() / 2, form->TabSheetPad->ImagePad->height() / 2));
    EXPECT_THAT(sent(), ElementsAre(control(2, 0), control(3, 0), control(4, 0)));
}

TEST_F(PadGestures, WheelAnywhereOverTheWindowDrivesTheModulationWheel)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    for (int notch = 0; notch < 10; ++notch) wheel(120);
    std::vector<Msg> expected;
    for (int value = 65; value <= 74; ++value) expected.push_back(control(1, value));
    EXPECT_EQ(sent(), expected);
    waitForTitleEnding("=== Pixono ===  (W74) (X0,Y127) (R0,G0,B0)");
    EXPECT_EQ(form->windowTitle(), "=== Pixono ===  (W74) (X0,Y127) (R0,G0,B0)");

    form->PageControl->setCurrentWidget(form->TabSheetSettings);
    driver.clearRecords();
    wheel(-120, form->TabSheetSettings->ComboBoxMidiOutPort);
    EXPECT_THAT(sent(), ElementsAre(control(1, 73)));
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->currentText(), "Synth");
}

TEST_F(PadGestures, ChannelChosenOnTheSettingsPageIsInEveryStatus)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    form->TabSheetSettings->SpinEditMidiOutChannel->editor()->setText("16");
    press(Qt::LeftButton, P1);
    release(Qt::LeftButton, P1);
    wheel(120);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1, 15), noteOffAt(P1, 15), control(1, 65, 15)));
    EXPECT_EQ(sent().front().status, 159);
}

TEST_F(PadGestures, WithThePortClosedTheCaptionFollowsButNothingIsSent)
{
    driver.addDevice("Synth");
    driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED);
    openWindow();  // the first entry will not open
    waitForTitleEnding("=== Pixono ===  (W64) (X0,Y127) (R0,G0,B0)");
    EXPECT_EQ(form->windowTitle(), "=== Pixono ===  (W64) (X0,Y127) (R0,G0,B0)");
    press(Qt::LeftButton, QPoint(form->TabSheetPad->ImagePad->width() / 2, 0));
    move(QPoint(form->TabSheetPad->ImagePad->width(), form->TabSheetPad->ImagePad->height()));
    wheel(120);
    waitForTitleEnding("=== Pixono ===  (W65) (X127,Y0) (R0,G0,B0)");
    EXPECT_EQ(form->windowTitle(), "=== Pixono ===  (W65) (X127,Y0) (R0,G0,B0)");
    EXPECT_EQ(form->MidiOutput->DeviceHandle(), nullptr);
    EXPECT_THAT(sent(), IsEmpty());
}

TEST_F(PadGestures, WithNoDeviceAtAllThePadPlaysSilently)
{
    openWindow();
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->count(), 0);
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->currentText(), "");
    press(Qt::LeftButton, P1);
    move(P2);
    release(Qt::LeftButton, P2);
    wheel(120);
    EXPECT_THAT(driver.messages(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}

// Escape from any page ends the sounding note as a release would, then sends All Sound Off and All
// Notes Off on every channel; a drag that goes on plays again from its next move.
TEST_F(PadGestures, EscapeOnEveryPageAndThePanicButtonSilenceEveryChannel)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    std::vector<Msg> silence;
    for (int channel = 0; channel < 16; ++channel) {
        silence.push_back(control(120, 0, channel));
        silence.push_back(control(123, 0, channel));
    }
    std::vector<Msg> expected = {noteOnAt(P1), noteOffAt(P1)};
    expected.insert(expected.end(), silence.begin(), silence.end());
    press(Qt::LeftButton, P1);
    typeKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(sent(), expected);
    driver.clearRecords();
    move(P2);
    release(Qt::LeftButton, P2);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(P2), noteOffAt(P2)));

    for (QWidget* page : std::initializer_list<QWidget*>{form->TabSheetSettings, form->TabSheetAbout}) {
        driver.clearRecords();
        form->PageControl->setCurrentWidget(page);
        typeKey(Qt::Key_Escape, Qt::NoModifier);
        EXPECT_EQ(sent(), silence) << page->objectName().toStdString();
    }
    driver.clearRecords();
    form->TabSheetSettings->PanelPlaying->BitBtnPanic->click();  // the Playing panel's button does the same
    EXPECT_EQ(sent(), silence);

    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE, std::nullopt, 1);
    typeKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(boxes().size(), 1u);

    form->MidiOutput->Close();
    driver.clearRecords();
    typeKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_THAT(driver.messages(), IsEmpty());
}

// Whatever takes the left release away from the pad ends the drag at once, like the error display's
// cancel, on the channel the note was started on; the late release then sends nothing.
TEST_F(PadGestures, DragEndsAsSoonAsThePadCanNoLongerSeeTheRelease)
{
    driver.addDevice("Synth");
    QWidget other;
    const std::pair<const char*, std::function<void(TFormMain&)>> interruptions[] = {
        {"another page", [](TFormMain& f) { f.PageControl->setCurrentWidget(f.TabSheetSettings); }},
        {"channel typed", [](TFormMain& f) { f.TabSheetSettings->SpinEditMidiOutChannel->editor()->setText("5"); }},
        {"another window activated", [&other](TFormMain& f) {
             other.show();
             other.activateWindow();
             EXPECT_TRUE(processEventsUntil([&] { return !f.isActiveWindow(); }));
             other.hide();
         }},
        {"window minimised", [](TFormMain& f) { f.showMinimized(); }},
    };
    for (const auto& [what, interrupt] : interruptions) {
        openWindowPlayingOn("Synth");
        press(Qt::LeftButton, P1);
        interrupt(*form);
        EXPECT_THAT(sent(), ElementsAre(noteOnAt(P1), noteOffAt(P1))) << what;
        EXPECT_EQ(form->Performer().Pad().state().x, -1) << what;
        driver.clearRecords();
        move(P2);
        release(Qt::LeftButton, P2);
        EXPECT_THAT(sent(), IsEmpty()) << what;
        form.reset();
        std::remove(SettingsFileName().c_str());   // the next window starts on channel 1 again
    }
}

// The zone centres from left to right along the top row: the scale's notes rising, at velocity 127.
TEST_F(PadGestures, TwoOctavesOfCMajorChosenOnThePlayingPanelPlayAcrossThePad)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow, 60);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteHigh, 84);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxScale, 1);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxScale->currentText(), "Major");
    const int width = form->TabSheetPad->ImagePad->width();
    press(Qt::LeftButton, QPoint(width / 30, 0));
    for (int zone = 1; zone < 15; ++zone) {
        move(QPoint((2 * zone + 1) * width / 30 - 2, 0));
        move(QPoint((2 * zone + 1) * width / 30 + 2, 0));  // within the zone: nothing more
    }
    release(Qt::LeftButton, QPoint(width, 0));
    std::vector<int> notesOn;
    for (const Msg& m : sent()) {
        if (m.status == 144) notesOn.push_back(m.data1);
        EXPECT_EQ(m.data2, 127);
    }
    EXPECT_THAT(notesOn, ElementsAre(60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84));
    EXPECT_EQ(sent().size(), 30u);
    EXPECT_EQ(sent().back(), noteOff(84, 127));
}

// A slow drag from C4's centre to the pad's right end with a bend range of 12: one note on, bends rising to the whole
// range at C5, the handover to C5 just past it, rising again, and the release centring the bend.
TEST_F(PadGestures, GlideUpTwoOctavesOfCMajorBendsAndHandsOverOnce)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow, 60);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteHigh, 84);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxScale, 1);
    form->TabSheetSettings->PanelPlaying->SpinEditBendRange->editor()->setText("12");
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxPitchMode, 1);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxPitchMode->currentText(), "Glide");
    const int width = form->TabSheetPad->ImagePad->width();
    press(Qt::LeftButton, QPoint(width / 30, 0));
    for (int x = width / 30 + 1; x < width; ++x) move(QPoint(x, 0));
    release(Qt::LeftButton, QPoint(width - 1, 0));

    const std::vector<Msg> messages = sent();
    ASSERT_GT(messages.size(), 12u);
    EXPECT_EQ(std::vector<Msg>(messages.begin(), messages.begin() + 6), bendRangeRpn(12));
    EXPECT_EQ(messages[7], noteOn(60, 127));
    const auto handover = std::find(messages.begin(), messages.end(), noteOff(60, 127));
    ASSERT_NE(handover, messages.end());
    EXPECT_EQ(handover[2], noteOn(72, 127));
    EXPECT_EQ(messages.end()[-2], noteOff(72, 127));
    EXPECT_EQ(messages.end()[-1], bend(8192));
    // Between the note ons and the release, nothing but bends, each above the one before.
    const auto rising = [](auto first, auto last) {
        int before = -1;
        for (auto m = first; m != last; ++m) {
            ASSERT_EQ(m->status, 224) << *m;
            EXPECT_GT(m->data1 | m->data2 << 7, before) << *m;
            before = m->data1 | m->data2 << 7;
        }
    };
    rising(messages.begin() + 6, messages.begin() + 7);
    rising(messages.begin() + 8, handover);
    rising(handover + 3, messages.end() - 2);
    EXPECT_GT(handover - messages.begin(), 20);
    EXPECT_EQ(messages.end()[-3], bend(16383));
}

TEST_F(PadGestures, ChangingThePlayingChoicesWhileANoteSoundsEndsItFirst)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    const Msg on = noteOnAt(P1), off = noteOffAt(P1);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow, 60);
    EXPECT_THAT(sent(), ElementsAre(on, off));
    form->TabSheetSettings->PanelPlaying->SpinEditVelocityTop->editor()->setText("300");  // taken as 127: nothing changes
    move(P2);
    EXPECT_EQ(sent().back(), noteOnAt(P2));
    EXPECT_GE(sent().back().data1, 60);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->SpinEditVelocityTop->editor()->text(), "300");
}

TEST_F(PadGestures, PlayingChoiceWhoseNoteOffFailsIsShownAsItWas)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    press(Qt::LeftButton, P1);
    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE, std::nullopt, 1);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow, 60);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(form->Performer().Playing().noteLow, 0);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow->currentIndex(), 0);
}

} // namespace
