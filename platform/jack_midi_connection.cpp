// An open JACK MIDI output; see jack_midi_connection.h.
#include "platform/jack_midi_connection.h"

#include "platform/input_event_time.h"
#include "platform/jack_event_offset.h"
#include "platform/midi_message.h"
#include "platform/our_port_names.h"

#include <jack/midiport.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <thread>

namespace {

using namespace std::chrono_literals;

struct RecordHeader {
    uint32_t length;
    jack_nframes_t sent;   // the frame when the message was queued, or when the input that sent it happened
};

constexpr size_t kRingBytes = size_t{1} << 17;   // holds the longest message (65535 bytes) and more
// Room at the end of the ring that only releases may use, so that a note off and a whole panic always
// fit: 16 KiB holds about 1,490 short records (8 + 3 bytes each), five times the most a panic needs
// (All Sound Off, All Notes Off and a bend centre on 16 channels, and a note off and bend centre for
// each of the 128 notes).
constexpr size_t kReleaseReserve = size_t{16} << 10;
// A port's MIDI buffer holds its own header and one event record besides the bytes (48 bytes in
// jack2); a message that cannot fit an empty buffer is refused rather than lost.
constexpr size_t kMidiBufferOverhead = 64;

} // namespace

MMRESULT JackMidiConnection::open(const std::string& destination, std::unique_ptr<MidiConnection>& connection)
{
    std::unique_ptr<JackClient> client = JackClient::open(kOurClientName);
    if (!client) return MIDIERR_NOSERVER;
    std::unique_ptr<JackMidiConnection> opened(new JackMidiConnection(std::move(client), destination));
    opened->quietConnect_.store(!destination.empty(), std::memory_order_relaxed);
    const MMRESULT result = opened->setUp();
    if (result != MMSYSERR_NOERROR) return result;
    connection = std::move(opened);
    return MMSYSERR_NOERROR;
}

JackMidiConnection::JackMidiConnection(std::unique_ptr<JackClient> client, std::string destination)
    : client_(std::move(client)), destinationName_(std::move(destination))
{
    watch_ = std::make_unique<JackServerWatch>([this] { return client_->serverGone(); }, [this] { makeAnew(); },
                                               [this](uint32_t) {
                                                   // A port registered while the destination was gone.
                                                   if (destinationGone_.load(std::memory_order_relaxed)) connect();
                                               });
}

MMRESULT JackMidiConnection::setUp()
{
    jack_client_t* client = jack_ = client_->get();
    // Made anew after the server's return, the output starts with nothing queued.
    if (ring_) jack_ringbuffer_reset(ring_);
    else ring_ = jack_ringbuffer_create(kRingBytes);
    if (!ring_) return MMSYSERR_NOMEM;
    out_ = jack_port_register(client, kOurOutPortName, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (!out_) return MMSYSERR_ERROR;
    const size_t bufferSize = jack_port_type_get_buffer_size(client, JACK_DEFAULT_MIDI_TYPE);
    maxMessage_ = std::min(kRingBytes / 2, bufferSize > kMidiBufferOverhead ? bufferSize - kMidiBufferOverhead : 0);
    if (jack_set_process_callback(client, &JackMidiConnection::process, this) != 0 ||
        jack_set_port_registration_callback(client, &JackMidiConnection::portRegistration, this) != 0 ||
        jack_set_port_connect_callback(client, &JackMidiConnection::portConnect, this) != 0 ||
        jack_activate(client) != 0)
        return MMSYSERR_ERROR;
    active_ = true;
    return connect();
}

// Connects our port to the destination named at open, if there is one; MIDIERR_NODEVICE while no port
// of that name is there.
MMRESULT JackMidiConnection::connect()
{
    if (destinationName_.empty()) return MMSYSERR_NOERROR;
    // A registration notice can still arrive after the server has gone, when the client is no longer
    // ours to use.
    if (client_->serverGone()) return MIDIERR_NODEVICE;
    jack_client_t* client = client_->get();
    jack_port_t* port = jack_port_by_name(client, destinationName_.c_str());
    const int connected = port ? jack_connect(client, jack_port_name(out_), destinationName_.c_str()) : -1;
    if (connected != 0 && connected != EEXIST) {
        destinationGone_.store(true, std::memory_order_relaxed);
        return MIDIERR_NODEVICE;
    }
    destination_.store(port, std::memory_order_relaxed);
    destinationGone_.store(false, std::memory_order_relaxed);
    // A destination that unregistered before the store above went unnoticed by its notice: look again.
    if (jack_port_by_name(client, destinationName_.c_str()) != port) {
        destinationGone_.store(true, std::memory_order_relaxed);
        return MIDIERR_NODEVICE;
    }
    return MMSYSERR_NOERROR;
}

JackMidiConnection::~JackMidiConnection()
{
    // Closing stops the process callback; after the server has gone the client stays unclosed, and
    // so does the ring it might still read.
    if (active_) drain();
    const bool gone = client_->serverGone();
    if (active_ && !gone) jack_deactivate(jack_);
    client_.reset();
    watch_.reset();
    if (!gone && ring_) jack_ringbuffer_free(ring_);
}

// A new client with the same port names; the old one belongs to the dead server and is left unclosed.
// A destination that is not back yet is connected when it registers. A new client that cannot be set
// up is closed again and the old one kept, so sends still report the device gone and the probe goes on.
void JackMidiConnection::makeAnew()
{
    std::unique_ptr<JackClient> client = JackClient::open(kOurClientName);
    if (!client) return;   // the next probe tries again
    active_ = false;
    client_.swap(client);
    const MMRESULT result = setUp();
    if (result != MMSYSERR_NOERROR && result != MIDIERR_NODEVICE) client_.swap(client);
}

void JackMidiConnection::drain() const
{
    if (client_->serverGone()) return;
    jack_client_t* client = client_->get();
    const auto period = std::chrono::microseconds(uint64_t{jack_get_buffer_size(client)} * 1000000 /
                                                  std::max(jack_get_sample_rate(client), jack_nframes_t{1}));
    // Bounded for a server that has stopped running cycles, yet long enough for a loaded machine, where
    // a late cycle would otherwise lose the closing note offs.
    const auto deadline = std::chrono::steady_clock::now() + std::max<std::chrono::microseconds>(8 * period, 500ms);
    // Once the ring is empty, the cycle that took its last record must finish too, and the graph's
    // cycle with it (ours starts again only after that), so the events reach the port's readers.
    bool emptied = false;
    uint32_t emptiedAt = 0;
    while (!client_->serverGone() && std::chrono::steady_clock::now() < deadline) {
        const uint32_t cycles = cycles_.load(std::memory_order_acquire);
        if (!emptied && jack_ringbuffer_read_space(ring_) == 0) {
            emptied = true;
            emptiedAt = cycles;
        } else if (emptied && cycles - emptiedAt >= 2) {
            return;
        }
        std::this_thread::sleep_for(1ms);
    }
}

MMRESULT JackMidiConnection::sendShort(const uint8_t* bytes, size_t length) { return queue(bytes, length); }

MMRESULT JackMidiConnection::sendLong(const uint8_t* bytes, size_t length) { return queue(bytes, length); }

MMRESULT JackMidiConnection::queue(const uint8_t* bytes, size_t length)
{
    const bool release = isRelease(bytes, length);
    if (client_->serverGone()) return MIDIERR_NODEVICE;
    // Our port outlives the destination and may have other listeners: what ends a note still goes there.
    if (!release && destinationGone_.load(std::memory_order_relaxed)) return MIDIERR_NODEVICE;
    if (length > maxMessage_) return MMSYSERR_INVALPARAM;
    // Dated when the input that sent it happened, as far as its stamp proves, so that a busy desktop's
    // delay in reading the input does not delay the note.
    const RecordHeader header{static_cast<uint32_t>(length),
                              jack_time_to_frames(client_->get(), jack_get_time() - InputEventTime::latenessUs())};
    const size_t reserve = release ? 0 : kReleaseReserve;
    if (jack_ringbuffer_write_space(ring_) < sizeof header + length + reserve) return MIDIERR_NOTREADY;
    jack_ringbuffer_write(ring_, reinterpret_cast<const char*>(&header), sizeof header);
    jack_ringbuffer_write(ring_, reinterpret_cast<const char*>(bytes), length);
    return MMSYSERR_NOERROR;
}

int JackMidiConnection::process(jack_nframes_t frames, void* self)
{
    auto* connection = static_cast<JackMidiConnection*>(self);
    jack_ringbuffer_t* ring = connection->ring_;
    void* buffer = jack_port_get_buffer(connection->out_, frames);
    jack_midi_clear_buffer(buffer);
    const jack_nframes_t cycleStart = jack_last_frame_time(connection->jack_);
    bool wroteAny = false;
    jack_nframes_t earliest = 0;
    RecordHeader header{};
    // A record is complete once its bytes are readable too: the header is written first.
    while (jack_ringbuffer_peek(ring, reinterpret_cast<char*>(&header), sizeof header) == sizeof header &&
           jack_ringbuffer_read_space(ring) >= sizeof header + header.length) {
        const std::optional<jack_nframes_t> offset = jackEventOffset(header.sent, cycleStart, frames, earliest);
        if (!offset) break;
        jack_midi_data_t* slot = jack_midi_event_reserve(buffer, *offset, header.length);
        // What does not fit waits for the next cycle; what fits no empty buffer is dropped.
        if (!slot && wroteAny) break;
        jack_ringbuffer_read_advance(ring, sizeof header);
        if (slot) {
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(slot), header.length);
            wroteAny = true;
            earliest = *offset;
        } else {
            jack_ringbuffer_read_advance(ring, header.length);
        }
    }
    connection->cycles_.fetch_add(1, std::memory_order_release);
    return 0;
}

// JACK's notification thread: posts, never allocates, locks or calls the server.
void JackMidiConnection::portRegistration(jack_port_id_t port, int registered, void* self)
{
    auto* connection = static_cast<JackMidiConnection*>(self);
    if (connection->destinationName_.empty()) return;
    if (!registered) {
        if (jack_port_by_id(connection->jack_, port) == connection->destination_.load(std::memory_order_relaxed))
            connection->destinationGone_.store(true, std::memory_order_relaxed);
    } else if (connection->destinationGone_.load(std::memory_order_relaxed)) {
        connection->watch_->post(0);
    }
}

// JACK's notification thread, as above. Every connection to our port counts, whoever made it.
void JackMidiConnection::portConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self)
{
    auto* connection = static_cast<JackMidiConnection*>(self);
    if (!connected) return;
    jack_port_t* out = connection->out_;
    if (jack_port_by_id(connection->jack_, a) != out && jack_port_by_id(connection->jack_, b) != out) return;
    if (connection->quietConnect_.exchange(false, std::memory_order_relaxed)) return;
    connection->tellConnected();
}
