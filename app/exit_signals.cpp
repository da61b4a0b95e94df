// The self-pipe behind ExitSignals; see exit_signals.h.
#include "app/exit_signals.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int64_t kGraceNanoseconds = 2'000'000'000;

int pipeEnds[2] = {-1, -1};   // made once, kept for the life of the process
// CLOCK_MONOTONIC time of the first signal of the current request in nanoseconds; 0 while none came.
std::atomic<int64_t> firstSignalAt{0};
static_assert(std::atomic<int64_t>::is_always_lock_free, "the signal handler may not lock");
ExitSignals* watcher = nullptr;

int64_t monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec + 1;  // never 0
}

extern "C" void onExitSignal(int number)
{
    const int saved = errno;
    const int64_t now = monotonicNow();
    int64_t first = 0;
    if (firstSignalAt.compare_exchange_strong(first, now)) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    } else if (now - first >= kGraceNanoseconds) {
        _exit(128 + number);
    }
    errno = saved;
}

bool drainPipe()
{
    bool any = false;
    char byte;
    while (read(pipeEnds[0], &byte, 1) == 1) any = true;
    return any;
}

bool isOpenModal(const QWidget* widget)
{
    return widget->isWindow() && widget->isModal() && widget->isVisible();
}

} // namespace

void installExitSignals()
{
    if (pipeEnds[0] >= 0 || pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = &onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kExitSignals) sigaction(number, &action, nullptr);
}

ExitSignals::ExitSignals(std::function<void()> closeRequest, QObject* parent)
    : QObject(parent), closeRequest_(std::move(closeRequest))
{
    installExitSignals();
    if (pipeEnds[0] < 0) return;
    watcher = this;
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ExitSignals::takeRequest);
}

ExitSignals::~ExitSignals()
{
    if (watcher != this) return;
    watcher = nullptr;
    qApp->removeEventFilter(this);
    drainPipe();
    firstSignalAt = 0;
}

// Every modal window open now is closed, which ends its modal loop, and so is every one that shows
// from now on; then the window's close request runs.
void ExitSignals::takeRequest()
{
    if (!drainPipe() || closing_) return;
    closing_ = true;
    qApp->installEventFilter(this);
    // Closing one window may delete another (a box that deletes itself on close).
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) windows.append(widget);
    for (const QPointer<QWidget>& widget : windows)
        if (widget && isOpenModal(widget)) widget->close();
    closeRequest_();
}

bool ExitSignals::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType() && isOpenModal(static_cast<QWidget*>(watched)))
        QMetaObject::invokeMethod(static_cast<QWidget*>(watched), &QWidget::close, Qt::QueuedConnection);
    return false;
}

int runUntilClosed(QWidget& window)
{
    if (watcher) watcher->takeRequest();  // a signal the event loop has not seen yet
    if (watcher && watcher->closing_) return 0;
    window.show();
    return QApplication::exec();
}
