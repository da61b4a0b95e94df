// TPadPointerInput: turns the Pad page's mouse events into the window's pad handlers, in the page's
// client coordinates. Qt keeps delivering to the page while any button pressed on it is held; of the
// events outside the page, only those of a left drag and every release reach the pad. Where the
// performer plays fingers (Poly and MPE), each touch point goes to it as a voice of its own; elsewhere
// a touch is left to Qt, which makes the first finger the mouse.
#pragma once

#include <QObject>

class QTouchEvent;
class QWidget;
class TFormMain;
class TPerformer;

class TPadPointerInput : public QObject {
public:
    // Watches `page` (and is owned by it); `page` gets mouse tracking, so moves with no button count too.
    TPadPointerInput(QWidget& page, TFormMain& form, TPerformer& performer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool touch(QTouchEvent& event);

    QWidget& page_;
    TFormMain& form_;
    TPerformer& performer_;
};
