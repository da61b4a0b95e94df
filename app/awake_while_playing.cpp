// The window's thread polls while the player plays; see awake_while_playing.h.
#include "app/awake_while_playing.h"

namespace {

// A pause in the input: a few reports of the slowest pointing devices (touch screens report at 60 Hz).
constexpr qint64 kPauseMs = 50;

} // namespace

TAwakeWhilePlaying::TAwakeWhilePlaying(QObject* parent) : QObject(parent)
{
    // A timer of no interval makes the event loop look for events without waiting for them.
    poll_.setInterval(0);
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (sincePlayed_.elapsed() >= kPauseMs) poll_.stop();
    });
}

void TAwakeWhilePlaying::Played()
{
    sincePlayed_.start();
    if (!poll_.isActive()) poll_.start();
}
