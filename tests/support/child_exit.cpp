// Waiting for a child process to end; see child_exit.h.
#include "tests/support/child_exit.h"

#include <sys/wait.h>

#include <thread>

std::optional<int> childExitWithin(pid_t pid, std::chrono::milliseconds timeout)
{
    for (auto end = std::chrono::steady_clock::now() + timeout; std::chrono::steady_clock::now() < end;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}
