// Key presses go to FormKeyDown and on to their control; wheel events go to FormMouseWheel and stop.
#include "app/form_input_preview.h"

#include "app/form_main.h"

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

bool TFormInputPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (isFirstKeyReceiver(watched)) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            form_.FormKeyDown(key.key(), key.modifiers());
        }
        return false;
    }
    if (event->type() == QEvent::Wheel && isInForm(watched)) {
        const int delta = static_cast<const QWheelEvent&>(*event).angleDelta().y();
        if (delta != 0) form_.FormMouseWheel(delta);
        return true;
    }
    return false;
}
