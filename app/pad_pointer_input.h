// TPadPointerInput: turns the Pad page's mouse events into the window's pad handlers, in the page's
// client coordinates. Qt keeps delivering to the page while any button pressed on it is held; of the
// events outside the page, only those of a left drag and every release reach the pad. Where the
// performer plays fingers (Poly and MPE), each touch point goes to it as a voice of its own; elsewhere
// a touch is left to Qt, which makes the first finger the mouse. A pen's events go to the performer
// with its pressure and tilt, and make no mouse events. While they play, the window's thread polls for
// the next event instead of sleeping (awake_while_playing.h).
#pragma once

#include "app/awake_while_playing.h"

#include <QObject>

class QTabletEvent;
class QTouchEvent;
class QWidget;
class TFormMain;
class TPerformer;

class TPadPointerInput : public QObject {
public:
    // Watches `page`'s events (and is owned by it); `page` gets mouse tracking, so moves with no button count too.
    TPadPointerInput(QWidget& page, TFormMain& form, TPerformer& performer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool touch(QTouchEvent& event);
    bool tablet(QTabletEvent& event);

    QWidget& page_;
    TFormMain& form_;
    TPerformer& performer_;
    TAwakeWhilePlaying awake_{this};
};
