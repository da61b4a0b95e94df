// SIGTERM, SIGINT and SIGHUP as a close request. The handler only notes when the first signal came
// and writes a byte to a pipe; the request runs on the GUI thread when a QSocketNotifier sees it, and
// closes every box and dialog (open then or opened later) before the window's own close runs.
// Further signals are ignored until the first is 2 s old, so that the orderly close can end the
// sounding note and save; after that, one ends the process at once with status 128 + its number.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Installs the handlers; first thing in main, so that no signal meets the default action. Requests
// wait in the pipe until an ExitSignals watches it. Without a pipe the signals keep their default.
void installExitSignals();

class ExitSignals : public QObject {
public:
    // Watches for requests, installing the handlers if main has not; one instance at a time.
    ExitSignals(std::function<void()> closeRequest, QObject* parent);
    // Stops watching and forgets any request; the handlers stay.
    ~ExitSignals() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend int runUntilClosed(QWidget& window);
    void takeRequest();

    std::function<void()> closeRequest_;
    bool closing_ = false;
};

// Shows the window and runs the event loop until the window closes. After a close request during
// start-up the window never shows and 0 is returned at once.
int runUntilClosed(QWidget& window);
