// JACK destinations; see jack_midi_backend.h.
#include "platform/jack_midi_backend.h"

#include "platform/jack_midi_connection.h"

bool JackMidiBackend::available()
{
    if (lister_ && lister_->serverGone()) lister_.reset();
    if (!lister_) lister_ = JackClient::open("Pixono-list");
    return lister_ != nullptr;
}

std::vector<MidiDestination> JackMidiBackend::scan()
{
    std::vector<MidiDestination> destinations;
    if (!available()) return destinations;
    // Our own client has no input port, so it never lists itself.
    const char** ports = jack_get_ports(lister_->get(), nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    if (!ports) return destinations;
    for (const char** port = ports; *port; ++port) destinations.push_back({*port, *port, MOD_MIDIPORT});
    jack_free(ports);
    return destinations;
}

MMRESULT JackMidiBackend::open(const std::string& key, std::unique_ptr<MidiConnection>& connection)
{
    return JackMidiConnection::open(key, connection);
}

MMRESULT JackMidiBackend::openVirtual(std::unique_ptr<MidiConnection>& connection)
{
    return JackMidiConnection::open({}, connection);
}
