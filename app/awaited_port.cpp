// Looking again for a stored port that is not listed yet; see awaited_port.h.
#include "app/awaited_port.h"

TAwaitedPort::TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent,
                           Timing timing)
    : QObject(parent), openIfListed_(std::move(openIfListed)), stillMissing_(std::move(stillMissing)), timing_(timing)
{
    connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
}

void TAwaitedPort::Start()
{
    told_ = false;
    since_.start();
    timer_.start(timing_.lookEveryMs);
}

void TAwaitedPort::Stop() { timer_.stop(); }

void TAwaitedPort::Look()
{
    if (openIfListed_()) {
        Stop();
        return;
    }
    // Told from the event loop rather than from here: a box runs a loop of its own, and the timer does
    // not fire again while its own handler runs, so the port would not open while the box shows.
    if (!told_ && Waiting() && since_.elapsed() >= timing_.quietForMs) {
        told_ = true;
        QMetaObject::invokeMethod(this, [this] { stillMissing_(); }, Qt::QueuedConnection);
    }
}
