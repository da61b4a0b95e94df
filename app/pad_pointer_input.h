// TPadPointerInput: turns the Pad page's mouse events into the window's pad handlers, in the page's
// client coordinates. Qt keeps delivering to the page while any button pressed on it is held; of the
// events outside the page, only those of a left drag and every release reach the pad.
#pragma once

#include <QObject>

class QWidget;
class TFormMain;

class TPadPointerInput : public QObject {
public:
    // Watches `page` (and is owned by it); `page` gets mouse tracking, so moves with no button count too.
    TPadPointerInput(QWidget& page, TFormMain& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& page_;
    TFormMain& form_;
};
