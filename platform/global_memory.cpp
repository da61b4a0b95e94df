// Fixed-address zero-filled blocks over the C heap, with a live-block count and injectable failures.
#include "platform/global_memory.h"

#include <atomic>
#include <cstdlib>
#include <new>

struct GlobalBlock {
    void* data;
    std::atomic<int> locks;
};

namespace {

std::atomic<std::size_t> blocksInUse{0};
std::atomic<int> allocsBeforeFailure{-1};
std::atomic<int> locksBeforeFailure{-1};

// Counts down an injected-failure budget; true when this call is to fail.
bool injectedFailure(std::atomic<int>& budget)
{
    int left = budget.load(std::memory_order_relaxed);
    while (left > 0 && !budget.compare_exchange_weak(left, left - 1, std::memory_order_relaxed)) {
    }
    return left == 0;
}

} // namespace

HGLOBAL GlobalAlloc(uint32_t, std::size_t size)
{
    if (injectedFailure(allocsBeforeFailure)) return nullptr;
    void* data = std::calloc(size ? size : 1, 1);
    if (!data) return nullptr;
    auto* block = static_cast<GlobalBlock*>(std::malloc(sizeof(GlobalBlock)));
    if (!block) {
        std::free(data);
        return nullptr;
    }
    new (block) GlobalBlock{data, {0}};
    blocksInUse.fetch_add(1, std::memory_order_relaxed);
    return block;
}

void* GlobalLock(HGLOBAL block)
{
    if (!block || injectedFailure(locksBeforeFailure)) return nullptr;
    block->locks.fetch_add(1, std::memory_order_relaxed);
    return block->data;
}

bool GlobalUnlock(HGLOBAL block)
{
    if (!block) return false;
    int locks = block->locks.load(std::memory_order_relaxed);
    while (locks > 0 && !block->locks.compare_exchange_weak(locks, locks - 1, std::memory_order_relaxed)) {
    }
    return locks > 1;
}

HGLOBAL GlobalFree(HGLOBAL block)
{
    if (!block) return nullptr;
    std::free(block->data);
    block->~GlobalBlock();
    std::free(block);
    blocksInUse.fetch_sub(1, std::memory_order_relaxed);
    return nullptr;
}

std::size_t GlobalBlocksInUse() { return blocksInUse.load(std::memory_order_relaxed); }

void GlobalAllocFailAfter(int after) { allocsBeforeFailure.store(after, std::memory_order_relaxed); }

void GlobalLockFailAfter(int after) { locksBeforeFailure.store(after, std::memory_order_relaxed); }
