// ALSA sequencer destinations over RtMidi; see alsa_midi_backend.h.
#include "platform/alsa_midi_backend.h"

#include "platform/our_port_names.h"
#include "platform/quiet_audio_libraries.h"

#include <RtMidi.h>
#include <alsa/asoundlib.h>

#include <atomic>
#include <cctype>

namespace {

// Errors reach the connection through RtMidi's callback instead of an exception or stderr.
void noteError(RtMidiError::Type, const std::string&, void* failed)
{
    static_cast<std::atomic<bool>*>(failed)->store(true, std::memory_order_relaxed);
}

// RtMidi prints to stderr before it throws, so the sequencer is first tried quietly with alsa-lib.
bool sequencerOpens()
{
    silenceAlsaLibrary();
    snd_seq_t* sequencer = nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) return false;
    snd_seq_close(sequencer);
    return true;
}

// A sequencer client of ours, or nullptr when there is no sequencer.
std::unique_ptr<RtMidiOut> newClient(std::atomic<bool>* failed)
{
    if (!sequencerOpens()) return nullptr;
    try {
        auto client = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kOurClientName);
        client->setErrorCallback(noteError, failed);
        return client;
    } catch (const std::exception&) {   // RtMidi throws when the sequencer cannot be opened
        return nullptr;
    }
}

class AlsaMidiConnection final : public MidiConnection {
public:
    AlsaMidiConnection() : out_(newClient(&failed_)) {}

    bool valid() const { return out_ != nullptr; }
    RtMidiOut& out() { return *out_; }
    // True when RtMidi reported an error since the last call.
    bool failed() { return failed_.exchange(false, std::memory_order_relaxed); }

    MMRESULT sendShort(const uint8_t* bytes, size_t length) override { return send(bytes, length); }
    MMRESULT sendLong(const uint8_t* bytes, size_t length) override { return send(bytes, length); }

private:
    MMRESULT send(const uint8_t* bytes, size_t length)
    {
        out_->sendMessage(bytes, length);
        return failed() ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
    }

    std::atomic<bool> failed_{false};
    std::unique_ptr<RtMidiOut> out_;
};

bool endsWithPortNumbers(const std::string& name, size_t blank)
{
    const std::string numbers = name.substr(blank + 1);
    const size_t colon = numbers.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == numbers.size()) return false;
    for (size_t i = 0; i < numbers.size(); ++i)
        if (i != colon && !std::isdigit(static_cast<unsigned char>(numbers[i]))) return false;
    return true;
}

} // namespace

std::string alsaShownPortName(const std::string& rtMidiName)
{
    const size_t blank = rtMidiName.rfind(' ');
    if (blank == std::string::npos || !endsWithPortNumbers(rtMidiName, blank)) return rtMidiName;
    return rtMidiName.substr(0, blank);
}

AlsaMidiBackend::AlsaMidiBackend() = default;
AlsaMidiBackend::~AlsaMidiBackend() = default;

bool AlsaMidiBackend::available()
{
    static std::atomic<bool> ignored{false};
    if (!lister_) lister_ = newClient(&ignored);
    return lister_ != nullptr;
}

std::vector<MidiDestination> AlsaMidiBackend::scan()
{
    std::vector<MidiDestination> destinations;
    if (!available()) return destinations;
    const unsigned count = lister_->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = lister_->getPortName(i);
        if (!name.empty()) destinations.push_back({name, alsaShownPortName(name), MOD_MIDIPORT});
    }
    return destinations;
}

MMRESULT AlsaMidiBackend::open(const std::string& key, std::unique_ptr<MidiConnection>& connection)
{
    auto opened = std::make_unique<AlsaMidiConnection>();
    if (!opened->valid()) return MIDIERR_NODEVICE;
    const unsigned count = opened->out().getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (opened->out().getPortName(i) != key) continue;
        opened->out().openPort(i, kOurOutPortName);
        if (opened->failed()) return MIDIERR_NODEVICE;
        connection = std::move(opened);
        return MMSYSERR_NOERROR;
    }
    return MIDIERR_NODEVICE;
}

MMRESULT AlsaMidiBackend::openVirtual(std::unique_ptr<MidiConnection>& connection)
{
    auto opened = std::make_unique<AlsaMidiConnection>();
    if (!opened->valid()) return MIDIERR_NODEVICE;
    opened->out().openVirtualPort(kOurOutPortName);
    if (opened->failed()) return MMSYSERR_ERROR;
    connection = std::move(opened);
    return MMSYSERR_NOERROR;
}
