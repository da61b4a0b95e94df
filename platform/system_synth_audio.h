// The system's audio for the built-in synthesizer: the first FluidSynth audio driver that starts,
// tried in the order PipeWire, PulseAudio, JACK, ALSA, with a short period for low latency.
#pragma once

#include "platform/synth_audio_output.h"

struct FluidSynthLibrary;

class SystemSynthAudio final : public SynthAudioOutput {
public:
    SystemSynthAudio() = default;
    ~SystemSynthAudio() override;
    SystemSynthAudio(const SystemSynthAudio&) = delete;
    SystemSynthAudio& operator=(const SystemSynthAudio&) = delete;

    bool start(fluid_settings_t* settings, fluid_synth_t* synth) override;
    void stop() override;

private:
    const FluidSynthLibrary* library_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};
