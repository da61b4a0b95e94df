// Where the built-in synthesizer's audio goes: the system's audio drivers unless a test has
// installed an output of its own that pulls the audio itself.
#pragma once

#include <fluidsynth/types.h>

#include <functional>

class SynthAudioOutput {
public:
    virtual ~SynthAudioOutput() = default;
    // Waits until every message sent so far has reached the synthesizer.
    using Settle = std::function<void()>;

    // Starts taking audio from `synth`; false when there is nowhere to play it. An output that pulls
    // the audio itself calls `settle` first, so that what was sent before is in what it renders.
    virtual bool start(fluid_settings_t* settings, fluid_synth_t* synth, Settle settle) = 0;
    // Stops taking audio; called once after each successful start, before the synth is freed.
    virtual void stop() = 0;
};

// Makes `output` the one used by the next open (not owned); nullptr returns to the system's audio.
void installSynthAudioOutput(SynthAudioOutput* output);

// The installed output, or nullptr when the system's audio is used.
SynthAudioOutput* installedSynthAudioOutput();
