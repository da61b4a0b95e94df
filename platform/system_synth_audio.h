// The system's audio for the built-in synthesizer: the first FluidSynth audio driver that starts,
// tried in the order PipeWire, PulseAudio, JACK, ALSA, with a short period for low latency. Playing
// through JACK, it starts again by itself when the server has gone and another answers.
#pragma once

#include "platform/jack_client.h"
#include "platform/jack_server_watch.h"
#include "platform/synth_audio_output.h"

#include <memory>

struct FluidSynthLibrary;

class SystemSynthAudio final : public SynthAudioOutput {
public:
    SystemSynthAudio() = default;
    ~SystemSynthAudio() override;
    SystemSynthAudio(const SystemSynthAudio&) = delete;
    SystemSynthAudio& operator=(const SystemSynthAudio&) = delete;

    // Starts a driver for `synth` without the JACK server watch, which only the GUI thread can make:
    // for a synthesizer made ahead on another thread. A later start() for it then only adds the watch.
    bool startDriver(fluid_settings_t* settings, fluid_synth_t* synth);
    bool start(fluid_settings_t* settings, fluid_synth_t* synth, Settle settle) override;
    void stop() override;

private:
    bool jackGone() const;
    void startAgain();

    const FluidSynthLibrary* library_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<JackServerWatch> jackWatch_;   // while the JACK driver plays
    // A client of our own on the driver's server, opened just before the driver: it hears of the
    // server's shutdown, which FluidSynth keeps to itself.
    std::unique_ptr<JackClient> jackNotice_;
};
