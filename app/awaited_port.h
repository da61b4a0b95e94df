// A stored MIDI output port that is not listed yet: synths are often started after Pixono, so the
// port is looked for again whenever the MIDI services tell that a device may have appeared (a JACK
// port registered, an ALSA port announced). Only while they cannot tell (no JACK server yet) is it
// looked for now and then. The user is told once when it is still missing after the first few seconds.
#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class NotifyWindow;

class TAwaitedPort : public QObject {
public:
    struct Timing {
        int checkEveryMs = 2000;   // asks the services to tell again; looks only while they cannot
        int quietForMs = 5000;     // a port that appears within this time needs no word
    };

    // `openIfListed()` opens the port when it is listed now and says whether it was; `stillMissing()`
    // runs at most once per wait.
    TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent,
                 Timing timing);
    TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent)
        : TAwaitedPort(std::move(openIfListed), std::move(stillMissing), parent, Timing{})
    {
    }
    ~TAwaitedPort() override;

    // Looks once from the event loop, then on every change told.
    void Start();
    void Stop();
    bool Waiting() const { return waiting_; }

private:
    void Look();
    void Check();
    // The services' thread: asks the GUI thread to look, once for any number of changes told meanwhile.
    static void devicesChanged(uintptr_t self) noexcept;

    std::function<bool()> openIfListed_;
    std::function<void()> stillMissing_;
    Timing timing_;
    QTimer checks_;
    QTimer quiet_;
    std::unique_ptr<NotifyWindow> wakes_;
    std::atomic<bool> wakePosted_{false};
    bool waiting_ = false;
    bool everyChangeTold_ = false;
};
