// The self-pipe behind ExitSignals; see exit_signals.h.
#include "app/exit_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};

int pipeEnds[2] = {-1, -1};   // made once, kept for the life of the process
volatile sig_atomic_t signalled = 0;

extern "C" void onExitSignal(int number)
{
    if (signalled) _exit(128 + number);
    signalled = 1;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kExitSignals) sigaction(number, &action, nullptr);
}

} // namespace

ExitSignals::ExitSignals(std::function<void()> closeRequest, QObject* parent)
    : QObject(parent), closeRequest_(std::move(closeRequest))
{
    if (pipeEnds[0] < 0 && pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    char byte;
    while (read(pipeEnds[0], &byte, 1) == 1) {}
    signalled = 0;
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char drained;
        while (read(pipeEnds[0], &drained, 1) == 1) {}
        closeRequest_();
    });
    setHandler(&onExitSignal);
}

ExitSignals::~ExitSignals()
{
    setHandler(SIG_DFL);
}
