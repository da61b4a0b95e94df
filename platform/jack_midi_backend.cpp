// JACK destinations; see jack_midi_backend.h.
#include "platform/jack_midi_backend.h"

#include "platform/jack_midi_connection.h"

bool JackMidiBackend::available()
{
    if (lister_ && lister_->serverGone()) lister_.reset();
    if (!lister_) {
        lister_ = JackClient::open("Pixono-list");
        listerActive_ = false;
    }
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

bool JackMidiBackend::watch(DevicesNotice notice)
{
    // The pair is replaced while no call can see half of it.
    changed_.store(nullptr, std::memory_order_relaxed);
    instance_.store(notice.instance, std::memory_order_relaxed);
    changed_.store(notice.changed, std::memory_order_release);
    if (!notice.changed) return true;
    if (!available()) return false;
    if (!listerActive_) {
        jack_client_t* client = lister_->get();
        listerActive_ = jack_set_port_registration_callback(client, &JackMidiBackend::portRegistration, this) == 0 &&
                        jack_activate(client) == 0;
    }
    return listerActive_;
}

// JACK's notification thread: calls the notice only, which neither allocates nor locks.
void JackMidiBackend::portRegistration(jack_port_id_t, int registered, void* self)
{
    auto* backend = static_cast<JackMidiBackend*>(self);
    const MidiOutDevicesChanged changed = backend->changed_.load(std::memory_order_acquire);
    if (registered && changed) changed(backend->instance_.load(std::memory_order_relaxed));
}
