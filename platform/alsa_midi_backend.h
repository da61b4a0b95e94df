// The writable, subscribable ports of other ALSA sequencer clients as output destinations, listed as
// "client:port"; opening one connects a Pixono:out port to it. Goes through RtMidi. Without a
// sequencer (no /dev/snd/seq) it lists nothing, prints nothing and throws nothing.
#pragma once

#include "platform/alsa_destination_follower.h"
#include "platform/midi_backend.h"

#include <memory>
#include <optional>
#include <string>

class RtMidiOut;

// RtMidi names an ALSA port "client:port C:P"; the shown name drops the trailing numbers.
std::string alsaShownPortName(const std::string& rtMidiName);
// The sequencer address at the end of RtMidi's name; none when it has no trailing "C:P".
std::optional<SeqPortAddress> alsaPortAddress(const std::string& rtMidiName);

class AlsaMidiBackend final : public MidiBackend {
public:
    AlsaMidiBackend();
    ~AlsaMidiBackend() override;

    // True when the sequencer could be opened.
    bool available();
    std::vector<MidiDestination> scan() override;
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override;
    // Creates the port Pixono:out for others to connect to.
    MMRESULT openVirtual(std::unique_ptr<MidiConnection>& connection);

private:
    std::unique_ptr<RtMidiOut> lister_;   // a client without ports, kept to read the port list
};
