// The Pad page's mouse events, mapped onto ImagePadMouseDown, ImagePadMouseUp and ImagePadMouseMove,
// and its touch points, mapped onto the performer's fingers.
#include "app/pad_pointer_input.h"

#include "app/form_main.h"
#include "app/performer.h"

#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

namespace {

// The buttons held after the event: a press includes its button, a release no longer does.
TShiftState shiftOf(const QMouseEvent& event)
{
    return {event.buttons().testFlag(Qt::LeftButton), event.buttons().testFlag(Qt::RightButton)};
}

} // namespace

TPadPointerInput::TPadPointerInput(QWidget& page, TFormMain& form, TPerformer& performer)
    : QObject(&page), page_(page), form_(form), performer_(performer)
{
    page_.setMouseTracking(true);
    page_.setAttribute(Qt::WA_AcceptTouchEvents);
    page_.installEventFilter(this);
}

bool TPadPointerInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &page_) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd ||
        type == QEvent::TouchCancel)
        return touch(static_cast<QTouchEvent&>(*event));
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

// A touch the performer does not play is ignored, and Qt makes the first finger the mouse.
bool TPadPointerInput::touch(QTouchEvent& event)
{
    if (!performer_.PlaysTouch()) {
        event.ignore();
        return false;
    }
    using Phase = TPerformer::TTouchPhase;
    if (event.type() == QEvent::TouchCancel) {
        performer_.CancelTouches();
    } else {
        for (const QEventPoint& point : event.points()) {
            const QPoint at = point.position().toPoint();
            switch (point.state()) {
            case QEventPoint::Pressed: performer_.Touch(Phase::Press, point.id(), at.x(), at.y()); break;
            case QEventPoint::Updated: performer_.Touch(Phase::Move, point.id(), at.x(), at.y()); break;
            case QEventPoint::Released: performer_.Touch(Phase::Release, point.id(), at.x(), at.y()); break;
            default: break;  // a finger that stays where it was
            }
        }
    }
    event.accept();
    return true;
}
