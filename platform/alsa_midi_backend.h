// The writable, subscribable ports of other ALSA sequencer clients as output destinations, listed as
// "client:port"; opening one connects a Pixono:out port to it. Goes through RtMidi. Without a
// sequencer (no /dev/snd/seq) it lists nothing, prints nothing and throws nothing.
#pragma once

#include "platform/alsa_destination_follower.h"
#include "platform/midi_backend.h"

#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;
class RtMidiOut;
struct _snd_seq;

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
    // Told by the sequencer's announce port, read on the GUI thread; needs a Qt application.
    bool watch(DevicesNotice notice) override;
    // Creates the port Pixono:out for others to connect to.
    MMRESULT openVirtual(std::unique_ptr<MidiConnection>& connection);

private:
    void readAnnounces();

    std::unique_ptr<RtMidiOut> lister_;   // a client without ports, kept to read the port list
    DevicesNotice notice_;
    _snd_seq* announces_ = nullptr;       // made on the first watch, kept while the back end lives
    std::unique_ptr<QSocketNotifier> watcher_;
};
