// "Pixono virtual output": a port named Pixono:out that synths and recorders connect to, made on the
// ALSA sequencer when there is one, otherwise on the running JACK server; not listed when neither is.
#pragma once

#include "platform/alsa_midi_backend.h"
#include "platform/jack_midi_backend.h"
#include "platform/midi_backend.h"

class VirtualOutputBackend final : public MidiBackend {
public:
    static constexpr const char* kDeviceName = "Pixono virtual output";

    // Both back ends must outlive this one.
    VirtualOutputBackend(AlsaMidiBackend& alsa, JackMidiBackend& jack) : alsa_(alsa), jack_(jack) {}

    std::vector<MidiDestination> scan() override;
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override;

private:
    AlsaMidiBackend& alsa_;
    JackMidiBackend& jack_;
};
