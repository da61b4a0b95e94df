// Shared blocks: zero-filled memory at a fixed address, the only memory the driver and the relay touch.
#pragma once

#include "platform/global_memory.h"

#include <cstdint>

struct SharedBlock {
    void* address = nullptr;     // null when the block could not be had
    HGLOBAL handle = nullptr;    // releases the block
};

constexpr uint32_t kSharedBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;   // 8258

// A locked zero-filled block of `size` bytes, or a null address and no handle.
SharedBlock AllocSharedBlock(uint16_t size);
// Unlocks and frees the block; a null handle is ignored.
void FreeSharedBlock(HGLOBAL handle);
