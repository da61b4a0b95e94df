// An audio output for the built-in synthesizer that plays nothing by itself: while installed, an
// opened synthesizer is rendered only when the test asks for samples.
#pragma once

#include "platform/synth_audio_output.h"

#include <cstddef>
#include <vector>

class OfflineSynthAudio final : public SynthAudioOutput {
public:
    OfflineSynthAudio();   // installs itself
    ~OfflineSynthAudio() override;   // returns to the system's audio
    OfflineSynthAudio(const OfflineSynthAudio&) = delete;
    OfflineSynthAudio& operator=(const OfflineSynthAudio&) = delete;

    bool start(fluid_settings_t* settings, fluid_synth_t* synth, Settle settle) override;
    void stop() override;

    bool running() const { return synth_ != nullptr; }
    double sampleRate() const { return sampleRate_; }
    // The next `seconds` of the left channel; empty when no synthesizer is running.
    std::vector<float> render(double seconds);

private:
    fluid_synth_t* synth_ = nullptr;
    Settle settle_;
    double sampleRate_ = 0;
};
