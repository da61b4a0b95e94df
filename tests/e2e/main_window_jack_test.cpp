// The whole program over a real JACK server: the main window with the system's MIDI services, its port
// chosen on the Settings page, played by a left drag and a wheel notch on the pad, heard by a reader.
#include "app/form_main.h"
#include "app/pad_page.h"
#include "app/settings_page.h"
#include "app/start_up.h"
#include "app/program_paths.h"
#include "tests/support/jack_server.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_message_presenter.h"
#include "tests/support/window_play.h"

#include <QComboBox>
#include <QPointingDevice>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

MidiBytes noteAt(uint8_t status, QPoint at, const TFormMain& form)
{
    const auto [note, velocity] = noteAndVelocityAt(form, at);
    return {status, note, velocity};
}

// A click at `at` on the pad: the note on and note off it sends.
std::vector<MidiBytes> click(TFormMain& form, QPoint at)
{
    QTest::mouseClick(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, at);
    return {noteAt(0x90, at, form), noteAt(0x80, at, form)};
}

} // namespace

TEST(MainWindowOverJack, DragAndWheelOnThePadArriveAsExactBytesOnThePortChosenInSettings)
{
    ensureQtApplication();
    JackServer server;
    JackMidiReader reader("pad-listener");
    std::remove(SettingsFileName().c_str());
    TFormMain form;
    form.show();
    ASSERT_TRUE(processEventsUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }));
    ASSERT_NO_FATAL_FAILURE(chooseMidiOutPort(form, QString::fromStdString(reader.portName())));

    const QPoint press(40, 30), across(200, 120), last(300, 250);
    ASSERT_TRUE(form.TabSheetPad->rect().contains(last));
    QTest::mousePress(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(form.TabSheetPad, across);  // carries the held left button
    QTest::mouseMove(form.TabSheetPad, last);
    QTest::mouseRelease(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, last);
    turnWheel(*form.TabSheetPad, 120, last);

    const std::vector<MidiBytes> expected = {
        noteAt(0x90, press, form), noteAt(0x80, press, form),  noteAt(0x90, across, form),
        noteAt(0x80, across, form), noteAt(0x90, last, form), noteAt(0x80, last, form),
        {0xB0, 1, 65}};
    EXPECT_EQ(reader.waitForEvents(expected.size()), expected);
}

// Glide over two octaves of C major with a range of 12: the range told as RPN 0 when the port opens, a
// press left of C4's centre (no bend), a drag to the right end (C6, past the range: handed over) and
// the release centring the bend.
// Then the synth restarts, and a patchbay connects a second one to our port: each hears the range before
// anything else.
TEST(MainWindowOverJack, GlideArrivesAsRangeBendsAndAHandoverOnThePortAndItsRangeAgainOnEachConnection)
{
    ensureQtApplication();
    JackServer server;
    auto reader = std::make_unique<JackMidiReader>("glide-listener");
    std::remove(SettingsFileName().c_str());
    TFormMain form;
    form.show();
    ASSERT_TRUE(processEventsUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }));
    TPlayingSettings glide;
    glide.noteLow = 60;
    glide.noteHigh = 84;
    glide.scale = TScale::Major;
    glide.pitchMode = TPitchMode::Glide;
    glide.bendRange = 12;
    form.SetPlaying(glide);
    ASSERT_NO_FATAL_FAILURE(chooseMidiOutPort(form, QString::fromStdString(reader->portName())));

    const QPoint press(0, 30), end(form.TabSheetPad->width() - 1, 30);
    QTest::mousePress(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(form.TabSheetPad, end);
    QTest::mouseRelease(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, end);

    const uint8_t velocity = noteAndVelocityAt(form, press).second;
    const MidiBytes centre{0xE0, 0, 64};
    const std::vector<MidiBytes> range = {{0xB0, 101, 0}, {0xB0, 100, 0},   {0xB0, 6, 12},
                                          {0xB0, 38, 0},  {0xB0, 101, 127}, {0xB0, 100, 127}};
    std::vector<MidiBytes> expected = range;
    expected.insert(expected.end(), {centre, {0x90, 60, velocity}, {0x80, 60, velocity}, centre,
                                     {0x90, 84, velocity}, {0x80, 84, velocity}, centre});
    EXPECT_EQ(reader->waitForEvents(expected.size()), expected);

    // The notice of a connection reaches the window through its event loop.
    const auto hears = [](JackMidiReader& listener, const std::vector<MidiBytes>& wanted) {
        return processEventsUntil([&] { return listener.waitForEvents(wanted.size(), {}).size() >= wanted.size(); }) &&
               listener.waitForEvents(wanted.size()) == wanted;
    };
    reader.reset();   // the synth quits and starts again
    reader = std::make_unique<JackMidiReader>("glide-listener");
    EXPECT_TRUE(hears(*reader, range));
    JackMidiReader second("second-synth");
    second.connectFrom("Pixono:out");
    EXPECT_TRUE(hears(second, range));
    QTest::mouseClick(form.TabSheetPad, Qt::LeftButton, Qt::NoModifier, press);
    expected = range;
    expected.insert(expected.end(), range.begin(), range.end());
    expected.insert(expected.end(), {centre, {0x90, 60, velocity}, {0x80, 60, velocity}, centre});
    EXPECT_EQ(reader->waitForEvents(expected.size()), expected);
}

TEST(MainWindowOverJack, FollowsASynthStartedLaterRestartedAndAServerRestarted)
{
    ensureQtApplication();
    JackServer server;
    std::remove(SettingsFileName().c_str());
    TFormMain form;
    form.show();
    ASSERT_TRUE(processEventsUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }));

    auto synth = std::make_unique<JackMidiReader>("late-synth");
    form.TabSheetSettings->ComboBoxMidiOutPort->showPopup();
    form.TabSheetSettings->ComboBoxMidiOutPort->hidePopup();
    ASSERT_NO_FATAL_FAILURE(chooseMidiOutPort(form, "late-synth:in"));
    std::vector<MidiBytes> expected = click(form, QPoint(40, 30));
    EXPECT_EQ(synth->waitForEvents(expected.size()), expected);

    synth.reset();   // the synth quits and starts again
    synth = std::make_unique<JackMidiReader>("late-synth");
    ASSERT_TRUE(processEventsUntil([&] { return synth->connected(); }));
    expected = click(form, QPoint(80, 60));
    EXPECT_EQ(synth->waitForEvents(expected.size()), expected);

    server.stop();
    synth.reset();
    server.start();
    synth = std::make_unique<JackMidiReader>("late-synth");
    // The server's return is noticed within two probe periods.
    ASSERT_TRUE(processEventsUntil([&] { return synth->connected(); }, 8000));
    expected = click(form, QPoint(120, 90));
    EXPECT_EQ(synth->waitForEvents(expected.size()), expected);
    EXPECT_TRUE(testMessagePresenter().shown.empty());
}

// The stored port's registration opens it: sooner than the two-second check that only catches a
// server that started, and with no word, as it came within the quiet time.
TEST(MainWindowOverJack, StoredPortOpensWhenItsSynthRegistersItLater)
{
    ensureQtApplication();
    JackServer server;
    writeFileBytes(SettingsFileName(), "[Settings]\nMidiOutPort=awaited-synth:in\n");
    TFormMain form;
    form.show();
    ASSERT_TRUE(processEventsUntil([&] { return form.StartUp().PortsStarted(); }));
    processEventsUntil([] { return false; }, 300);
    ASSERT_EQ(form.MidiOutput->DeviceHandle(), nullptr);

    JackMidiReader synth("awaited-synth");
    ASSERT_TRUE(processEventsUntil([&] { return synth.connected(); }, 1500));
    const std::vector<MidiBytes> expected = click(form, QPoint(40, 30));
    EXPECT_EQ(synth.waitForEvents(expected.size()), expected);
    EXPECT_TRUE(testMessagePresenter().shown.empty());
}

// MPE with Glide and three member channels, an instrument chosen: the zone, the members' bend range
// and the instrument when the port opens; then two fingers sound on channels 2 and 3, each with its
// bend before its note, and the sliding finger bends only its own channel.
TEST(MainWindowOverJack, TwoFingersInMpeArriveAsTwoNotesOnTwoMemberChannelsWithTheirOwnBends)
{
    ensureQtApplication();
    JackServer server;
    JackMidiReader reader("mpe-listener");
    std::remove(SettingsFileName().c_str());
    TFormMain form;
    form.show();
    ASSERT_TRUE(processEventsUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }));
    TPlayingSettings mpe;
    mpe.polyphony = TPolyphony::Mpe;
    mpe.mpeChannels = 3;
    mpe.pitchMode = TPitchMode::Glide;
    mpe.program = 40;
    form.SetPlaying(mpe);
    ASSERT_NO_FATAL_FAILURE(chooseMidiOutPort(form, QString::fromStdString(reader.portName())));
    std::vector<MidiBytes> expected{{0xB0, 101, 0}, {0xB0, 100, 6}, {0xB0, 6, 3}, {0xB0, 101, 127}, {0xB0, 100, 127}};
    for (uint8_t channel = 1; channel <= 3; ++channel)
        for (const auto& [controller, value] : std::vector<std::pair<uint8_t, uint8_t>>{
                 {101, 0}, {100, 0}, {6, 48}, {38, 0}, {101, 127}, {100, 127}})
            expected.push_back({uint8_t(0xB0 + channel), controller, value});
    for (uint8_t channel = 0; channel <= 3; ++channel) expected.push_back({uint8_t(0xC0 + channel), 40});
    EXPECT_EQ(reader.waitForEvents(expected.size()), expected);

    QPointingDevice* screen = QTest::createTouchDevice();
    const auto onPad = [&](QPoint at) { return form.TabSheetPad->mapTo(&form, at); };
    const QPoint first(40, 60), second(200, 60), slid(230, 60);
    QTest::touchEvent(&form, screen).press(1, onPad(first));
    QTest::touchEvent(&form, screen).stationary(1).press(2, onPad(second));
    QTest::touchEvent(&form, screen).stationary(1).move(2, onPad(slid));
    QTest::touchEvent(&form, screen).release(1, onPad(first)).release(2, onPad(slid));
    const std::vector<MidiBytes> played = reader.waitForEvents(expected.size() + 7);
    ASSERT_EQ(played.size(), expected.size() + 7);
    std::vector<uint8_t> statuses;
    for (auto message = played.begin() + long(expected.size()); message != played.end(); ++message)
        statuses.push_back(message->front());
    EXPECT_EQ(statuses, (std::vector<uint8_t>{0xE1, 0x91, 0xE2, 0x92, 0xE2, 0x81, 0x82}));
    EXPECT_EQ(played[expected.size() + 1], noteAt(0x91, first, form));
    EXPECT_EQ(played[expected.size() + 3], noteAt(0x92, second, form));
    const auto bendOf = [&](size_t after) { return played[expected.size() + after][1] | played[expected.size() + after][2] << 7; };
    EXPECT_GT(bendOf(4), bendOf(2));  // bent upwards, towards the right
}
