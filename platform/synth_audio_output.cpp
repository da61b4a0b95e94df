// Holds the audio output a test has installed for the built-in synthesizer.
#include "platform/synth_audio_output.h"

#include <atomic>

namespace {

std::atomic<SynthAudioOutput*> installed{nullptr};

} // namespace

void installSynthAudioOutput(SynthAudioOutput* output) { installed.store(output, std::memory_order_release); }

SynthAudioOutput* installedSynthAudioOutput() { return installed.load(std::memory_order_acquire); }
