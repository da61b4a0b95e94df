// The whole program over a real JACK server: the main window with the system's MIDI services, its port
// chosen on the Settings page, played by a left drag and a wheel notch on the pad, heard by a reader.
#include "app/form_main.h"
#include "app/program_paths.h"
#include "tests/support/jack_server.h"
#include "tests/support/qt_application.h"
#include "tests/support/window_play.h"

#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

MidiBytes noteAt(uint8_t status, QPoint at, const TFormMain& form)
{
    const auto [note, velocity] = noteAndVelocityAt(form, at);
    return {status, note, velocity};
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
