// Fixture for tests of the real main window: the fake driver with the devices a test lists, a fresh
// settings file, the window shown offscreen with its Pad page in front, and the user's gestures on it.
#pragma once

#include "app/error_display.h"
#include "app/form_main.h"
#include "app/about_page.h"
#include "app/pad_page.h"
#include "app/playing_panel.h"
#include "app/port_selector.h"
#include "app/settings_page.h"
#include "app/start_up.h"
#include "app/program_paths.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"
#include "tests/support/qt_printers.h"
#include "tests/support/short_messages.h"
#include "tests/support/test_message_presenter.h"

#include <QComboBox>
#include <QEvent>
#include <QTabWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

class MainWindowTest : public WithQtApplication, public ::testing::Test {
protected:
    MainWindowTest()
    {
        std::remove(SettingsFileName().c_str());
        testMessagePresenter().shown.clear();
    }
    ~MainWindowTest() override
    {
        releaseHeldButtons();
        form.reset();
        std::remove(SettingsFileName().c_str());
        ErrorDisplay().WriteToStandardError(false);
    }

    // Builds and shows the window over the devices listed so far.
    void openWindow();
    // Chooses the entry of that name in the port list, as a user does.
    void choosePort(const QString& name);
    // openWindow(), choosePort(name), and forgets the calls made so far.
    void openWindowPlayingOn(const QString& name);

    // Pointer gestures on the Pad page, in its client coordinates; moves carry the buttons held.
    QPoint inWindow(QPoint onPad) const;
    void press(Qt::MouseButton button, QPoint at);
    void release(Qt::MouseButton button, QPoint at);
    void move(QPoint to);
    // One wheel event over `over` (the Pad page when not given).
    void wheel(int delta, QWidget* over = nullptr);
    // Qt's test events remember the buttons pressed; a test ends with every button up again.
    void releaseHeldButtons();

    // A key typed into the window, delivered by Qt to the control with the focus.
    void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers);
    // A computer key pressed or released at the place of XKB key code `scanCode`, as the window
    // system reports it, to the control with the focus.
    void key(QEvent::Type type, uint32_t scanCode, bool autoRepeat = false, Qt::Key key = Qt::Key_unknown);

    std::vector<Msg> sent() const { return shortMessagesOf(driver); }
    // The title is written at most once per frame: waits until it ends with `text`, or gives up.
    void waitForTitleEnding(const QString& text) const;
    // The note and velocity a pad point gives on the window's pad.
    Msg noteOnAt(QPoint at, int channel = 0) const;
    Msg noteOffAt(QPoint at, int channel = 0) const;
    const std::vector<TestMessagePresenter::Box>& boxes() const { return testMessagePresenter().shown; }

    FakeMidiDriver driver;
    ScopedMidiServices installed{driver};
    std::unique_ptr<TFormMain> form;
    Qt::MouseButtons held;
};
