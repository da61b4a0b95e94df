// The MIDI services over a list of back ends: one device table for all of them, open devices, the
// long-message header protocol and done reports. All calls are made on the GUI thread.
#pragma once

#include "platform/midi_backend.h"
#include "platform/midi_services.h"

#include <memory>
#include <vector>

// Devices are listed back end by back end, in the order given.
std::unique_ptr<MidiServices> createBackendMidiDriver(std::vector<std::unique_ptr<MidiBackend>> backends);

// The smallest header size the driver accepts: the fields up to and including dwFlags, all it touches.
constexpr uint32_t kMinMidiHeaderSize = offsetof(MIDIHDR, dwFlags) + sizeof(uint32_t);
