// ALSA sequencer destinations over RtMidi; see alsa_midi_backend.h.
#include "platform/alsa_midi_backend.h"

#include "platform/midi_message.h"
#include "platform/our_port_names.h"
#include "platform/quiet_audio_libraries.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <RtMidi.h>
#include <alsa/asoundlib.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <optional>

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
        auto client = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, ourRegisteredName(kOurClientName));
        client->setErrorCallback(noteError, failed);
        return client;
    } catch (const std::exception&) {   // RtMidi throws when the sequencer cannot be opened
        return nullptr;
    }
}

// A sequencer client of ours that the system's announce port writes to, watched on the GUI thread;
// nullptr without a Qt application or a sequencer. `sequencer` is left for the caller to close.
std::unique_ptr<QSocketNotifier> listenToAnnounces(snd_seq_t*& sequencer)
{
    if (!QCoreApplication::instance()) return nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0) {
        sequencer = nullptr;
        return nullptr;
    }
    snd_seq_set_client_name(sequencer, ourRegisteredName(kOurClientName).c_str());
    const int port = snd_seq_create_simple_port(sequencer, "announce", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    pollfd descriptor{};
    if (port < 0 || snd_seq_connect_from(sequencer, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0 ||
        snd_seq_poll_descriptors(sequencer, &descriptor, 1, POLLIN) != 1)
        return nullptr;
    return std::make_unique<QSocketNotifier>(descriptor.fd, QSocketNotifier::Read);
}

class AlsaMidiConnection final : public MidiConnection, private AnnounceSequencer {
public:
    AlsaMidiConnection() : out_(newClient(&failed_)) {}
    ~AlsaMidiConnection() override
    {
        notifier_.reset();
        if (announces_) snd_seq_close(announces_);
    }

    bool valid() const { return out_ != nullptr; }
    RtMidiOut& out() { return *out_; }
    // True when RtMidi reported an error since the last call.
    bool failed() { return failed_.exchange(false, std::memory_order_relaxed); }

    // Subscribes to the first writable port whose RtMidi name `matches`; false when none is there.
    template <class Match> bool subscribe(Match matches)
    {
        const unsigned count = out_->getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            if (!matches(out_->getPortName(i))) continue;
            out_->openPort(i, kOurOutPortName);
            return !failed();
        }
        return false;
    }

    // Listens to the sequencer's announce port on the GUI thread, so a destination that leaves is
    // reported gone and one that returns is subscribed to again. Needs a Qt application.
    void follow(const std::string& name, SeqPortAddress address);
    bool followsDestination() const override { return follower_.has_value(); }

    MMRESULT sendShort(const uint8_t* bytes, size_t length) override { return send(bytes, length); }
    MMRESULT sendLong(const uint8_t* bytes, size_t length) override { return send(bytes, length); }

private:
    MMRESULT send(const uint8_t* bytes, size_t length)
    {
        // Our port may have other subscribers: what ends a note still goes to them after the destination left.
        if (follower_ && follower_->gone() && !isRelease(bytes, length)) return MIDIERR_NODEVICE;
        out_->sendMessage(bytes, length);
        return failed() ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
    }
    std::optional<Announce> nextAnnounce() override;
    std::optional<PortDescription> describe(SeqPortAddress address) override;
    bool resubscribe(const std::string& name) override;

    std::atomic<bool> failed_{false};
    std::unique_ptr<RtMidiOut> out_;
    std::optional<AlsaDestinationFollower> follower_;
    snd_seq_t* announces_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
};

void AlsaMidiConnection::follow(const std::string& name, SeqPortAddress address)
{
    notifier_ = listenToAnnounces(announces_);
    if (!notifier_) return;
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { followAnnounces(*follower_, *this); });
    follower_.emplace(name, address);
}

std::optional<Announce> AlsaMidiConnection::nextAnnounce()
{
    for (;;) {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(announces_, &event);
        if (result == -ENOSPC) continue;   // events were lost to an overrun; read on
        if (result < 0 || !event) return std::nullopt;
        const SeqPortAddress address{event->data.addr.client, event->data.addr.port};
        switch (event->type) {
        case SND_SEQ_EVENT_PORT_START: return Announce{AnnounceKind::PortStart, address};
        case SND_SEQ_EVENT_PORT_CHANGE: return Announce{AnnounceKind::PortChange, address};
        case SND_SEQ_EVENT_PORT_EXIT: return Announce{AnnounceKind::PortExit, address};
        case SND_SEQ_EVENT_CLIENT_EXIT: return Announce{AnnounceKind::ClientExit, address};
        default: return Announce{AnnounceKind::Other, address};
        }
    }
}

std::optional<PortDescription> AlsaMidiConnection::describe(SeqPortAddress address)
{
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    if (snd_seq_get_any_client_info(announces_, address.client, client) < 0 ||
        snd_seq_get_any_port_info(announces_, address.client, address.port, port) < 0)
        return std::nullopt;
    const unsigned needed = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
    return PortDescription{std::string(snd_seq_client_info_get_name(client)) + ":" + snd_seq_port_info_get_name(port),
                           (snd_seq_port_info_get_capability(port) & needed) == needed};
}

bool AlsaMidiConnection::resubscribe(const std::string& name)
{
    out_->closePort();
    failed();   // undoing a subscription whose destination has gone may complain; that is expected
    if (!subscribe([&](const std::string& port) { return alsaShownPortName(port) == name; })) return false;
    tellConnected();
    return true;
}

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

std::optional<SeqPortAddress> alsaPortAddress(const std::string& rtMidiName)
{
    const size_t blank = rtMidiName.rfind(' ');
    if (blank == std::string::npos || !endsWithPortNumbers(rtMidiName, blank)) return std::nullopt;
    const std::string numbers = rtMidiName.substr(blank + 1);
    const size_t colon = numbers.find(':');
    return SeqPortAddress{std::stoi(numbers.substr(0, colon)), std::stoi(numbers.substr(colon + 1))};
}

AlsaMidiBackend::AlsaMidiBackend() = default;

AlsaMidiBackend::~AlsaMidiBackend()
{
    watcher_.reset();
    if (announces_) snd_seq_close(announces_);
}

// Without a sequencer no port can appear, so nothing goes untold.
bool AlsaMidiBackend::watch(DevicesNotice notice)
{
    notice_ = notice;
    if (!notice.changed || !available()) return true;
    if (!watcher_ && !announces_) {
        watcher_ = listenToAnnounces(announces_);
        if (watcher_) QObject::connect(watcher_.get(), &QSocketNotifier::activated, [this] { readAnnounces(); });
    }
    return watcher_ != nullptr;
}

// Every event waiting is read; a port that started or changed may be the one looked for.
void AlsaMidiBackend::readAnnounces()
{
    bool appeared = false;
    for (;;) {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(announces_, &event);
        if (result == -ENOSPC) continue;
        if (result < 0 || !event) break;
        appeared = appeared || event->type == SND_SEQ_EVENT_PORT_START || event->type == SND_SEQ_EVENT_PORT_CHANGE;
    }
    if (appeared && notice_.changed) notice_.changed(notice_.instance);
}

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
    const std::optional<SeqPortAddress> address = alsaPortAddress(key);
    const std::string name = alsaShownPortName(key);
    if (!address || !opened->subscribe([&](const std::string& port) { return port == key; })) return MIDIERR_NODEVICE;
    opened->follow(name, *address);
    connection = std::move(opened);
    return MMSYSERR_NOERROR;
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
