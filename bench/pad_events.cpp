// The pad's event path with the fake driver: a left-drag move (caption, note off, note on, colour
// sample), a move with the right button held over changing colours, and a wheel notch.
#include "midi/midi_output.h"
#include "pad/pad_controller.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"

#include <benchmark/benchmark.h>

#include <QObject>

#include <optional>

namespace {

// Stands in for the window: keeps the caption as a title would and reads a striped picture.
class BenchPadHost : public PadHost {
public:
    int32_t outerWidth() const override { return 416; }
    int32_t outerHeight() const override { return 454; }
    int32_t padWidth() const override { return 400; }
    int32_t padHeight() const override { return 399; }
    void setCaption(const QString& caption) override { title = caption; }
    uint32_t sampleColour(int32_t x, int32_t y) override { return uint32_t(x * 5) | uint32_t(y * 3) << 8 | 60u << 16; }

    QString title;
};

struct PadRig {
    PadRig()
    {
        ensureQtApplication();
        driver.addDevice("Synth");
        port = new TMidiOutput(&owner);
        port->Open();
        pad.emplace(host, *port);
        pad->SetWheel(7680);
    }
    // The fake keeps every message; clear it before its reserve is used up, outside the timing.
    void recycle(benchmark::State& state, int64_t iteration)
    {
        if (iteration % 1024 != 0) return;
        state.PauseTiming();
        driver.clearRecords();
        state.ResumeTiming();
    }

    FakeMidiDriver driver;
    ScopedMidiServices installed{driver};
    QObject owner;
    BenchPadHost host;
    TMidiOutput* port = nullptr;
    std::optional<TPadController> pad;
};

void LeftDragMove(benchmark::State& state)
{
    PadRig rig;
    rig.pad->ImagePadMouseDown({true, false}, 0, 0);
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        rig.pad->ImagePadMouseMove(int32_t(i % 400), int32_t(i % 399));
    }
}
BENCHMARK(LeftDragMove)->Repetitions(5)->ReportAggregatesOnly(true);

void RightHeldMove(benchmark::State& state)
{
    PadRig rig;
    rig.pad->ImagePadMouseDown({false, true}, 0, 0);
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        rig.pad->ImagePadMouseMove(int32_t(i % 51), int32_t(i % 85));
    }
}
BENCHMARK(RightHeldMove)->Repetitions(5)->ReportAggregatesOnly(true);

void WheelNotch(benchmark::State& state)
{
    PadRig rig;
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        rig.pad->FormMouseWheel(i % 2 ? 120 : -120);
    }
}
BENCHMARK(WheelNotch)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
