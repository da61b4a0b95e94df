// Bounded multi-producer, single-consumer ring (one sequence number per cell) woken through an eventfd.
#include "platform/notify_window.h"

#include "platform/exception.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

static_assert((NotifyWindow::kCapacity & (NotifyWindow::kCapacity - 1)) == 0, "capacity is a power of two");

namespace {
std::atomic<long> postsInFlight{0};
constexpr std::size_t kMask = NotifyWindow::kCapacity - 1;
} // namespace

NotifyWindow::NotifyWindow(Handler handler) : handler_(std::move(handler))
{
    for (std::size_t i = 0; i < kCapacity; ++i) cells_[i].sequence.store(i, std::memory_order_relaxed);
    eventFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (eventFd_ < 0) throw Exception("Cannot create the notify window's event descriptor");
    notifier_ = std::make_unique<QSocketNotifier>(eventFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });
}

NotifyWindow::~NotifyWindow()
{
    if (destroyed_) *destroyed_ = true;
    notifier_.reset();
    PostedMessage dropped;
    while (pop(dropped)) {
    }
    close(eventFd_);
}

bool NotifyWindow::post(const PostedMessage& message) noexcept
{
    std::size_t pos = enqueuePos_.load(std::memory_order_relaxed);
    Cell* cell;
    for (;;) {
        cell = &cells_[pos & kMask];
        const std::size_t sequence = cell->sequence.load(std::memory_order_acquire);
        const auto lag = static_cast<std::ptrdiff_t>(sequence - pos);
        if (lag == 0) {
            if (enqueuePos_.compare_exchange_weak(pos, pos + 1, std::memory_order_relaxed)) break;
        } else if (lag < 0) {
            return false;
        } else {
            pos = enqueuePos_.load(std::memory_order_relaxed);
        }
    }
    cell->message = message;
    cell->sequence.store(pos + 1, std::memory_order_release);
    postsInFlight.fetch_add(1, std::memory_order_relaxed);
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(eventFd_, &one, sizeof one);
    return true;
}

bool NotifyWindow::pop(PostedMessage& message) noexcept
{
    Cell& cell = cells_[dequeuePos_ & kMask];
    if (cell.sequence.load(std::memory_order_acquire) != dequeuePos_ + 1) return false;
    message = cell.message;
    cell.sequence.store(dequeuePos_ + kCapacity, std::memory_order_release);
    ++dequeuePos_;
    postsInFlight.fetch_sub(1, std::memory_order_relaxed);
    return true;
}

void NotifyWindow::drain()
{
    // Reset the wake-up count before looking at the ring: a post that lands after this read
    // writes the eventfd again, so no message is left waiting without a wake-up.
    uint64_t count;
    [[maybe_unused]] const ssize_t got = read(eventFd_, &count, sizeof count);

    // A handler may delete this window (or drain it again from a nested event loop).
    struct DestroyedFlag {
        bool value = false;
        bool** slot;
        bool* outer;
        explicit DestroyedFlag(bool** s) : slot(s), outer(*s) { *slot = &value; }
        ~DestroyedFlag()
        {
            if (value) {
                if (outer) *outer = true;
            } else {
                *slot = outer;
            }
        }
    } destroyed(&destroyed_);

    PostedMessage message;
    while (pop(message)) {
        handler_(message);
        if (destroyed.value) return;
    }
}

bool PostMessageA(HWND window, uint32_t message, uintptr_t wParam, uintptr_t lParam) noexcept
{
    return window && window->post(PostedMessage{message, wParam, lParam});
}

long NotifyPostsInFlight() noexcept { return postsInFlight.load(std::memory_order_relaxed); }
