// Key presses and releases that play the Pad page stop there; other key presses go to FormKeyDown
// and on to their control (Alt characters type nothing); wheel events go to FormMouseWheel and stop.
#include "app/form_input_preview.h"

#include "app/form_main.h"
#include "platform/input_event_time.h"

#include <QKeyEvent>
#include <QWheelEvent>

TFormInputPreview::TFormInputPreview(TFormMain& form) : QObject(&form), form_(form) {}

bool TFormInputPreview::isInForm(QObject* watched) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &form_;
}

// A key press unhandled by the focused control travels on to its parents, each time past this filter;
// it is previewed once, when it reaches the control that Qt hands key presses first.
bool TFormInputPreview::isFirstKeyReceiver(QObject* watched) const
{
    QWidget* focus = form_.focusWidget();
    return watched == (focus ? focus : static_cast<QWidget*>(&form_));
}

// Alt with a character is a command key, never typing: Qt's text fields would insert the character,
// so Alt+X would leave an "x" in the channel and Alt+I an "i" in the port name. Menus and buttons
// have taken their Alt keys as shortcuts before the key press is delivered.
bool TFormInputPreview::isAltCharacter(const QKeyEvent& key)
{
    return key.modifiers().testFlag(Qt::AltModifier) && !key.text().isEmpty() && key.text().front().isPrint();
}

bool TFormInputPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (!isFirstKeyReceiver(watched)) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const InputEventTime happened(key.timestamp());
        if (form_.ComputerKey(key)) return true;
        if (event->type() == QEvent::KeyRelease) return false;
        form_.FormKeyDown(key.key(), key.modifiers());
        return isAltCharacter(key);
    }
    if (event->type() == QEvent::Wheel && isInForm(watched)) {
        const auto& wheel = static_cast<const QWheelEvent&>(*event);
        const InputEventTime happened(wheel.timestamp());
        const int delta = wheel.angleDelta().y();
        if (delta != 0) form_.FormMouseWheel(delta);
        return true;
    }
    return false;
}
