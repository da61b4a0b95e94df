// Zero-filled memory blocks that keep their address until freed, reached through a handle: what the
// MIDI driver and the relay share with the GUI thread. A test seam can make allocation or locking fail.
#pragma once

#include <cstddef>
#include <cstdint>

struct GlobalBlock;                      // opaque: one block
using HGLOBAL = GlobalBlock*;

constexpr uint32_t GMEM_MOVEABLE = 0x0002;
constexpr uint32_t GMEM_ZEROINIT = 0x0040;
constexpr uint32_t GMEM_DDESHARE = 0x2000;

// A block of `size` zero bytes, or null when memory is short. The flags are accepted and ignored:
// every block is zero-filled and never moves.
HGLOBAL GlobalAlloc(uint32_t flags, std::size_t size);
// The block's fixed address, or null for a null handle (or an injected failure).
void* GlobalLock(HGLOBAL block);
// Ends one lock; true while the block is still locked.
bool GlobalUnlock(HGLOBAL block);
// Releases the block (a null handle is ignored); returns null.
HGLOBAL GlobalFree(HGLOBAL block);

// Number of blocks allocated and not yet freed, process-wide.
std::size_t GlobalBlocksInUse();

// Test seam: the next `after` calls succeed, then every call fails until the seam is reset with -1.
void GlobalAllocFailAfter(int after);
void GlobalLockFailAfter(int after);
