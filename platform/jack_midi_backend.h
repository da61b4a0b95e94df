// The MIDI input ports of a running JACK server as output destinations, each listed under its full
// port name; opening one connects our Pixono:out port to it. No server: no destinations.
#pragma once

#include "platform/jack_client.h"
#include "platform/midi_backend.h"

#include <atomic>
#include <memory>

class JackMidiBackend final : public MidiBackend {
public:
    // True when a JACK server is running; (re)connects the listing client when needed.
    bool available();
    std::vector<MidiDestination> scan() override;
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override;
    // Told by the server each time a port registers; false while no server runs.
    bool watch(DevicesNotice notice) override;
    // Opens Pixono:out without connecting it anywhere.
    MMRESULT openVirtual(std::unique_ptr<MidiConnection>& connection);

private:
    static void portRegistration(jack_port_id_t port, int registered, void* self);

    std::unique_ptr<JackClient> lister_;   // a client without ports, kept to read the port list
    bool listerActive_ = false;            // activated to hear of new ports
    std::atomic<MidiOutDevicesChanged> changed_{nullptr};
    std::atomic<uintptr_t> instance_{0};
};
