// Starts the built-in synthesizer's audio on the first audio system that answers. Nothing may reach
// the terminal on the way: the ALSA and JACK libraries print their own failures unless told not to,
// and JACK would start a server of its own when none runs, so JACK is tried only when one answers.
#include "platform/system_synth_audio.h"

#include "platform/fluidsynth_library.h"
#include "platform/jack_client.h"
#include "platform/our_port_names.h"
#include "platform/quiet_audio_libraries.h"

#include <string_view>

namespace {

constexpr const char* kDriverOrder[] = {"pipewire", "pulseaudio", "jack", "alsa"};
constexpr const char* kJackNoticeName = "pixono-synth-watch";

// Two periods of 128 frames at 48 kHz: about 5 ms of buffering.
constexpr int kPeriodSize = 128;
constexpr int kPeriods = 2;

void configure(const FluidSynthLibrary& fl, fluid_settings_t* settings)
{
    fl.fluid_settings_setint(settings, "audio.period-size", kPeriodSize);
    fl.fluid_settings_setint(settings, "audio.periods", kPeriods);
    // Played through the speakers when possible; a failed connection leaves the ports unconnected.
    fl.fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    fl.fluid_settings_setstr(settings, "audio.jack.id", ourRegisteredName("pixono-synth").c_str());
}

} // namespace

SystemSynthAudio::~SystemSynthAudio() { stop(); }

// The drivers render in real time: what is still on its way sounds when it arrives.
bool SystemSynthAudio::start(fluid_settings_t* settings, fluid_synth_t* synth, Settle)
{
    if (!(driver_ && synth_ == synth) && !startDriver(settings, synth)) return false;
    if (jackNotice_ && !jackWatch_)
        jackWatch_ = std::make_unique<JackServerWatch>([this] { return jackGone(); }, [this] { startAgain(); });
    return true;
}

bool SystemSynthAudio::startDriver(fluid_settings_t* settings, fluid_synth_t* synth)
{
    stop();
    library_ = fluidSynthLibrary();
    if (!library_) return false;
    silenceAlsaLibrary();
    silenceJackLibrary();
    configure(*library_, settings);
    for (const char* name : kDriverOrder) {
        const bool jack = std::string_view(name) == "jack";
        // JACK only when a server answers: our client on it then hears of the server's shutdown.
        if (jack && !(jackNotice_ = JackClient::open(kJackNoticeName))) continue;
        if (library_->fluid_settings_setstr(settings, "audio.driver", name) == FLUID_OK)
            driver_ = library_->new_fluid_audio_driver(settings, synth);
        if (!driver_) {
            jackNotice_.reset();
            continue;
        }
        settings_ = settings;
        synth_ = synth;
        return true;
    }
    return false;
}

void SystemSynthAudio::stop()
{
    // A driver whose JACK server has gone is left as it is: deleting it would close a client of that
    // server, which can block or crash.
    if (driver_ && !jackGone()) library_->delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    jackWatch_.reset();
    jackNotice_.reset();
}

bool SystemSynthAudio::jackGone() const
{
    return jackWatch_ && (!driver_ || !jackNotice_ || jackNotice_->serverGone());
}

// A JACK server answers again: a new driver for the same synthesizer, the dead one left as it is.
void SystemSynthAudio::startAgain()
{
    jackNotice_ = JackClient::open(kJackNoticeName);
    driver_ = jackNotice_ ? library_->new_fluid_audio_driver(settings_, synth_) : nullptr;
}
