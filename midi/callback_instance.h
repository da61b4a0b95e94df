// The record the driver hands back to the relay with every call: where to post, where to store input.
// It lives in a shared block, so its address stays fixed while any device may call the relay with it.
#pragma once

#include "midi/event_ring.h"
#include "platform/global_memory.h"
#include "platform/notify_window.h"

#include <cstdint>

struct CallbackInstance {
    HGLOBAL MemoryHandle = nullptr;   // this very block, to release it
    ::EventRing* EventRing = nullptr; // ring for incoming data; the output port leaves it null
    HWND TargetWindow = nullptr;      // window the relay posts to
    uint8_t DropShortData = 0;        // non-zero drops incoming short data
};
