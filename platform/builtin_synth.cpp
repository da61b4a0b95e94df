// The built-in synthesizer device: a FluidSynth synth with the system's GM SoundFont, created on
// open and freed on close, fed the device's short and long messages directly.
#include "platform/builtin_synth.h"

#include "platform/fluidsynth_library.h"
#include "platform/soundfont_search.h"
#include "platform/synth_audio_output.h"
#include "platform/system_synth_audio.h"

#include <limits>

namespace {

constexpr double kSampleRate = 48000.0;
// FluidSynth counts a message's bytes in an int.
constexpr size_t kMaxSysexLength = std::numeric_limits<int>::max();

// FluidSynth reports to the terminal by default; this program has no log.
void silenceFluidSynth(const FluidSynthLibrary& fl)
{
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fl.fluid_set_log_function(level, nullptr, nullptr);
}

void playChannelMessage(const FluidSynthLibrary& fl, fluid_synth_t* synth, uint8_t status, int data1, int data2)
{
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80: fl.fluid_synth_noteoff(synth, channel, data1); break;
    case 0x90:
        // Velocity 0 is the usual way to end a note.
        if (data2 == 0) fl.fluid_synth_noteoff(synth, channel, data1);
        else fl.fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0: fl.fluid_synth_key_pressure(synth, channel, data1, data2); break;
    case 0xB0: fl.fluid_synth_cc(synth, channel, data1, data2); break;
    case 0xC0: fl.fluid_synth_program_change(synth, channel, data1); break;
    case 0xD0: fl.fluid_synth_channel_pressure(synth, channel, data1); break;
    case 0xE0: fl.fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7)); break;
    }
}

} // namespace

struct BuiltinSynth::Impl {
    const FluidSynthLibrary* fl = nullptr;  // set while open
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    SynthAudioOutput* output = nullptr;  // the output started by open, stopped by close
    SystemSynthAudio systemAudio;
};

std::string BuiltinSynth::soundFontPath() { return findSoundFont(soundFontFolders()); }

BuiltinSynth::BuiltinSynth() : impl_(std::make_unique<Impl>()) {}

BuiltinSynth::~BuiltinSynth() { close(); }

MMRESULT BuiltinSynth::open()
{
    if (isOpen()) return MMSYSERR_ALLOCATED;
    const std::string soundFont = soundFontPath();
    const FluidSynthLibrary* fl = fluidSynthLibrary();
    if (soundFont.empty() || !fl) return MMSYSERR_ERROR;
    silenceFluidSynth(*fl);
    Impl& d = *impl_;
    d.fl = fl;
    d.settings = fl->new_fluid_settings();
    if (!d.settings) {
        close();
        return MMSYSERR_NOMEM;
    }
    fl->fluid_settings_setnum(d.settings, "synth.sample-rate", kSampleRate);
    // A General MIDI SoundFont holds over a hundred instruments and a channel plays one: only the
    // samples of the instruments selected on the channels are read into memory, each when a program
    // change selects it (that call returns once they are in, so the notes after it sound).
    fl->fluid_settings_setint(d.settings, "synth.dynamic-sample-loading", 1);
    d.synth = fl->new_fluid_synth(d.settings);
    if (!d.synth) {
        close();
        return MMSYSERR_NOMEM;
    }
    if (fl->fluid_synth_sfload(d.synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        close();
        return MMSYSERR_ERROR;
    }
    SynthAudioOutput* output = installedSynthAudioOutput();
    if (!output) output = &d.systemAudio;
    if (!output->start(d.settings, d.synth)) {
        close();
        return MIDIERR_NOAUDIO;
    }
    d.output = output;
    return MMSYSERR_NOERROR;
}

MMRESULT BuiltinSynth::shortMessage(uint32_t message)
{
    if (!isOpen()) return MMSYSERR_INVALHANDLE;
    const auto status = static_cast<uint8_t>(message & 0xFF);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    // A packed message carries its own status; a data byte or a lone system exclusive byte is not a message.
    if (status < 0x80 || status == 0xF0 || status == 0xF7) return MMSYSERR_INVALPARAM;
    if (status < 0xF0) playChannelMessage(*impl_->fl, impl_->synth, status, data1, data2);
    else if (status == 0xFF) impl_->fl->fluid_synth_system_reset(impl_->synth);
    // Other system common and real-time messages mean nothing to a synthesizer without a clock.
    return MMSYSERR_NOERROR;
}

MMRESULT BuiltinSynth::longMessage(const uint8_t* bytes, size_t length)
{
    if (!isOpen()) return MMSYSERR_INVALHANDLE;
    if (!bytes || length < 2 || length > kMaxSysexLength || bytes[0] != 0xF0 || bytes[length - 1] != 0xF7)
        return MMSYSERR_INVALPARAM;
    // The synthesizer takes the body only; a message it does not know it ignores, as any device would.
    impl_->fl->fluid_synth_sysex(impl_->synth, reinterpret_cast<const char*>(bytes + 1), static_cast<int>(length - 2),
                      nullptr, nullptr, nullptr, 0);
    return MMSYSERR_NOERROR;
}

void BuiltinSynth::close()
{
    Impl& d = *impl_;
    if (d.output) d.output->stop();
    d.output = nullptr;
    if (d.synth) d.fl->delete_fluid_synth(d.synth);
    d.synth = nullptr;
    if (d.settings) d.fl->delete_fluid_settings(d.settings);
    d.settings = nullptr;
    d.fl = nullptr;
}

bool BuiltinSynth::isOpen() const { return impl_->output != nullptr; }
