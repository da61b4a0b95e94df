// The settings file through the real main window: each test starts the program on a known file, lets
// the window load it, acts on the window, destroys it and reads back what it wrote.
#include "app/form_main.h"
#include "app/pad_page.h"
#include "app/playing_panel.h"
#include "app/port_selector.h"
#include "app/settings_page.h"
#include "app/start_up.h"
#include "app/program_paths.h"
#include "app/spin_edit.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/picture_files.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_message_presenter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace {

const std::string kInitialBounds = "Left=0\nTop=106\nWidth=416\nHeight=454\n";

// A whole settings file, its keys in the order the program writes them into an empty file.
std::string settingsText(const std::string& port, const std::string& channel,
                         const std::string& bounds = kInitialBounds)
{
    return "[Settings]\n" + bounds + "MidiOutPort=" + port + "\nMidiOutChannel=" + channel + "\n";
}

class SettingsRoundTrip : public WithQtApplication, public testing::Test {
protected:
    SettingsRoundTrip()
    {
        driver.addDevice("Synth A");
        driver.addDevice("Synth B");
        driver.addDevice("Synth C");
        testMessagePresenter().shown.clear();
    }

    // One run of the program: the file holds `content` (there is none without it), the window is
    // built and loads it, `act` runs on it, the window is destroyed. Returns the file as written.
    std::string runWith(const std::optional<std::string>& content, const std::function<void(TFormMain&)>& act = {})
    {
        std::remove(file.c_str());
        if (content) writeFileBytes(file, *content);
        {
            TFormMain form;
            form.StartUp().StartPorts();
            if (act) act(form);
        }
        return readFileBytes(file);
    }

    FakeMidiDriver driver;
    ScopedMidiServices services{driver};
    const std::string file = SettingsFileName();
};

} // namespace

TEST_F(SettingsRoundTrip, FirstStartOpensTheFirstPortButStoresNoneAndWritesTheInitialValues)
{
    const std::string written = runWith(std::nullopt, [](TFormMain& form) {
        EXPECT_EQ(form.TabSheetSettings->ComboBoxMidiOutPort->currentText(), "Synth A");
    });
    EXPECT_EQ(written, "[Settings]\nLeft=0\nTop=106\nWidth=416\nHeight=454\nMidiOutPort=\nMidiOutChannel=1\n");
    EXPECT_EQ(driver.callCount(MidiCall::Open), 1u);
    EXPECT_TRUE(testMessagePresenter().shown.empty());
}

// Picked from the list, the port open as the default becomes the user's choice, without a second open.
TEST_F(SettingsRoundTrip, TheDefaultPortPickedFromTheListIsStored)
{
    const std::string written = runWith(std::nullopt, [](TFormMain& form) {
        emit form.TabSheetSettings->ComboBoxMidiOutPort->activated(0);
    });
    EXPECT_EQ(written, settingsText("Synth A", "1"));
    EXPECT_EQ(driver.callCount(MidiCall::Open), 1u);
}

TEST_F(SettingsRoundTrip, StoredPortInOtherLetterCaseOpensItsDeviceAndIsWrittenBackAsStored)
{
    const std::string stored = settingsText("SYNTH b", "1");
    const std::string written = runWith(stored, [&](TFormMain& form) {
        EXPECT_EQ(form.TabSheetSettings->ComboBoxMidiOutPort->currentText(), "Synth B");
        EXPECT_EQ(driver.callCount(MidiCall::Open), 1u);
        EXPECT_EQ(driver.lastCall(MidiCall::Open).deviceId, 1u);
    });
    EXPECT_EQ(written, stored);
}

// Synths are often started after Pixono: the stored name stays, and its port opens once it is listed.
TEST_F(SettingsRoundTrip, StoredPortNotThereYetStaysShownOpensWhenItAppearsAndIsWrittenBackAsStored)
{
    EXPECT_EQ(runWith(settingsText("Synth Z", "1")), settingsText("Synth Z", "1"));
    EXPECT_EQ(driver.callCount(MidiCall::Open), 0u);

    const std::string stored = settingsText("Late Synth", "1");
    const std::string written = runWith(stored, [&](TFormMain& form) {
        EXPECT_EQ(form.Ports().CurrentPortName(), "Late Synth");
        EXPECT_EQ(form.TabSheetSettings->ComboBoxMidiOutPort->currentText(), "Late Synth");
        const uint32_t late = driver.addDevice("late synth");
        ASSERT_TRUE(processEventsUntil([&] { return form.MidiOutput->DeviceHandle() != nullptr; }, 5000));
        EXPECT_EQ(driver.lastCall(MidiCall::Open).deviceId, late);
        EXPECT_EQ(form.TabSheetSettings->ComboBoxMidiOutPort->currentIndex(), static_cast<int>(late));
    });
    EXPECT_EQ(written, stored);
    EXPECT_TRUE(testMessagePresenter().shown.empty()) << "it appeared within the first seconds";
}

TEST_F(SettingsRoundTrip, StoredChannelOutOfRangeIsClampedPlayedAndWrittenBackClamped)
{
    struct Case {
        const char* stored;
        int channel;
    };
    for (const Case& c : {Case{"0", 1}, Case{"99", 16}}) {
        SCOPED_TRACE(c.stored);
        driver.clearRecords();
        const std::string written = runWith(settingsText("Synth A", c.stored), [&](TFormMain& form) {
            EXPECT_EQ(form.TabSheetSettings->SpinEditMidiOutChannel->editor()->text(), QString::number(c.channel));
            form.ImagePadMouseDown({true, false}, 10, 10);
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_EQ(driver.messages()[0].shortWord & 0xFFu, 0x90u + static_cast<uint32_t>(c.channel - 1));
        });
        EXPECT_EQ(written, settingsText("Synth A", std::to_string(c.channel)));
    }
}

TEST_F(SettingsRoundTrip, ShownWindowKeepsTheStoredBoundsOnceItsFrameIsKnown)
{
    struct Case {
        const char* storedSize;
        const char* writtenSize;  // the minimum size and the offscreen screen's 800 x 800 apply
    };
    for (const Case& c : {Case{"Width=500\nHeight=520\n", "Width=500\nHeight=520\n"},
                          Case{"Width=100\nHeight=100\n", "Width=416\nHeight=454\n"},
                          Case{"Width=32767\nHeight=32767\n", "Width=800\nHeight=800\n"},
                          Case{"Width=100000\nHeight=300\n", "Width=800\nHeight=454\n"}}) {
        SCOPED_TRACE(c.storedSize);
        const std::string written = runWith(settingsText("", "1", "Left=30\nTop=40\n" + std::string(c.storedSize)),
                                            [](TFormMain& form) {
            form.show();
            processEventsUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); });
            ASSERT_NE(form.frameGeometry().size(), form.size()) << "this platform draws no frame";
        });
        EXPECT_EQ(written, settingsText("", "1", "Left=30\nTop=40\n" + std::string(c.writtenSize)));
    }
}

// The offscreen platform's one screen spans (0, 0) to (799, 799). A window stays where it is while
// its title bar can be grabbed there: 24 pixels of height over 100 of width.
TEST_F(SettingsRoundTrip, WindowWhoseTitleBarIsOffEveryScreenMovesToThePrimaryScreenKeepingItsSize)
{
    struct Case {
        const char* storedPosition;
        const char* writtenPosition;
    };
    for (const Case& c : {Case{"Left=-100000\nTop=40\n", "Left=0\nTop=0\n"},
                          Case{"Left=800\nTop=40\n", "Left=0\nTop=0\n"},
                          Case{"Left=30\nTop=-520\n", "Left=0\nTop=0\n"},
                          Case{"Left=799\nTop=799\n", "Left=0\nTop=0\n"},
                          Case{"Left=-499\nTop=-519\n", "Left=0\nTop=0\n"},
                          Case{"Left=701\nTop=30\n", "Left=0\nTop=0\n"},
                          Case{"Left=30\nTop=777\n", "Left=0\nTop=0\n"},
                          Case{"Left=30\nTop=-1\n", "Left=0\nTop=0\n"},
                          Case{"Left=700\nTop=776\n", "Left=700\nTop=776\n"},
                          Case{"Left=-400\nTop=0\n", "Left=-400\nTop=0\n"}}) {
        SCOPED_TRACE(c.storedPosition);
        const std::string size = "Width=500\nHeight=520\n";
        EXPECT_EQ(runWith(settingsText("", "1", c.storedPosition + size)),
                  settingsText("", "1", c.writtenPosition + size));
    }
}

TEST_F(SettingsRoundTrip, MaximisedWindowKeepsTheStoredBoundsAndWritesTheOtherKeys)
{
    const std::string bounds = "Left=30\nTop=40\nWidth=500\nHeight=520\n";
    const std::string written = runWith(settingsText("Synth A", "2", bounds), [](TFormMain& form) {
        // Maximised, the window fills the screen from its corner; until then saving it proves nothing.
        form.showMaximized();
        processEventsUntil([&] { return form.Placement().OuterBounds().topLeft() != QPoint(30, 40); });
        ASSERT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
        ASSERT_NE(form.Placement().OuterBounds().topLeft(), QPoint(30, 40));
        form.SetMidiOutChannel(7);
    });
    EXPECT_EQ(written, settingsText("Synth A", "7", bounds));
}

TEST_F(SettingsRoundTrip, UnreadableImageFileIsShownWhileThePortAndChannelStillApply)
{
    PictureFolder pictures;
    const QString broken = pictures.write("broken.bmp", QByteArray("BM but no bitmap follows"));
    const std::string stored = settingsText("SYNTH b", "5") + "ImageFile=" + broken.toStdString() + "\n";
    const std::string written = runWith(stored, [&](TFormMain& form) {
        ASSERT_EQ(testMessagePresenter().shown.size(), 1u);
        EXPECT_EQ(testMessagePresenter().shown[0].title, "=== Pixono ===");
        EXPECT_EQ(testMessagePresenter().shown[0].text, "Bitmap image is not valid.");
        EXPECT_EQ(form.TabSheetSettings->EditImageFile->text(), QString());
        EXPECT_EQ(driver.lastCall(MidiCall::Open).deviceId, 1u);
        EXPECT_EQ(form.TabSheetSettings->SpinEditMidiOutChannel->editor()->text(), "5");
    });
    EXPECT_EQ(written, stored);
}

// File names are bytes: one that is not UTF-8 still opens and is written back as it was.
TEST_F(SettingsRoundTrip, ImageFileWhoseNameIsNotUtf8LoadsAndIsWrittenBackByteForByte)
{
    const TempFolder folder;  // which removes the file by its bytes, as Qt's own folders cannot
    const std::string name = folder.file("lat\xe9in.bmp");
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    const QByteArray bmp = bmpBytes(red);
    writeFileBytes(name, bmp.toStdString());
    const std::string stored = settingsText("", "1") + "ImageFile=" + name + "\n";
    const std::string written = runWith(stored, [&](TFormMain& form) {
        EXPECT_TRUE(testMessagePresenter().shown.empty());
        EXPECT_FALSE(form.TabSheetSettings->EditImageFile->text().isEmpty());
        EXPECT_EQ(form.TabSheetPad->sampleColour(0, 0) & 0xFFFFFF, 0x0000FFu);
    });
    EXPECT_EQ(written, stored);
}

TEST_F(SettingsRoundTrip, StoredPortThatWillNotOpenIsShownOnceWhileTheChannelStillApplies)
{
    driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED);
    const std::string stored = settingsText("Synth B", "5");
    const std::string written = runWith(stored, [&](TFormMain& form) {
        ASSERT_EQ(testMessagePresenter().shown.size(), 1u);
        EXPECT_EQ(testMessagePresenter().shown[0].text,
                  "MIDI output port 'Synth B' could not be opened: fake driver: device already in use.");
        EXPECT_EQ(form.TabSheetSettings->SpinEditMidiOutChannel->editor()->text(), "5");
    });
    EXPECT_EQ(written, stored);
}

TEST_F(SettingsRoundTrip, OtherSectionsCommentsAndUnknownKeysSurviveByteForByte)
{
    const std::string head = "; Pixono\r\n[Other]\r\nLeft=999\r\nMidiOutPort=Elsewhere\r\n\r\n"
                             "[settings]\r\nLeft=12\r\nTop=106\r\n; kept as typed\r\nUnknown = keep me  \r\nWidth=416\r\n";
    const std::string tail = "\r\n[Tail]\r\nHeight=1";
    const std::string written = runWith(head + "MidiOutChannel=3\r\n" + tail, [](TFormMain& form) {
        form.Ports().SetMidiOutPort("Synth C");
        form.SetMidiOutChannel(9);
    });
    EXPECT_EQ(written, head + "MidiOutChannel=9\r\nHeight=454\r\nMidiOutPort=Synth C\r\n" + tail);
}

TEST_F(SettingsRoundTrip, StoredPlayingChoicesShowOnThePanelAndAreWrittenBackAsStored)
{
    const std::string stored = settingsText("", "1") + "NoteLow=60\nNoteHigh=84\nScale=Major\nScaleRoot=G\n";
    const std::string written = runWith(stored, [](TFormMain& form) {
        EXPECT_EQ(form.TabSheetSettings->PanelPlaying->ComboBoxNoteLow->currentText(), "C4 (60)");
        EXPECT_EQ(form.TabSheetSettings->PanelPlaying->ComboBoxScale->currentText(), "Major");
        EXPECT_EQ(form.TabSheetSettings->PanelPlaying->ComboBoxScaleRoot->currentText(), "G");
        EXPECT_EQ(form.Performer().Pad().Playing().ZoneCount(), 15);
    });
    EXPECT_EQ(written, stored);
}
