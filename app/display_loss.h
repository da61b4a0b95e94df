// The display going away: when the X11 connection breaks or the Wayland compositor goes, Qt's platform
// plugin ends the process at once (exit or _exit), with no close and no event loop. Its last words go
// through Qt's message handler, so that is where the program's own clean-up still runs: the notes
// end, the port closes and the settings are saved, as for a close request by a signal.
#pragma once

#include <QObject>

#include <functional>

class DisplayLoss : public QObject {
public:
    // Watches Qt's messages from now on, passing each to the handler before it; one instance at a
    // time. `cleanUp` runs at most once, on the GUI thread.
    DisplayLoss(std::function<void()> cleanUp, QObject* parent);
    ~DisplayLoss() override;

    // Whether a message that Qt logs says that the display connection broke.
    static bool SaysDisplayBroke(const QString& message);
    // Runs the clean-up unless it has run already.
    void CleanUpOnce();

private:

    std::function<void()> cleanUp_;
};
