// The system's MIDI driver: the built-in synthesizer, the virtual output, then the JACK destinations,
// then the ALSA sequencer's.
#include "platform/system_midi_driver.h"

#include "platform/alsa_midi_backend.h"
#include "platform/backend_midi_driver.h"
#include "platform/builtin_synth_backend.h"
#include "platform/jack_midi_backend.h"
#include "platform/virtual_output_backend.h"

std::unique_ptr<MidiServices> createSystemMidiDriver()
{
    auto jack = std::make_unique<JackMidiBackend>();
    auto alsa = std::make_unique<AlsaMidiBackend>();
    auto virtualOutput = std::make_unique<VirtualOutputBackend>(*alsa, *jack);
    std::vector<std::unique_ptr<MidiBackend>> backends;
    backends.push_back(std::make_unique<BuiltinSynthBackend>());
    backends.push_back(std::move(virtualOutput));
    backends.push_back(std::move(jack));
    backends.push_back(std::move(alsa));
    return createBackendMidiDriver(std::move(backends));
}
