// The system's MIDI driver: the devices of every back end available on this machine.
#pragma once

#include "platform/midi_services.h"

#include <memory>

std::unique_ptr<MidiServices> createSystemMidiDriver();
