// What the system MIDI driver needs of each back end (JACK, ALSA sequencer, built-in synthesizer, the
// virtual output): the destinations it offers now, and an open connection to one of them.
#pragma once

#include "platform/midi_services.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Technology codes of the capability record.
constexpr uint16_t MOD_MIDIPORT = 1;
constexpr uint16_t MOD_MAPPER = 5;
constexpr uint16_t MOD_SWSYNTH = 7;

// Whom an open output tells when a destination connects to it after the open: a plain function and
// its argument, so that any thread may call it without allocating or locking.
struct ConnectionNotice {
    void (*tell)(uintptr_t context) noexcept = nullptr;
    uintptr_t context = 0;
};

// One open output of a back end; destroying it closes it.
class MidiConnection {
public:
    virtual ~MidiConnection() = default;
    // Sends one complete short message at once; runs on the GUI thread, never allocates or locks.
    virtual MMRESULT sendShort(const uint8_t* bytes, size_t length) = 0;
    // Sends one long message; the caller's bytes are no longer needed when it returns.
    virtual MMRESULT sendLong(const uint8_t* bytes, size_t length) = 0;
    // True when the connection follows its destination itself (reports it gone, and connects again
    // when it returns); otherwise the driver goes by its latest device list.
    virtual bool followsDestination() const { return false; }
    // Set once, right after the open; a destination that connects later (a synth that came back, a
    // patchbay's or a session's connection to our port) is told from then on.
    void setConnectionNotice(ConnectionNotice notice) noexcept
    {
        noticeContext_.store(notice.context, std::memory_order_relaxed);
        noticeTell_.store(notice.tell, std::memory_order_release);
    }

protected:
    // Any thread.
    void tellConnected() const noexcept
    {
        if (const auto tell = noticeTell_.load(std::memory_order_acquire))
            tell(noticeContext_.load(std::memory_order_relaxed));
    }

private:
    std::atomic<void (*)(uintptr_t) noexcept> noticeTell_{nullptr};
    std::atomic<uintptr_t> noticeContext_{0};
};

struct MidiDestination {
    std::string key;                       // identifies it within its back end across rescans
    std::string name;                      // shown name, before cutting to the record's size
    uint16_t technology = MOD_MIDIPORT;
};

// Whom a back end tells that its destinations may have changed; see midiOutWatchDevices.
struct DevicesNotice {
    MidiOutDevicesChanged changed = nullptr;
    uintptr_t instance = 0;
};

class MidiBackend {
public:
    virtual ~MidiBackend() = default;
    // The destinations offered now, in listing order; none when the back end is not available.
    // Never throws and prints nothing.
    virtual std::vector<MidiDestination> scan() = 0;
    // Opens the destination with this key into `connection`; MIDIERR_NODEVICE when it has gone.
    virtual MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) = 0;
    // Tells `notice` from now on when a destination may have appeared; a null `changed` stops it. True
    // when every appearance will be told. A list that changes only by what is installed needs no telling.
    virtual bool watch(DevicesNotice) { return true; }
    // The destination with this key may open soon: what its open would wait for starts loading beside
    // the caller's thread. Never blocks; true once the destination is ready to open at once.
    virtual bool warmUp(const std::string&) { return true; }
};
