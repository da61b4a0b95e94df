// Waiting for a stored port that is not listed yet; see awaited_port.h.
#include "app/awaited_port.h"

#include "platform/midi_services.h"
#include "platform/notify_window.h"

TAwaitedPort::TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent,
                           Timing timing)
    : QObject(parent), openIfListed_(std::move(openIfListed)), stillMissing_(std::move(stillMissing)), timing_(timing),
      wakes_(std::make_unique<NotifyWindow>([this](const PostedMessage&) {
          wakePosted_.store(false, std::memory_order_relaxed);
          Look();
      }))
{
    quiet_.setSingleShot(true);
    connect(&checks_, &QTimer::timeout, this, [this] { Check(); });
    // A box runs a loop of its own, in which the port still opens as soon as it is told of.
    connect(&quiet_, &QTimer::timeout, this, [this] {
        if (waiting_) stillMissing_();
    });
}

TAwaitedPort::~TAwaitedPort() { Stop(); }

void TAwaitedPort::Start()
{
    waiting_ = true;
    quiet_.start(timing_.quietForMs);
    checks_.start(timing_.checkEveryMs);
    everyChangeTold_ = midiOutWatchDevices(&TAwaitedPort::devicesChanged, reinterpret_cast<uintptr_t>(this));
    // A port that appeared before the services were told to tell is found by this first look.
    devicesChanged(reinterpret_cast<uintptr_t>(this));
}

void TAwaitedPort::Stop()
{
    if (!waiting_) return;
    waiting_ = false;
    checks_.stop();
    quiet_.stop();
    midiOutWatchDevices(nullptr, 0);
}

void TAwaitedPort::Look()
{
    if (waiting_ && openIfListed_()) Stop();
}

// Changes that went untold (a JACK server that started) are caught by a look, also once they are told again.
void TAwaitedPort::Check()
{
    const bool told = midiOutWatchDevices(&TAwaitedPort::devicesChanged, reinterpret_cast<uintptr_t>(this));
    const bool look = !told || !everyChangeTold_;
    everyChangeTold_ = told;
    if (look) Look();
}

void TAwaitedPort::devicesChanged(uintptr_t self) noexcept
{
    auto* port = reinterpret_cast<TAwaitedPort*>(self);
    if (!port->wakePosted_.exchange(true, std::memory_order_relaxed)) port->wakes_->post({WM_USER, 0, 0});
}
