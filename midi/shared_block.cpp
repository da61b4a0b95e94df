// Shared blocks over the global memory services.
#include "midi/shared_block.h"

static_assert(kSharedBlockFlags == 8258);

SharedBlock AllocSharedBlock(uint16_t size)
{
    HGLOBAL handle = GlobalAlloc(kSharedBlockFlags, size);
    if (!handle) return {};
    void* address = GlobalLock(handle);
    if (!address) {
        GlobalFree(handle);
        return {};
    }
    return {address, handle};
}

void FreeSharedBlock(HGLOBAL handle)
{
    if (!handle) return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}
