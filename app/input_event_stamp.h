// The window system's stamp of a Qt event, for dating what handling it sends (InputEventTime).
#pragma once

#include <QInputEvent>

#include <cstdint>

// The stamp of an input event in the window system's milliseconds; 0 (unknown) for any other event.
inline uint64_t inputEventStamp(const QEvent& event)
{
    return event.isInputEvent() ? static_cast<const QInputEvent&>(event).timestamp() : 0;
}
