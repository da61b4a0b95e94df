// The Pad page's mouse events, mapped onto ImagePadMouseDown, ImagePadMouseUp and ImagePadMouseMove.
#include "app/pad_pointer_input.h"

#include "app/form_main.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

// The buttons held after the event: a press includes its button, a release no longer does.
TShiftState shiftOf(const QMouseEvent& event)
{
    return {event.buttons().testFlag(Qt::LeftButton), event.buttons().testFlag(Qt::RightButton)};
}

} // namespace

TPadPointerInput::TPadPointerInput(QWidget& page, TFormMain& form) : QObject(&page), page_(page), form_(form)
{
    page_.setMouseTracking(true);
    page_.installEventFilter(this);
}

bool TPadPointerInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &page_) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const QPoint at = mouse.position().toPoint();
    switch (type) {
    case QEvent::MouseButtonRelease:
        form_.ImagePadMouseUp(shiftOf(mouse), at.x(), at.y());
        break;
    case QEvent::MouseMove:
        // Only the left button captures the pointer for the pad.
        if (mouse.buttons().testFlag(Qt::LeftButton) || page_.rect().contains(at)) form_.ImagePadMouseMove(at.x(), at.y());
        break;
    default:  // a press, or the second press of a double click
        form_.ImagePadMouseDown(shiftOf(mouse), at.x(), at.y());
        break;
    }
    return true;
}
