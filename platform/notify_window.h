// NotifyWindow: the endpoint that other threads post messages to and the GUI thread receives them from,
// in posting order. Posting neither allocates, blocks nor locks: a bounded lock-free ring plus an eventfd
// that a QSocketNotifier watches on the thread that created the window.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

constexpr uint32_t WM_USER = 1024;

struct PostedMessage {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    uintptr_t lParam = 0;
};

class NotifyWindow {
public:
    using Handler = std::function<void(const PostedMessage&)>;
    static constexpr std::size_t kCapacity = 1024;

    // Must be created on a thread with a Qt event loop; the handler runs there.
    explicit NotifyWindow(Handler handler);
    ~NotifyWindow();
    NotifyWindow(const NotifyWindow&) = delete;
    NotifyWindow& operator=(const NotifyWindow&) = delete;

    // Any thread: queues the message; false when the ring is full (the message is lost).
    bool post(const PostedMessage& message) noexcept;
    // GUI thread: hands every queued message to the handler, oldest first.
    void drain();

private:
    struct Cell {
        std::atomic<std::size_t> sequence;
        PostedMessage message;
    };
    bool pop(PostedMessage& message) noexcept;

    Handler handler_;
    int eventFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<Cell, kCapacity> cells_;
    alignas(64) std::atomic<std::size_t> enqueuePos_{0};
    alignas(64) std::size_t dequeuePos_ = 0;
    bool* destroyed_ = nullptr;   // set while drain() runs, so a handler may delete the window
};
using HWND = NotifyWindow*;

// Posts to `window` from any thread; false for a null window or a full ring.
bool PostMessageA(HWND window, uint32_t message, uintptr_t wParam, uintptr_t lParam) noexcept;

// Number of messages posted to any window and not yet handed to its handler.
long NotifyPostsInFlight() noexcept;
