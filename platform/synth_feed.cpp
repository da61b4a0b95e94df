// The built-in synthesizer's feed; see synth_feed.h.
#include "platform/synth_feed.h"

#include "platform/midi_message.h"

#include <chrono>
#include <new>

namespace {

constexpr size_t kRingBytes = size_t{64} << 10;
// Kept free for note offs and the controllers that end notes, so that a full queue never leaves a note sounding.
constexpr size_t kReleaseReserve = size_t{16} << 10;

using RecordHeader = uint32_t;   // the message's length, before its bytes

} // namespace

SynthFeed::SynthFeed(Load load, Play play)
    : load_(std::move(load)), play_(std::move(play)), ring_(jack_ringbuffer_create(kRingBytes)),
      message_(kMaxQueuedMessage)
{
    if (!ring_) throw std::bad_alloc();
    thread_ = std::thread([this] { run(); });
}

SynthFeed::~SynthFeed()
{
    stopping_.store(true, std::memory_order_relaxed);
    wake_.release();
    thread_.join();
    jack_ringbuffer_free(ring_);
}

MMRESULT SynthFeed::send(const uint8_t* bytes, size_t length, bool loads)
{
    const uint64_t played = played_.load(std::memory_order_acquire);
    if (played > 0 && failed_.load(std::memory_order_relaxed)) return MMSYSERR_ERROR;
    // Everything handed over has been played, and the feed thread is out of the synthesizer.
    if (!loads && played == sent_) {
        play_(bytes, length);
        return MMSYSERR_NOERROR;
    }
    if (length > kMaxQueuedMessage) return MMSYSERR_INVALPARAM;
    const size_t reserve = isRelease(bytes, length) ? 0 : kReleaseReserve;
    if (jack_ringbuffer_write_space(ring_) < sizeof(RecordHeader) + length + reserve) return MIDIERR_NOTREADY;
    const auto header = static_cast<RecordHeader>(length);
    jack_ringbuffer_write(ring_, reinterpret_cast<const char*>(&header), sizeof header);
    jack_ringbuffer_write(ring_, reinterpret_cast<const char*>(bytes), length);
    ++sent_;
    wake_.release();
    return MMSYSERR_NOERROR;
}

void SynthFeed::settle() const
{
    while (played_.load(std::memory_order_acquire) != sent_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void SynthFeed::run()
{
    failed_.store(!load_(), std::memory_order_relaxed);
    played_.store(1, std::memory_order_release);
    for (;;) {
        wake_.acquire();
        if (stopping_.load(std::memory_order_relaxed)) return;
        playQueued();
    }
}

void SynthFeed::playQueued()
{
    RecordHeader length = 0;
    // A record is whole once its bytes are readable too: the header is written first.
    while (jack_ringbuffer_peek(ring_, reinterpret_cast<char*>(&length), sizeof length) == sizeof length &&
           jack_ringbuffer_read_space(ring_) >= sizeof length + length) {
        jack_ringbuffer_read_advance(ring_, sizeof length);
        jack_ringbuffer_read(ring_, reinterpret_cast<char*>(message_.data()), length);
        if (!failed_.load(std::memory_order_relaxed)) play_(message_.data(), length);
        played_.fetch_add(1, std::memory_order_release);
    }
}
