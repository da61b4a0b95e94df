// Allocation and release of a long-message buffer.
#include "midi/my_midi_hdr.h"

#include "midi/shared_block.h"

static_assert(kMidiHdrSize <= UINT16_MAX);

TMyMidiHdr::TMyMidiHdr(uint16_t length)
{
    if (length == 0) return;
    const SharedBlock header = AllocSharedBlock(kMidiHdrSize);
    HeaderMemory = header.handle;
    Header = static_cast<MIDIHDR*>(header.address);
    const SharedBlock data = AllocSharedBlock(length);
    DataMemory = data.handle;
    Data = static_cast<char*>(data.address);
    if (!complete()) return;
    Header->lpData = Data;
    Header->dwBufferLength = length;
}

TMyMidiHdr::~TMyMidiHdr()
{
    FreeSharedBlock(HeaderMemory);
    FreeSharedBlock(DataMemory);
}
