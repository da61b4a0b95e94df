// The pad's event path through the main window's handlers, with the fake driver: a left-drag move
// (note off, note on, caption as the window title, colour sample of the built-in picture), the same
// over scale zones, gliding and with pressure after the attack, ten fingers gliding in MPE, a move with
// the right button held over the picture's changing colours, a pen drag with pressure and tilt, and a
// wheel notch.
#include "app/form_main.h"
#include "app/performer.h"
#include "app/port_selector.h"
#include "app/program_paths.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct WindowRig {
    WindowRig()
    {
        ensureQtApplication();
        std::remove(SettingsFileName().c_str());
        driver.addDevice("Synth");
        form = std::make_unique<TFormMain>();
        form->show();
        form->Ports().SetMidiOutPort("Synth");
    }
    ~WindowRig()
    {
        form.reset();
        std::remove(SettingsFileName().c_str());
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
    std::unique_ptr<TFormMain> form;
};

constexpr TShiftState kLeft{true, false};
constexpr TShiftState kRight{false, true};

// A left drag along the pad's diagonal, by the playing choices given.
void LeftDragMove(benchmark::State& state, const TPlayingSettings& playing)
{
    WindowRig rig;
    rig.form->SetPlaying(playing);
    rig.form->ImagePadMouseDown(kLeft, 0, 0);
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        rig.form->ImagePadMouseMove(int32_t(i % 400), int32_t(i % 399));
    }
}
BENCHMARK_CAPTURE(LeftDragMove, Chromatic, TPlayingSettings{})->Repetitions(5)->ReportAggregatesOnly(true);

// Two octaves of C major: a zone change replaces the note, moves within a zone send nothing.
BENCHMARK_CAPTURE(LeftDragMove, Zones, TPlayingSettings{60, 84, TScale::Major})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

TPlayingSettings expressive(TPitchMode pitch, TAfterAttack afterAttack)
{
    TPlayingSettings settings{60, 84, TScale::Major};
    settings.pitchMode = pitch;
    settings.bendRange = 12;
    settings.afterAttack = afterAttack;
    return settings;
}

// The same drag gliding: a bend on most moves, a handover past the range.
BENCHMARK_CAPTURE(LeftDragMove, Glide, expressive(TPitchMode::Glide, TAfterAttack::None))
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same drag with the height as channel pressure: a pressure message on most moves.
BENCHMARK_CAPTURE(LeftDragMove, Pressure, expressive(TPitchMode::Steps, TAfterAttack::Pressure))
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Ten fingers down in MPE with Glide over the same zones, moving in turn: a bend on the moving finger's
// own channel on most moves, a handover past the range.
void TouchVoicesMove(benchmark::State& state)
{
    WindowRig rig;
    TPlayingSettings mpe = expressive(TPitchMode::Glide, TAfterAttack::None);
    mpe.polyphony = TPolyphony::Mpe;
    rig.form->SetPlaying(mpe);
    TPerformer& performer = rig.form->Performer();
    using Phase = TPerformer::TTouchPhase;
    for (int32_t finger = 0; finger < 10; ++finger) performer.Touch(Phase::Press, finger, finger * 40, 100);
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        const auto finger = int32_t(i % 10);
        performer.Touch(Phase::Move, finger, int32_t((finger * 40 + i / 10) % 400), int32_t(i % 399));
    }
}
BENCHMARK(TouchVoicesMove)->Repetitions(5)->ReportAggregatesOnly(true);

// A pen's tip dragged along the diagonal with its pressure as channel pressure and its tilt as two
// controllers, all three changing on every move.
void PenDragMove(benchmark::State& state)
{
    WindowRig rig;
    TPlayingSettings playing = expressive(TPitchMode::Steps, TAfterAttack::Pressure);
    playing.penTiltXController = 16;
    playing.penTiltYController = 17;
    rig.form->SetPlaying(playing);
    TPerformer& performer = rig.form->Performer();
    using Phase = TPerformer::TPenPhase;
    performer.Pen(Phase::Press, {0, 0, false, 0.5, 0.0, 0.0});
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        const double swing = double(i % 120);
        performer.Pen(Phase::Move, {int32_t(i % 400), int32_t(i % 399), false, swing / 120, swing - 60, 60 - swing});
    }
}
BENCHMARK(PenDragMove)->Repetitions(5)->ReportAggregatesOnly(true);

void RightHeldMove(benchmark::State& state)
{
    WindowRig rig;
    rig.form->ImagePadMouseDown(kRight, 0, 0);
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        // Across the fractal's bands, so that the colour changes on most moves.
        rig.form->ImagePadMouseMove(int32_t(i % 400), int32_t(i * 7 % 399));
    }
}
BENCHMARK(RightHeldMove)->Repetitions(5)->ReportAggregatesOnly(true);

void WheelNotch(benchmark::State& state)
{
    WindowRig rig;
    int64_t i = 0;
    for (auto _ : state) {
        rig.recycle(state, ++i);
        rig.form->FormMouseWheel(i % 2 ? 120 : -120);
    }
}
BENCHMARK(WheelNotch)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
