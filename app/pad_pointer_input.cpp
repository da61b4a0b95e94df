// The Pad page's mouse events, mapped onto ImagePadMouseDown, ImagePadMouseUp and ImagePadMouseMove,
// its touch points, mapped onto the performer's fingers, and a pen's events, onto the performer's pen.
#include "app/pad_pointer_input.h"

#include "app/form_main.h"
#include "app/performer.h"
#include "platform/input_event_time.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWidget>

namespace {

// The buttons held after the event: a press includes its button, a release no longer does.
TShiftState shiftOf(const QMouseEvent& event)
{
    return {event.buttons().testFlag(Qt::LeftButton), event.buttons().testFlag(Qt::RightButton)};
}

// An event that plays, or ends what plays; a pointer that only hovers is not one.
bool plays(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseMove: return static_cast<const QMouseEvent&>(event).buttons() != Qt::NoButton;
    case QEvent::TabletMove: return static_cast<const QTabletEvent&>(event).buttons() != Qt::NoButton;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

TPadPointerInput::TPadPointerInput(QWidget& page, TFormMain& form, TPerformer& performer)
    : QObject(&page), page_(page), form_(form), performer_(performer)
{
    page_.setMouseTracking(true);
    page_.setAttribute(Qt::WA_AcceptTouchEvents);
    // On the application rather than the page: a pen leaving the tablet is told to the application.
    qApp->installEventFilter(this);
}

bool TPadPointerInput::eventFilter(QObject* watched, QEvent* event)
{
    // Everything handled here is an input event, and what it sends is dated to when it happened.
    if (!event->isInputEvent()) return false;
    const InputEventTime happened(static_cast<const QInputEvent&>(*event).timestamp());
    const QEvent::Type type = event->type();
    if (type == QEvent::TabletLeaveProximity && watched == qApp) {
        performer_.Pen(TPerformer::TPenPhase::Release, {});
        return false;
    }
    if (watched != &page_) return false;
    if (plays(*event)) awake_.Played();
    if (type == QEvent::TabletPress || type == QEvent::TabletMove || type == QEvent::TabletRelease)
        return tablet(static_cast<QTabletEvent&>(*event));
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

// The tip is the pen's left button, its first side button the middle or right one. Moving out of the
// window with the tip down ends the stroke, as lifting it does.
bool TPadPointerInput::tablet(QTabletEvent& event)
{
    const QPoint at = event.position().toPoint();
    const QInputDevice::Capabilities can = event.pointingDevice()->capabilities();
    const auto axis = [&](QInputDevice::Capability capability, double value) {
        return can.testFlag(capability) ? std::optional<double>(value) : std::nullopt;
    };
    const TPerformer::TPenPoint point{at.x(),
                                      at.y(),
                                      event.buttons().testAnyFlags(Qt::MiddleButton | Qt::RightButton),
                                      axis(QInputDevice::Capability::Pressure, event.pressure()),
                                      axis(QInputDevice::Capability::XTilt, event.xTilt()),
                                      axis(QInputDevice::Capability::YTilt, event.yTilt())};
    const bool inWindow = page_.window()->rect().contains(page_.mapTo(page_.window(), at));
    using Phase = TPerformer::TPenPhase;
    if (event.type() == QEvent::TabletPress) performer_.Pen(Phase::Press, point);
    else if (event.type() == QEvent::TabletRelease || (!inWindow && event.buttons() != Qt::NoButton))
        performer_.Pen(Phase::Release, point);
    else performer_.Pen(event.buttons() == Qt::NoButton ? Phase::Hover : Phase::Move, point);
    event.accept();
    return true;
}
