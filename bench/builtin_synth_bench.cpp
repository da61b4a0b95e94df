// What the built-in synthesizer costs: a note on and off through the device on the GUI thread, and
// rendering one audio period with notes sounding, against the period's own length.
#include "platform/builtin_synth.h"
#include "tests/support/offline_synth_audio.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr double kPeriodSeconds = 128.0 / 48000.0;

// Opens the synthesizer and waits for its SoundFont, so that what follows is measured on a loaded synthesizer.
void openOrThrow(BuiltinSynth& synth, OfflineSynthAudio& audio)
{
    if (synth.open() != MMSYSERR_NOERROR) throw std::runtime_error("the built-in synthesizer did not open");
    audio.render(0);
}

void NoteOnAndOff(benchmark::State& state)
{
    OfflineSynthAudio audio;
    BuiltinSynth synth;
    openOrThrow(synth, audio);
    for (auto _ : state) {
        benchmark::DoNotOptimize(synth.shortMessage(0x90 | (69 << 8) | (100 << 16)));
        benchmark::DoNotOptimize(synth.shortMessage(0x80 | (69 << 8)));
    }
}
BENCHMARK(NoteOnAndOff);

void RenderOnePeriod(benchmark::State& state)
{
    OfflineSynthAudio audio;
    BuiltinSynth synth;
    openOrThrow(synth, audio);
    for (int note = 0; note < state.range(0); ++note) synth.shortMessage(0x90 | ((48 + note) << 8) | (100 << 16));
    for (auto _ : state) benchmark::DoNotOptimize(audio.render(kPeriodSeconds));
}
BENCHMARK(RenderOnePeriod)->Arg(1)->Arg(10)->Arg(32);

} // namespace

BENCHMARK_MAIN();
