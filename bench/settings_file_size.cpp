// Starting and closing the main window over the largest settings file that is read (16 MB), the
// program's own section after 16 MB of another: the file is read and parsed once at the start and
// written once at the exit. Each must take well under a second.
#include "app/form_main.h"
#include "app/program_paths.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string largestSettingsFile()
{
    const std::string settings = "[Settings]\nLeft=30\nTop=40\nWidth=500\nHeight=520\nMidiOutPort=Synth\n"
                                 "MidiOutChannel=0x2\nNoteLow=36\nScale=Major\n";  // 0x2 is written back as 2
    std::string text = "[Other]\n";
    for (int i = 0; text.size() + 40 + settings.size() < 16 * 1024 * 1024; ++i)
        text += "Key" + std::to_string(i) + "=some stored value of its own\n";
    return text + settings;
}

struct Rig {
    Rig() : file(largestSettingsFile())
    {
        ensureQtApplication();
        driver.addDevice("Synth");
    }
    ~Rig() { std::remove(SettingsFileName().c_str()); }
    FakeMidiDriver driver;
    ScopedMidiServices installed{driver};
    const std::string file;
};

void BM_StartWithTheLargestSettingsFile(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileBytes(SettingsFileName(), rig.file);
        state.ResumeTiming();
        auto form = std::make_unique<TFormMain>();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWithTheLargestSettingsFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExitWithTheLargestSettingsFile(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileBytes(SettingsFileName(), rig.file);
        auto form = std::make_unique<TFormMain>();
        state.ResumeTiming();
        form.reset();
    }
}
BENCHMARK(BM_ExitWithTheLargestSettingsFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
