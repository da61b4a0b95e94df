// Keeps the window's thread polling, rather than sleeping, for a moment after each input event that
// plays. Qt reads the window system's events on a thread of its own and wakes this one for each; when
// this thread's CPU has gone idle, that wake can take milliseconds, which at a short JACK period puts
// a note a period or more after where the player moved. While the player plays, the event loop polls
// instead, and it sleeps again once the input pauses.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TAwakeWhilePlaying : public QObject {
    Q_OBJECT

public:
    explicit TAwakeWhilePlaying(QObject* parent);

    // An input event that plays has been handled: poll until the input pauses.
    void Played();
    bool Awake() const { return poll_.isActive(); }

private:
    QTimer poll_;
    QElapsedTimer sincePlayed_;
};
