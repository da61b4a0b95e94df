#include "tests/gui/main_window_fixture.h"

#include "pad/image_pad.h"
#include "tests/support/window_play.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

void MainWindowTest::openWindow()
{
    form = std::make_unique<TFormMain>();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(processEventsUntil([&] {
        return form->TabSheetPad->isVisible() && form->TabSheetPad->ImagePad->width() > 0 && form->StartUp().PortsStarted();
    }));
}

void MainWindowTest::choosePort(const QString& name)
{
    chooseMidiOutPort(*form, name);
}

void MainWindowTest::openWindowPlayingOn(const QString& name)
{
    openWindow();
    ASSERT_NO_FATAL_FAILURE(choosePort(name));
    ASSERT_NE(form->MidiOutput->DeviceHandle(), nullptr);
    driver.clearRecords();
}

// Gestures go to the window as the window system delivers them, so Qt's own routing decides which
// widget receives them (and keeps them with the page that a button was pressed on).
QPoint MainWindowTest::inWindow(QPoint onPad) const
{
    return form->TabSheetPad->mapTo(form.get(), onPad);
}

void MainWindowTest::press(Qt::MouseButton button, QPoint at)
{
    held |= button;
    QTest::mousePress(form->windowHandle(), button, Qt::NoModifier, inWindow(at));
}

void MainWindowTest::release(Qt::MouseButton button, QPoint at)
{
    held &= ~Qt::MouseButtons(button);
    QTest::mouseRelease(form->windowHandle(), button, Qt::NoModifier, inWindow(at));
}

void MainWindowTest::move(QPoint to)
{
    QTest::mouseMove(form->windowHandle(), inWindow(to));
}

void MainWindowTest::typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(form->windowHandle(), key, modifiers);
}

void MainWindowTest::key(QEvent::Type type, uint32_t scanCode, bool autoRepeat, Qt::Key key)
{
    QKeyEvent event(type, key, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
    QWidget* focus = form->focusWidget();
    QApplication::sendEvent(focus ? focus : form.get(), &event);
}

void MainWindowTest::releaseHeldButtons()
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        if (held.testFlag(button)) release(button, QPoint(0, 0));
    }
}

void MainWindowTest::waitForTitleEnding(const QString& text) const
{
    processEventsUntil([&] { return form->windowTitle().endsWith(text); });
}

void MainWindowTest::wheel(int delta, QWidget* over)
{
    turnWheel(over ? *over : *form->TabSheetPad, delta);
}

Msg MainWindowTest::noteOnAt(QPoint at, int channel) const
{
    const auto [note, velocity] = noteAndVelocityAt(*form, at);
    return noteOn(note, velocity, channel);
}

Msg MainWindowTest::noteOffAt(QPoint at, int channel) const
{
    const Msg on = noteOnAt(at, channel);
    return noteOff(on.data1, on.data2, channel);
}
