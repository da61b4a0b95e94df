// The built-in synthesizer device: a FluidSynth synth with the system's GM SoundFont, created on
// open and freed on close, fed the device's short and long messages through its feed.
#include "platform/builtin_synth.h"

#include "platform/fluidsynth_library.h"
#include "platform/midi_message.h"
#include "platform/soundfont_search.h"
#include "platform/synth_feed.h"
#include "platform/synth_audio_output.h"
#include "platform/system_synth_audio.h"

#include <atomic>

namespace {

constexpr double kSampleRate = 48000.0;

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

// A program change reads the samples of the instrument it selects; a reset selects the first ones
// again, and a system exclusive message may be a General MIDI reset.
bool mayLoadSamples(uint8_t status) { return status == 0xF0 || status == 0xFF || (status & 0xF0) == 0xC0; }

// General MIDI plays drums on channel 10, and a drum kit is over ten megabytes of samples that most
// players never use: the channel starts as a melodic one sharing the first channel's instrument and
// takes up its kit with the first message that may sound on it. What ends notes does not need it.
constexpr int kDrumChannel = 9;
bool wantsDrumKit(const uint8_t* bytes, size_t length)
{
    return bytes[0] < 0xF0 && (bytes[0] & 0x0F) == kDrumChannel && !isRelease(bytes, length);
}

// Plays whole messages, on whichever thread the feed plays them: never on two at once.
class BuiltinSynthPlayer {
public:
    BuiltinSynthPlayer(const FluidSynthLibrary& fl, fluid_synth_t* synth) : fl_(fl), synth_(synth) {}

    // Before the SoundFont is loaded, so that loading it selects no drum kit.
    void deferDrumKit() const
    {
        fl_.fluid_synth_set_channel_type(synth_, kDrumChannel, CHANNEL_TYPE_MELODIC);
        fl_.fluid_synth_bank_select(synth_, kDrumChannel, 0);
    }

    // Read by the sender too: once true, the drum kit is in and a message on its channel loads nothing.
    bool drumKitSelected() const { return drumKitSelected_.load(std::memory_order_relaxed); }

    void play(const uint8_t* bytes, size_t length)
    {
        const uint8_t status = bytes[0];
        if (status == 0xF0) {
            // The synthesizer takes the body only; a message it does not know it ignores, as any device would.
            fl_.fluid_synth_sysex(synth_, reinterpret_cast<const char*>(bytes + 1), static_cast<int>(length - 2),
                                  nullptr, nullptr, nullptr, 0);
        } else if (status < 0xF0) {
            if (status == 0xB0 && length > 2) followMpeZone(bytes[1], bytes[2]);
            if (!drumKitSelected() && !zoneHasDrumChannel_ && wantsDrumKit(bytes, length)) selectDrumKit();
            playChannelMessage(fl_, synth_, status, length > 1 ? bytes[1] : 0, length > 2 ? bytes[2] : 0);
        } else if (status == 0xFF) {
            // A reset makes channel 10 the drum channel again, with its kit.
            fl_.fluid_synth_system_reset(synth_);
            drumKitSelected_.store(true, std::memory_order_relaxed);
            zoneHasDrumChannel_ = false;
        }
        // Other system common and real-time messages mean nothing to a synthesizer without a clock.
    }

private:
    // An MPE Lower Zone (RPN 6 on the first channel) whose member channels reach channel 10 plays it
    // as a melodic channel like its other members; the kit comes back with the zone's end.
    void followMpeZone(uint8_t controller, uint8_t value)
    {
        if (controller == 101 || controller == 100) {
            (controller == 101 ? rpnMsb_ : rpnLsb_) = value;
            return;
        }
        if (controller != 6 || rpnMsb_ != 0 || rpnLsb_ != 6) return;
        zoneHasDrumChannel_ = value >= kDrumChannel;
        if (zoneHasDrumChannel_ && drumKitSelected()) {
            deferDrumKit();
            fl_.fluid_synth_program_change(synth_, kDrumChannel, 0);
            drumKitSelected_.store(false, std::memory_order_relaxed);
        }
    }

    void selectDrumKit()
    {
        fl_.fluid_synth_set_channel_type(synth_, kDrumChannel, CHANNEL_TYPE_DRUM);
        fl_.fluid_synth_program_change(synth_, kDrumChannel, 0);
        drumKitSelected_.store(true, std::memory_order_relaxed);
    }

    const FluidSynthLibrary& fl_;
    fluid_synth_t* synth_;
    std::atomic<bool> drumKitSelected_{false};
    uint8_t rpnMsb_ = 127, rpnLsb_ = 127;  // the first channel's registered parameter
    bool zoneHasDrumChannel_ = false;
};

} // namespace

struct BuiltinSynth::Parts {
    Parts() = default;
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;
    ~Parts()
    {
        audio.reset();  // its driver renders from the synth
        if (synth) fl->delete_fluid_synth(synth);
        if (settings) fl->delete_fluid_settings(settings);
    }

    MMRESULT result = MMSYSERR_NOERROR;
    const FluidSynthLibrary* fl = nullptr;
    std::string soundFont;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::unique_ptr<SystemSynthAudio> audio;  // started ahead of the open; stopped before the synth goes
};

struct BuiltinSynth::Impl {
    std::shared_ptr<Parts> parts;        // set while open
    SynthAudioOutput* output = nullptr;  // the output started by open, stopped by close
    std::unique_ptr<BuiltinSynthPlayer> player;
    std::unique_ptr<SynthFeed> feed;     // loads the SoundFont, then plays what waited for it
    SystemSynthAudio systemAudio;
};

std::string BuiltinSynth::soundFontPath() { return findSoundFont(soundFontFolders()); }

BuiltinSynth::BuiltinSynth() : impl_(std::make_unique<Impl>()) {}

BuiltinSynth::~BuiltinSynth() { close(); }

std::shared_ptr<BuiltinSynth::Parts> BuiltinSynth::makeParts(bool audioAhead)
{
    auto parts = std::make_shared<Parts>();
    parts->soundFont = soundFontPath();
    const FluidSynthLibrary* fl = parts->fl = fluidSynthLibrary();
    // Only the file's header is read here: a file that is no SoundFont is refused before anything starts.
    if (parts->soundFont.empty() || !fl || !fl->fluid_is_soundfont(parts->soundFont.c_str())) {
        parts->result = MMSYSERR_ERROR;
        return parts;
    }
    silenceFluidSynth(*fl);
    parts->settings = fl->new_fluid_settings();
    if (!parts->settings) {
        parts->result = MMSYSERR_NOMEM;
        return parts;
    }
    fl->fluid_settings_setnum(parts->settings, "synth.sample-rate", kSampleRate);
    // A General MIDI SoundFont holds over a hundred instruments and a channel plays one: only the
    // samples of the instruments selected on the channels are read into memory, each when a program
    // change selects it.
    fl->fluid_settings_setint(parts->settings, "synth.dynamic-sample-loading", 1);
    parts->synth = fl->new_fluid_synth(parts->settings);
    if (!parts->synth) {
        parts->result = MMSYSERR_NOMEM;
        return parts;
    }
    // Opening the audio system's clients takes tens of milliseconds, which the open then saves.
    if (audioAhead && !installedSynthAudioOutput()) {
        parts->audio = std::make_unique<SystemSynthAudio>();
        parts->audio->startDriver(parts->settings, parts->synth);
    }
    return parts;
}

MMRESULT BuiltinSynth::open() { return isOpen() ? MMSYSERR_ALLOCATED : open(makeParts()); }

MMRESULT BuiltinSynth::open(std::shared_ptr<Parts> parts)
{
    if (isOpen()) return MMSYSERR_ALLOCATED;
    if (parts->result != MMSYSERR_NOERROR) return parts->result;
    Impl& d = *impl_;
    SynthAudioOutput* output = installedSynthAudioOutput();
    if (!output) output = parts->audio ? parts->audio.get() : &d.systemAudio;
    if (!output->start(parts->settings, parts->synth, [&d] { if (d.feed) d.feed->settle(); })) return MIDIERR_NOAUDIO;
    d.output = output;
    d.parts = std::move(parts);
    const Parts& p = *d.parts;
    d.player = std::make_unique<BuiltinSynthPlayer>(*p.fl, p.synth);
    d.player->deferDrumKit();
    d.feed = std::make_unique<SynthFeed>(
        [&p] { return p.fl->fluid_synth_sfload(p.synth, p.soundFont.c_str(), 1) != FLUID_FAILED; },
        [player = d.player.get()](const uint8_t* bytes, size_t length) { player->play(bytes, length); });
    return MMSYSERR_NOERROR;
}

MMRESULT BuiltinSynth::shortMessage(uint32_t message)
{
    if (!isOpen()) return MMSYSERR_INVALHANDLE;
    const uint8_t bytes[3] = {static_cast<uint8_t>(message & 0xFF), static_cast<uint8_t>((message >> 8) & 0x7F),
                              static_cast<uint8_t>((message >> 16) & 0x7F)};
    // A packed message carries its own status; a data byte or a lone system exclusive byte is not a message.
    const uint8_t status = bytes[0];
    if (status < 0x80 || status == 0xF0 || status == 0xF7) return MMSYSERR_INVALPARAM;
    return send(bytes, shortMessageLength(status));
}

MMRESULT BuiltinSynth::longMessage(const uint8_t* bytes, size_t length)
{
    if (!isOpen()) return MMSYSERR_INVALHANDLE;
    if (!bytes || length < 2 || bytes[0] != 0xF0 || bytes[length - 1] != 0xF7) return MMSYSERR_INVALPARAM;
    return send(bytes, length);
}

MMRESULT BuiltinSynth::send(const uint8_t* bytes, size_t length)
{
    const bool loads = mayLoadSamples(bytes[0]) || (!impl_->player->drumKitSelected() && wantsDrumKit(bytes, length));
    return impl_->feed->send(bytes, length, loads);
}

void BuiltinSynth::close()
{
    Impl& d = *impl_;
    d.feed.reset();
    d.player.reset();
    if (d.output) d.output->stop();
    d.output = nullptr;
    d.parts.reset();
}

bool BuiltinSynth::isOpen() const { return impl_->output != nullptr; }
