// SIGTERM, SIGINT and SIGHUP as a close request: the handler only writes a byte to a pipe, and the
// request runs on the GUI thread when a QSocketNotifier sees it. A second signal, once the first has
// come, ends the process at once with status 128 + its number: the exit under way is held up.
#pragma once

#include <QObject>

#include <functional>

class ExitSignals : public QObject {
public:
    // Installs the handlers; one instance at a time. Without a pipe the signals keep their default.
    ExitSignals(std::function<void()> closeRequest, QObject* parent);
    ~ExitSignals() override;   // puts the default handlers back

private:
    std::function<void()> closeRequest_;
};
