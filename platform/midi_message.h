// Facts about MIDI messages that the back ends share.
#pragma once

#include <cstddef>
#include <cstdint>

// Number of bytes of the complete short message that begins with `status` (1 to 3), or 0 when
// `status` cannot begin one: a data byte (running status is not supported), the system exclusive
// bytes F0 and F7, and the undefined F4 and F5.
size_t shortMessageLength(uint8_t status);
