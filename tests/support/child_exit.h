// Waiting, with a time limit, for a child process of the test to end.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>

// The wait status of child `pid` once it has ended within `timeout`; nothing while it still runs.
std::optional<int> childExitWithin(pid_t pid, std::chrono::milliseconds timeout);
