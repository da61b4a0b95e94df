// FluidSynth, loaded on first use: the program starts as fast and as small as without it, and the
// library and its many dependencies are mapped only when the built-in synthesizer is opened.
#pragma once

#include <fluidsynth.h>

// The FluidSynth calls the built-in synthesizer makes.
#define PIXONO_FLUIDSYNTH_CALLS(CALL) \
    CALL(fluid_set_log_function)      \
    CALL(new_fluid_settings)          \
    CALL(delete_fluid_settings)       \
    CALL(fluid_settings_setint)       \
    CALL(fluid_settings_setnum)       \
    CALL(fluid_settings_setstr)       \
    CALL(new_fluid_synth)             \
    CALL(delete_fluid_synth)          \
    CALL(fluid_is_soundfont)          \
    CALL(fluid_synth_sfload)          \
    CALL(fluid_synth_noteon)          \
    CALL(fluid_synth_noteoff)         \
    CALL(fluid_synth_key_pressure)    \
    CALL(fluid_synth_cc)              \
    CALL(fluid_synth_program_change)  \
    CALL(fluid_synth_bank_select)     \
    CALL(fluid_synth_set_channel_type) \
    CALL(fluid_synth_channel_pressure) \
    CALL(fluid_synth_pitch_bend)      \
    CALL(fluid_synth_system_reset)    \
    CALL(fluid_synth_sysex)           \
    CALL(new_fluid_audio_driver)      \
    CALL(delete_fluid_audio_driver)

struct FluidSynthLibrary {
#define PIXONO_FLUIDSYNTH_POINTER(name) decltype(&::name) name = nullptr;
    PIXONO_FLUIDSYNTH_CALLS(PIXONO_FLUIDSYNTH_POINTER)
#undef PIXONO_FLUIDSYNTH_POINTER
};

// The library with every call resolved, loaded by the first call and kept for the process's life;
// nullptr when it is not installed or lacks one of the calls.
const FluidSynthLibrary* fluidSynthLibrary();
