// Put operation of the event ring.
#include "midi/event_ring.h"

bool RingPutEvent(EventRing& ring, const RingEvent& event) noexcept
{
    if (ring.Count >= ring.Capacity) return false;
    ++ring.Count;
    *ring.WritePosition = event;
    if (++ring.WritePosition == ring.SlotEnd) ring.WritePosition = ring.SlotStart;
    return true;
}
