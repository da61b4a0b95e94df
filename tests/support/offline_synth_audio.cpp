// Renders the synthesizer on the test's own thread through FluidSynth's rendering call.
#include "tests/support/offline_synth_audio.h"

#include <fluidsynth.h>

#include <algorithm>

OfflineSynthAudio::OfflineSynthAudio() { installSynthAudioOutput(this); }

OfflineSynthAudio::~OfflineSynthAudio() { installSynthAudioOutput(nullptr); }

bool OfflineSynthAudio::start(fluid_settings_t* settings, fluid_synth_t* synth, Settle settle)
{
    synth_ = synth;
    settle_ = std::move(settle);
    fluid_settings_getnum(settings, "synth.sample-rate", &sampleRate_);
    return true;
}

void OfflineSynthAudio::stop()
{
    synth_ = nullptr;
    settle_ = nullptr;
}

std::vector<float> OfflineSynthAudio::render(double seconds)
{
    if (!synth_) return {};
    settle_();
    const auto frames = static_cast<size_t>(seconds * sampleRate_);
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    constexpr size_t kBlock = 1024;
    for (size_t done = 0; done < frames;) {
        const size_t block = std::min(kBlock, frames - done);
        fluid_synth_write_float(synth_, static_cast<int>(block), left.data() + done, 0, 1, right.data() + done, 0, 1);
        done += block;
    }
    return left;
}
