// The sources of each sounding note; see sounding_notes.h.
#include "pad/sounding_notes.h"

void TSoundingNotes::Leave(int32_t channel, uint8_t note)
{
    uint8_t& count = counts_[index(channel, note)];
    if (count > 0) --count;
}
