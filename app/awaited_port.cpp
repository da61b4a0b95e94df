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
    // Told before the word is shown: a box runs its own event loop, in which this looks again.
    if (!told_ && Waiting() && since_.elapsed() >= timing_.quietForMs) {
        told_ = true;
        stillMissing_();
    }
}
