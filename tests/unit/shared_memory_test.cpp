// Shared blocks and long-message buffers: zero-filled, fixed, released once, and safe when memory is short.
#include "midi/my_midi_hdr.h"
#include "midi/shared_block.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SharedMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { before = GlobalBlocksInUse(); }
    void TearDown() override
    {
        GlobalAllocFailAfter(-1);
        GlobalLockFailAfter(-1);
    }
    std::size_t inUse() const { return GlobalBlocksInUse() - before; }
    std::size_t before = 0;
};

bool allZero(const void* block, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(block);
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

TEST_F(SharedMemoryTest, BlockIsZeroFilledAndReleasedByItsHandle)
{
    const SharedBlock block = AllocSharedBlock(65535);
    ASSERT_NE(block.address, nullptr);
    ASSERT_NE(block.handle, nullptr);
    EXPECT_TRUE(allZero(block.address, 65535));
    EXPECT_EQ(GlobalLock(block.handle), block.address);   // the address does not move
    GlobalUnlock(block.handle);
    EXPECT_EQ(inUse(), 1u);
    FreeSharedBlock(block.handle);
    EXPECT_EQ(inUse(), 0u);
    FreeSharedBlock(nullptr);
    EXPECT_EQ(inUse(), 0u);
}

TEST_F(SharedMemoryTest, FailedAllocationOrLockGivesNothingAndKeepsNothing)
{
    GlobalAllocFailAfter(0);
    SharedBlock block = AllocSharedBlock(16);
    EXPECT_EQ(block.address, nullptr);
    EXPECT_EQ(block.handle, nullptr);
    GlobalAllocFailAfter(-1);

    GlobalLockFailAfter(0);
    block = AllocSharedBlock(16);
    EXPECT_EQ(block.address, nullptr);
    EXPECT_EQ(block.handle, nullptr);
    EXPECT_EQ(inUse(), 0u);   // the fresh block was freed again
}

TEST_F(SharedMemoryTest, BufferHeaderPointsAtItsDataAndIsOtherwiseZero)
{
    {
        TMyMidiHdr buffer(300);
        ASSERT_TRUE(buffer.complete());
        EXPECT_EQ(inUse(), 2u);
        EXPECT_EQ(buffer.Header->lpData, buffer.Data);
        EXPECT_EQ(buffer.Header->dwBufferLength, 300u);
        MIDIHDR rest = *buffer.Header;
        rest.lpData = nullptr;
        rest.dwBufferLength = 0;
        EXPECT_TRUE(allZero(&rest, sizeof rest));
        EXPECT_TRUE(allZero(buffer.Data, 300));
    }
    EXPECT_EQ(inUse(), 0u);
}

TEST_F(SharedMemoryTest, EmptyBufferAllocatesAndReleasesNothing)
{
    GlobalAllocFailAfter(0);   // any allocation attempt would show as a null block, not a crash
    {
        TMyMidiHdr buffer(0);
        EXPECT_EQ(buffer.Header, nullptr);
        EXPECT_EQ(buffer.HeaderMemory, nullptr);
        EXPECT_EQ(buffer.Data, nullptr);
        EXPECT_EQ(buffer.DataMemory, nullptr);
        EXPECT_FALSE(buffer.complete());
    }
    EXPECT_EQ(inUse(), 0u);
}

TEST_F(SharedMemoryTest, MissingBlockLeavesTheHeaderUntouched)
{
    GlobalAllocFailAfter(0);   // no block at all: nothing may be written through the null header
    {
        TMyMidiHdr buffer(10);
        EXPECT_EQ(buffer.Header, nullptr);
        EXPECT_EQ(buffer.Data, nullptr);
        EXPECT_FALSE(buffer.complete());
    }
    GlobalAllocFailAfter(1);   // header, but no data block
    {
        TMyMidiHdr buffer(10);
        ASSERT_NE(buffer.Header, nullptr);
        EXPECT_EQ(buffer.Data, nullptr);
        EXPECT_TRUE(allZero(buffer.Header, sizeof(MIDIHDR)));
        EXPECT_FALSE(buffer.complete());
    }
    EXPECT_EQ(inUse(), 0u);
}

} // namespace
