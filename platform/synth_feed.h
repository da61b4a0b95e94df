// Feeds the built-in synthesizer its messages without ever making the sender wait for a load. Loading
// a SoundFont, or the samples of an instrument that a program change or a reset selects, holds
// FluidSynth's lock for as long as it reads: that work runs on a thread of the feed's own, and the
// messages sent meanwhile queue behind it in order. While nothing is queued, a message that loads
// nothing plays at once on the sender's thread.
#pragma once

#include "platform/midi_services.h"

#include <jack/ringbuffer.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <semaphore>
#include <thread>
#include <vector>

class SynthFeed {
public:
    using Load = std::function<bool()>;
    using Play = std::function<void(const uint8_t* bytes, size_t length)>;

    // Starts `load` at once on the feed's thread; `play` plays one whole message, on either thread.
    SynthFeed(Load load, Play play);
    // Waits for a load in progress to end; what is still queued is dropped with the synthesizer.
    ~SynthFeed();
    SynthFeed(const SynthFeed&) = delete;
    SynthFeed& operator=(const SynthFeed&) = delete;

    // One message, from one sending thread; `loads` says that playing it may read samples. Never
    // allocates or locks. MIDIERR_NOTREADY when the queue is full (what ends a note always has room),
    // MMSYSERR_INVALPARAM when the message is longer than the queue takes, MMSYSERR_ERROR once the
    // load has failed.
    MMRESULT send(const uint8_t* bytes, size_t length, bool loads);
    // Waits until every message sent so far has been played.
    void settle() const;

    static constexpr size_t kMaxQueuedMessage = size_t{32} << 10;

private:
    void run();
    void playQueued();

    Load load_;
    Play play_;
    jack_ringbuffer_t* ring_;
    std::vector<uint8_t> message_;   // the feed thread's copy of the message it plays
    uint64_t sent_ = 1;              // what was handed to the feed thread, the load first
    std::atomic<uint64_t> played_{0};
    std::atomic<bool> failed_{false};
    std::atomic<bool> stopping_{false};
    std::counting_semaphore<> wake_{0};
    std::thread thread_;
};
