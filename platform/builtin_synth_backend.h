// The built-in synthesizer as a device of the system MIDI driver, listed whenever a SoundFont is
// installed; each open makes a synthesizer of its own, or takes the one a warm-up made ahead.
#pragma once

#include "platform/builtin_synth.h"
#include "platform/midi_backend.h"

#include <future>

class BuiltinSynthBackend final : public MidiBackend {
public:
    std::vector<MidiDestination> scan() override;
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override;
    // Loading FluidSynth and making a synthesizer take tens of milliseconds: done on a thread of
    // their own, as is starting the audio; the next open only adopts them.
    bool warmUp(const std::string& key) override;

private:
    std::future<std::shared_ptr<BuiltinSynth::Parts>> ahead_;
};
