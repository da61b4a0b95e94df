// Brings news from other threads to the GUI thread for an output that lives on a JACK server: every two
// seconds while `gone()` says its server has gone, a probe on a thread of its own asks whether a server
// answers again (never starting one), and `returned()` runs on the GUI thread when one does. JACK's own
// threads pass notices the same way. Without a Qt application it watches nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

class NotifyWindow;
class QTimer;

class JackServerWatch {
public:
    JackServerWatch(std::function<bool()> gone, std::function<void()> returned,
                    std::function<void(uint32_t)> notice = {});
    ~JackServerWatch();   // joins a probe that still runs
    JackServerWatch(const JackServerWatch&) = delete;
    JackServerWatch& operator=(const JackServerWatch&) = delete;

    bool watching() const { return notices_ != nullptr; }
    // Any thread; never allocates, blocks or locks: `notice(code)` runs on the GUI thread.
    void post(uint32_t code) noexcept;

private:
    void tick();

    std::function<bool()> gone_;
    std::function<void()> returned_;
    std::function<void(uint32_t)> notice_;
    std::unique_ptr<NotifyWindow> notices_;
    std::unique_ptr<QTimer> timer_;
    std::thread probe_;
    bool answered_ = false;   // written by the probe, read after it is joined
};
