// TMyMidiHdr: one long-message buffer, a header block and a data block in shared memory, owned from
// SendLongMessage until the driver's done notification has been handled on the GUI thread.
#pragma once

#include "platform/global_memory.h"
#include "platform/midi_services.h"

#include <cstdint>

// Size of the header block and the size passed with every header call.
constexpr uint32_t kMidiHdrSize = sizeof(MIDIHDR);

class TMyMidiHdr {
public:
    // Length 0 allocates nothing. When either block cannot be had, the header is left untouched
    // and complete() is false.
    explicit TMyMidiHdr(uint16_t length);
    ~TMyMidiHdr();
    TMyMidiHdr(const TMyMidiHdr&) = delete;
    TMyMidiHdr& operator=(const TMyMidiHdr&) = delete;

    bool complete() const { return Header && Data; }

    HGLOBAL HeaderMemory = nullptr;
    MIDIHDR* Header = nullptr;
    HGLOBAL DataMemory = nullptr;
    char* Data = nullptr;
};
