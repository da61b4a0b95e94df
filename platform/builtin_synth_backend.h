// The built-in synthesizer as a device of the system MIDI driver, listed whenever a SoundFont is
// installed; each open makes a synthesizer of its own.
#pragma once

#include "platform/midi_backend.h"

class BuiltinSynthBackend final : public MidiBackend {
public:
    std::vector<MidiDestination> scan() override;
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override;
    void warmUp(const std::string& key) override;
};
