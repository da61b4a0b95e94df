// The Settings page of the real window: the port list and the port it opens, the channel's spin edit,
// the picture dialog, and the About page's text.
#include "tests/gui/main_window_fixture.h"

#include "app/picture_dialog.h"
#include "app/spin_edit.h"
#include "pad/pad_image.h"
#include "tests/support/picture_files.h"
#include "tests/support/window_play.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include <optional>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

using PortList = MainWindowTest;

std::vector<uint32_t> openedDevices(const FakeMidiDriver& driver)
{
    std::vector<uint32_t> devices;
    for (const MidiCallRecord& call : driver.calls()) {
        if (call.call == MidiCall::Open && call.result == MMSYSERR_NOERROR) devices.push_back(call.deviceId);
    }
    return devices;
}

TEST_F(PortList, ListsTheDevicesAndOpensTheFirstUntilTheUserChooses)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    openWindow();
    QComboBox& list = *form->TabSheetSettings->ComboBoxMidiOutPort;
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(1), "Synth B");
    EXPECT_EQ(list.currentText(), "Synth A");
    EXPECT_THAT(openedDevices(driver), ElementsAre(0u));

    choosePort("Synth B");
    choosePort("Synth A");
    EXPECT_THAT(openedDevices(driver), ElementsAre(0u, 1u, 0u));
    EXPECT_EQ(driver.openDeviceCount(), 1u);
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth A");
}

// The first frame does not wait for the Settings page: a stand-in holds its tab until the page is made,
// after the frame or as soon as its tab is chosen, and takes the stand-in's place.
TEST_F(PortList, SettingsPageIsMadeAfterTheFirstFrameOrOnceItsTabIsChosen)
{
    driver.addDevice("Synth A");
    for (const bool tabChosenFirst : {true, false}) {
        form.reset();  // one window at a time, as in the program
        form = std::make_unique<TFormMain>();
        ASSERT_FALSE(form->TabSheetSettings.Made());
        if (tabChosenFirst) form->PageControl->setCurrentIndex(1);
        else form->show();
        ASSERT_TRUE(processEventsUntil([&] { return form->TabSheetSettings.Made(); }));
        EXPECT_EQ(form->PageControl->count(), 3);
        EXPECT_EQ(form->PageControl->widget(1), form->TabSheetSettings);
        EXPECT_EQ(form->PageControl->tabText(1), "&Settings");
        EXPECT_EQ(form->PageControl->currentIndex(), tabChosenFirst ? 1 : 0);
    }
    // Made before the ports start, the drop-down follows them.
    ASSERT_TRUE(processEventsUntil([&] { return form->StartUp().PortsStarted(); }));
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->currentText(), "Synth A");
}

// With no port stored, the entry shown is the port open; when it will not open, nothing is shown
// and the reason is one line on standard error, with no box.
TEST_F(PortList, FirstStartShowsTheFirstEntryOpenOrNothingWhenItWillNotOpen)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    for (const bool refused : {false, true}) {
        form.reset();
        driver.clearFailures();
        if (refused) driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED, 0u);
        testing::internal::CaptureStderr();
        openWindow();
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->currentText(), refused ? "" : "Synth A");
        EXPECT_EQ(form->MidiOutput->DeviceHandle() != nullptr, !refused);
        const ::testing::Matcher<std::string> oneLine =
            HasSubstr("pixono: MIDI output port 'Synth A' could not be opened: fake driver: device already in use\n");
        EXPECT_THAT(errors, refused ? oneLine : Not(HasSubstr("pixono:")));
        EXPECT_THAT(boxes(), IsEmpty());
    }
    driver.clearFailures();
    choosePort("Synth A");
    EXPECT_EQ(driver.lastCall(MidiCall::Open).result, MMSYSERR_NOERROR);
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth A");
}

std::vector<QString> entries(const QComboBox& list)
{
    std::vector<QString> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.itemText(i));
    return texts;
}

TEST_F(PortList, OpeningTheDropDownListsTheDevicesInstalledNowAndLeavesTheOpenPortAlone)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    openWindowPlayingOn("Synth B");
    QComboBox& list = *form->TabSheetSettings->ComboBoxMidiOutPort;
    driver.addDevice("Synth C");
    list.showPopup();
    EXPECT_THAT(entries(list), ElementsAre("Synth A", "Synth B", "Synth C"));
    EXPECT_EQ(list.currentIndex(), 1);
    list.hidePopup();

    driver.fail(MidiCall::GetDevCaps, MIDIERR_NODEVICE, 1u);   // Synth B goes away
    list.showPopup();
    EXPECT_THAT(entries(list), ElementsAre("Synth A", "Synth C"));
    EXPECT_EQ(list.currentText(), "Synth B");
    list.hidePopup();
    EXPECT_EQ(driver.callCount(MidiCall::Open) + driver.callCount(MidiCall::Close), 0u);

    choosePort("Synth C");
    EXPECT_THAT(openedDevices(driver), ElementsAre(2u));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(PortList, DeviceWhoseDescriptionIsRefusedIsNotListed)
{
    driver.addDevice("Broken");
    driver.addDevice("Synth B");
    driver.fail(MidiCall::GetDevCaps, MMSYSERR_ERROR, 0u);
    openWindow();
    ASSERT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->count(), 1);
    choosePort("Synth B");
    EXPECT_THAT(openedDevices(driver), ElementsAre(1u));
}

TEST_F(PortList, NameWithoutTerminatingZeroIsListedWithAll32Bytes)
{
    driver.addDevice(std::string(32, 'N'));
    openWindow();
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->itemText(0), QString(32, u'N'));
}

TEST_F(PortList, TypedTextIsNeverTakenAsAPortName)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    openWindow();
    form->TabSheetSettings->ComboBoxMidiOutPort->setCurrentIndex(-1);
    QTest::keyClicks(form->TabSheetSettings->ComboBoxMidiOutPort->lineEdit(), "Synth B");
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth A");
    EXPECT_THAT(openedDevices(driver), ElementsAre(0u));
}

TEST_F(PortList, PortChangeEndsTheSoundingNoteOnTheOldPortFirst)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    openWindowPlayingOn("Synth A");
    const HMIDIOUT first = form->MidiOutput->DeviceHandle();
    press(Qt::LeftButton, QPoint(100, 100));
    choosePort("Synth B");
    const std::vector<SentMidiMessage> messages = driver.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].handle, first);
    EXPECT_EQ(sent()[1], noteOffAt(QPoint(100, 100)));
    EXPECT_EQ(driver.lastCall(MidiCall::Close).handle, first);
}

TEST_F(PortList, PortChangeWhoseNoteOffIsRefusedKeepsTheOldPortAndChoosingAgainCompletesIt)
{
    driver.addDevice("Synth A");
    driver.addDevice("Synth B");
    openWindowPlayingOn("Synth A");
    press(Qt::LeftButton, QPoint(100, 100));
    // Refused at the drag's cancel and again at the port change's own note end.
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 2);
    choosePort("Synth B");
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth A") << "port A is still the open one";
    EXPECT_EQ(driver.callCount(MidiCall::Close), 0u);

    choosePort("Synth B");
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth B");
    EXPECT_THAT(openedDevices(driver), ElementsAre(1u));
    EXPECT_EQ(sent().back(), noteOffAt(QPoint(100, 100)));
}

TEST_F(PortList, RefusedOpenIsShownNamingThePortAndChoosingItAgainTriesAgain)
{
    driver.addDevice("Synth A");
    driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED, std::nullopt, 2);  // at the start and when chosen
    openWindow();
    choosePort("Synth A");
    EXPECT_EQ(form->MidiOutput->DeviceHandle(), nullptr);
    EXPECT_EQ(form->Ports().CurrentPortName(), "Synth A");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "MIDI output port 'Synth A' could not be opened: fake driver: device already in use.");

    choosePort("Synth A");
    EXPECT_NE(form->MidiOutput->DeviceHandle(), nullptr);
    EXPECT_EQ(boxes().size(), 1u);
    // Chosen again while open and well, it is left as it is.
    choosePort("Synth A");
    EXPECT_THAT(openedDevices(driver), ElementsAre(0u));
}

TEST_F(PortList, PortThatWentAwayShowsOneBoxPerGestureAndChoosingItAgainReopensIt)
{
    driver.addDevice("Synth A");
    openWindowPlayingOn("Synth A");
    const HMIDIOUT gone = form->MidiOutput->DeviceHandle();
    press(Qt::LeftButton, QPoint(100, 100));
    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE);
    move(QPoint(150, 120));
    release(Qt::LeftButton, QPoint(150, 120));
    press(Qt::LeftButton, QPoint(60, 60));
    release(Qt::LeftButton, QPoint(60, 60));
    EXPECT_EQ(boxes().size(), 2u);

    driver.clearFailures();
    choosePort("Synth A");
    EXPECT_EQ(driver.lastCall(MidiCall::Close).handle, gone);
    ASSERT_NE(form->MidiOutput->DeviceHandle(), nullptr);
    driver.clearRecords();
    press(Qt::LeftButton, QPoint(60, 60));
    release(Qt::LeftButton, QPoint(60, 60));
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(QPoint(60, 60)), noteOffAt(QPoint(60, 60))));
    EXPECT_EQ(boxes().size(), 2u);
}

class ChannelSpinEdit : public MainWindowTest {
protected:
    void SetUp() override
    {
        openWindow();
        form->PageControl->setCurrentWidget(form->TabSheetSettings);
        spin = form->TabSheetSettings->SpinEditMidiOutChannel;
        text = spin->editor();
    }
    void type(const QString& replacement)
    {
        text->selectAll();
        QTest::keyClicks(text, replacement);
    }
    TSpinEdit* spin = nullptr;
    QLineEdit* text = nullptr;
};

TEST_F(ChannelSpinEdit, TypedNumbersOutsideTheRangeTurnIntoTheNearestChannelAtOnce)
{
    type("5");
    ASSERT_EQ(form->GetMidiOutChannel(), 5);
    type("0");
    EXPECT_EQ(form->GetMidiOutChannel(), 1);
    EXPECT_EQ(text->text(), "1");
    type("20");
    EXPECT_EQ(form->GetMidiOutChannel(), 16);
    EXPECT_EQ(text->text(), "16");
    text->selectAll();
    text->insert("$0A");  // pasted: a typed "$" is refused
    EXPECT_EQ(form->GetMidiOutChannel(), 10);
}

TEST_F(ChannelSpinEdit, OutOfRangeTextStaysUntilTheFocusLeaves)
{
    text->setFocus();
    type("0");  // channel 1 already: nothing changes, so nothing rewrites the text yet
    EXPECT_EQ(text->text(), "0");
    EXPECT_EQ(form->GetMidiOutChannel(), 1);
    form->TabSheetSettings->ComboBoxMidiOutPort->setFocus();
    EXPECT_EQ(text->text(), "1");
}

TEST_F(ChannelSpinEdit, UnreadableTextReadsAsChannelOne)
{
    type("7");
    text->clear();
    EXPECT_EQ(form->GetMidiOutChannel(), 1);
    type("7");
    text->selectAll();
    text->insert("-2147483648");  // pasted
    EXPECT_EQ(form->GetMidiOutChannel(), 1);
}

TEST_F(ChannelSpinEdit, ButtonsAndArrowKeysStopAtTheEnds)
{
    type("15");
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_Up);
    EXPECT_EQ(text->text(), "16");
    type("2");
    QTest::keyClick(text, Qt::Key_Down);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_Down);
    EXPECT_EQ(text->text(), "1");
    EXPECT_EQ(form->GetMidiOutChannel(), 1);
}

TEST_F(ChannelSpinEdit, LettersAndEnterAreRefused)
{
    type("3");
    QTest::keyClicks(text, "a");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->text(), "3");
    EXPECT_EQ(form->GetMidiOutChannel(), 3);
}

// A scripted chooser in place of the modal file dialog.
class ScriptedPictureDialog final : public PictureDialog {
public:
    std::optional<QString> Execute(const QString& initialFolder, const QString& startFile) override
    {
        folders.push_back(initialFolder);
        startFiles.push_back(startFile);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<QString> folders;
    std::vector<QString> startFiles;
};

class PictureChoice : public MainWindowTest {
protected:
    void SetUp() override
    {
        openWindow();
        form->SetPictureDialog(&dialog);
    }
    void TearDown() override { form->SetPictureDialog(nullptr); }

    ScriptedPictureDialog dialog;
    PictureFolder pictures;
};

TEST_F(PictureChoice, OnlyBitmapsAreTaken)
{
    dialog.answer = pictures.write("photo.png", bmpBytes(QImage(4, 4, QImage::Format_RGB32)));
    form->TabSheetSettings->BitBtnBrowseImageFile->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].kind, TestMessagePresenter::Kind::Notice);
    EXPECT_EQ(boxes()[0].title, "=== Pixono ===");
    EXPECT_EQ(boxes()[0].text, "Only bitmaps can be used.");
    EXPECT_EQ(form->TabSheetSettings->EditImageFile->text(), "");

    const QString bitmap = pictures.write("PAD.BMP", bmpBytes(indexedImage(8, 8, 4)));
    dialog.answer = bitmap;
    form->TabSheetSettings->BitBtnBrowseImageFile->click();
    EXPECT_EQ(form->TabSheetSettings->EditImageFile->text(), bitmap);
    EXPECT_EQ(form->TabSheetPad->PadImage->Picture().width(), 8);
}

TEST_F(PictureChoice, DialogStartsBesideTheProgramThenInTheFolderOfTheCurrentPicture)
{
    const QString bitmap = pictures.write("pad.bmp", bmpBytes(indexedImage(8, 8, 4)));
    dialog.answer = bitmap;
    form->TabSheetSettings->BitBtnBrowseImageFile->click();
    dialog.answer.reset();  // cancelled
    form->TabSheetSettings->BitBtnBrowseImageFile->click();
    EXPECT_THAT(dialog.folders, ElementsAre(QString::fromStdString(ExePath()), QFileInfo(bitmap).path() + "/"));
    EXPECT_THAT(dialog.startFiles, ElementsAre(QString(), bitmap));
    EXPECT_EQ(form->TabSheetSettings->EditImageFile->text(), bitmap);
}

TEST_F(PictureChoice, BrokenBitmapIsShownAsAnErrorAndChangesNothing)
{
    dialog.answer = pictures.write("broken.bmp", "BM not really");
    form->TabSheetSettings->BitBtnBrowseImageFile->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].kind, TestMessagePresenter::Kind::Error);
    EXPECT_EQ(boxes()[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(form->TabSheetSettings->EditImageFile->text(), "");
}

// Alt+I and Alt+X work from every page, whatever has the focus; Ctrl+I alone does nothing.
TEST_F(PictureChoice, AltShortcutsWorkOnEveryPage)
{
    for (QWidget* page : std::initializer_list<QWidget*>{form->TabSheetPad, form->TabSheetSettings, form->TabSheetAbout}) {
        form->PageControl->setCurrentWidget(page);
        if (page == form->TabSheetSettings) form->TabSheetSettings->SpinEditMidiOutChannel->setFocus();
        typeKey(Qt::Key_I, Qt::AltModifier);
        typeKey(Qt::Key_I, Qt::AltModifier | Qt::ControlModifier);
        typeKey(Qt::Key_I, Qt::ControlModifier);
    }
    EXPECT_EQ(dialog.folders.size(), 6u);

    for (QWidget* page : std::initializer_list<QWidget*>{form->TabSheetPad, form->TabSheetSettings, form->TabSheetAbout}) {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->PageControl->setCurrentWidget(page);
        typeKey(Qt::Key_X, Qt::AltModifier);
        // On the About page Alt+X is the Exit button's own key, which clicks it a moment later.
        EXPECT_TRUE(processEventsUntil([&] { return !form->isVisible(); }, 500)) << page->objectName().toStdString();
    }
}

// The shortcuts are commands: the text field that has the focus types nothing for them.
TEST_F(PictureChoice, AltShortcutsTypeNothingIntoTheFocusedField)
{
    form->PageControl->setCurrentWidget(form->TabSheetSettings);
    form->TabSheetSettings->SpinEditMidiOutChannel->setFocus();
    form->TabSheetSettings->SpinEditMidiOutChannel->SetValue(5);
    typeKey(Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(dialog.folders.size(), 1u);
    EXPECT_EQ(form->TabSheetSettings->SpinEditMidiOutChannel->editor()->text(), "5");
    EXPECT_EQ(form->GetMidiOutChannel(), 5);

    form->TabSheetSettings->ComboBoxMidiOutPort->setFocus();
    typeKey(Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->currentText(), "");

    typeKey(Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(form->GetMidiOutChannel(), 5);
}

using PlayingPanel = MainWindowTest;

// At the window's minimum size the panel lies under Panel1 and shows all its controls, none over
// another; every accelerator letter of the Settings page, the tabs and the window's own Alt+I and
// Alt+X is its own.
TEST_F(PlayingPanel, FitsUnderPanel1WithAcceleratorsOfItsOwn)
{
    openWindow();
    form->PageControl->setCurrentWidget(form->TabSheetSettings);
    ASSERT_TRUE(processEventsUntil([&] { return form->TabSheetSettings->PanelPlaying->isVisible(); }));
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->title(), "Playing");
    EXPECT_GE(form->TabSheetSettings->PanelPlaying->y(), form->TabSheetSettings->Panel1->geometry().bottom());
    EXPECT_TRUE(form->TabSheetSettings->rect().contains(form->TabSheetSettings->PanelPlaying->geometry()));
    QString letters;
    const auto controls = form->TabSheetSettings->PanelPlaying->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        EXPECT_TRUE(form->TabSheetSettings->PanelPlaying->rect().contains(control->geometry())) << control->objectName().toStdString();
        for (const QWidget* other : controls)
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                << control->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
    }
    for (const QLabel* label : form->TabSheetSettings->findChildren<QLabel*>()) letters += label->text();
    for (const QPushButton* button : form->TabSheetSettings->findChildren<QPushButton*>()) letters += button->text();
    for (int tab = 0; tab < form->PageControl->count(); ++tab) letters += form->PageControl->tabText(tab);
    QString accelerators;
    for (qsizetype at = letters.indexOf('&'); at >= 0; at = letters.indexOf('&', at + 1))
        accelerators += letters[at + 1].toLower();
    accelerators += "ix";
    for (const QChar letter : accelerators) EXPECT_EQ(accelerators.count(letter), 1) << letter.toLatin1();
    EXPECT_GE(accelerators.size(), 20);

    typeKey(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow);
}

TEST_F(PlayingPanel, ShowsTheChoicesAndRefusesNumbersBeyondTheirRanges)
{
    openWindow();
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow->currentText(), "C-1 (0)");
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxNoteHigh->currentText(), "G9 (127)");
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow->itemText(60), "C4 (60)");
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxScaleRoot->currentText(), "C");
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxScale->count(), 10);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteHigh, 50);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow, 70);  // above the highest: takes it along
    EXPECT_EQ(form->Performer().Playing().noteHigh, 70);
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxNoteHigh, 40);  // below the lowest: takes it along
    EXPECT_EQ(form->Performer().Playing().noteLow, 40);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->ComboBoxNoteLow->currentIndex(), 40);
    form->TabSheetSettings->PanelPlaying->SpinEditWheelController->editor()->setText("127");
    EXPECT_EQ(form->Performer().Playing().wheelController, 119);
    EXPECT_EQ(form->TabSheetSettings->PanelPlaying->SpinEditWheelController->editor()->text(), "119");
    form->TabSheetSettings->PanelPlaying->SpinEditVelocityBottom->editor()->setText("20");
    EXPECT_EQ(form->Performer().Playing().velocityBottom, 20);
}

TEST_F(PlayingPanel, PolyphonyDisablesWhatItDoesNotUseKeepsItAndTheInstrumentGoesOutAtOnce)
{
    driver.addDevice("Synth");
    openWindowPlayingOn("Synth");
    TPlayingPanel& panel = *form->TabSheetSettings->PanelPlaying;
    chooseEntry(*panel.ComboBoxPitchMode, static_cast<int>(TPitchMode::Glide));
    chooseEntry(*panel.ComboBoxInstrument, 41);
    EXPECT_EQ(panel.ComboBoxInstrument->currentText(), "41 Violin");
    EXPECT_EQ(sent().back(), program(40));
    const auto enabled = [&] {
        return std::vector<bool>{panel.ComboBoxPitchMode->isEnabled(), panel.SpinEditBendRange->isEnabled(),
                                 panel.SpinEditMpeChannels->isEnabled(),
                                 form->TabSheetSettings->SpinEditMidiOutChannel->isEnabled()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, true}));
    chooseEntry(*panel.ComboBoxPolyphony, static_cast<int>(TPolyphony::Poly));
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, true}));
    driver.clearRecords();
    chooseEntry(*panel.ComboBoxPolyphony, static_cast<int>(TPolyphony::Mpe));
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(form->Performer().Playing().pitchMode, TPitchMode::Glide);
    const std::vector<Msg> messages = sent();
    ASSERT_GE(messages.size(), 5u + 15 * 6 + 16);
    EXPECT_EQ(std::vector<Msg>(messages.begin(), messages.begin() + 5), mpeZone(15));
    EXPECT_EQ(messages.back(), program(40, 15));
}

TEST(AboutPage, HoldsTheManualAndAnExitButton)
{
    ensureQtApplication();
    TFormMain form;
    const QStringList expected = {
        "Pixono (1.0.3.0)", "", "Mouse to MIDI", "",
        "Mouse X -> Note Nr", "Mouse Y -> Velocity", "Mouse wheel -> Controller 1 (Modulation Wheel)",
        "Red -> Controller 2 (Breath control)", "Green -> Controller 3 ()", "Blue -> Controller 4 (Foot control)", "",
        "Holding the left mouse button activates sending of note on", "and note off messages.", "",
        "Holding the right mouse button activates sending color changes", "as CC values.", "",
        "When the mouse wheel won't work :", "",
        "Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)",
        "and kill that process, this will disable mousewheel support for some",
        "programs but enable it for others, as long as you don't remove em_exec",
        "from the registry wm_exec will be launched again after restarting windows, ",
        "so it's rather harmless to kill it.", " ",
    };
    EXPECT_EQ(form.TabSheetAbout->Memo1->toPlainText().split(u'\n'), expected);
    EXPECT_TRUE(form.TabSheetAbout->Memo1->isReadOnly());
    form.show();
    form.TabSheetAbout->BitBtnExit->click();
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutPage, ExitButtonLeavesTheLastLineInViewAtTheMinimumSize)
{
    ensureQtApplication();
    TFormMain form;
    form.resize(form.minimumSize());
    form.PageControl->setCurrentWidget(form.TabSheetAbout);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTextCursor end(form.TabSheetAbout->Memo1->document());
    end.movePosition(QTextCursor::End);
    form.TabSheetAbout->Memo1->setTextCursor(end);
    form.TabSheetAbout->Memo1->ensureCursorVisible();
    const QRect lastLine = form.TabSheetAbout->Memo1->cursorRect();
    EXPECT_GE(lastLine.top(), 0);
    EXPECT_LT(form.TabSheetAbout->Memo1->viewport()->mapTo(form.TabSheetAbout, lastLine.bottomLeft()).y(),
              form.TabSheetAbout->BitBtnExit->geometry().top());
    EXPECT_TRUE(form.TabSheetAbout->Memo1->geometry().contains(form.TabSheetAbout->BitBtnExit->geometry()));
}

} // namespace
