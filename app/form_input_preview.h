// TFormInputPreview: the main window's key preview and wheel handler. As an application-wide event
// filter it sees every key press meant for the window before the focused control does, passes it on
// (except that an Alt character types nothing), and takes every wheel event over the window for the pad.
#pragma once

#include <QObject>

class QKeyEvent;
class TFormMain;

class TFormInputPreview : public QObject {
public:
    explicit TFormInputPreview(TFormMain& form);  // owned by the form; install it on the application

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isFirstKeyReceiver(QObject* watched) const;
    static bool isAltCharacter(const QKeyEvent& key);
    bool isInForm(QObject* watched) const;

    TFormMain& form_;
};
