// FakeMidiDriver: a scriptable stand-in for the MIDI services. Tests list devices with their capability
// records, make any call fail with a chosen code (for every device or one), read back every call and
// every message in order, and receive done notifications from the fake's own thread, as from a driver.
#pragma once

#include "platform/done_notifier.h"
#include "platform/midi_services.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class MidiCall { GetNumDevs, GetDevCaps, Open, ShortMsg, PrepareHeader, LongMsg, UnprepareHeader, Close, GetErrorText };

struct MidiCallRecord {
    MidiCall call;
    uint32_t deviceId;   // the queried or opened device, or the device of the handle; 0 otherwise
    HMIDIOUT handle;     // the handle passed (or handed out by an open)
    MIDIHDR* header;     // header calls only
    MMRESULT result;     // for GetNumDevs: the count
    uintptr_t instance;  // opens only: the instance data given
};

struct SentMidiMessage {
    HMIDIOUT handle;
    uint32_t shortWord;              // short messages
    std::vector<uint8_t> longBytes;  // long messages, copied when sent
    bool isLong() const { return !longBytes.empty(); }
};

// Capability record with the given name bytes (at most 32 are kept; 32 leave no terminating zero).
MIDIOUTCAPSA fakeCaps(std::string_view name);

class FakeMidiDriver final : public MidiServices {
public:
    // Number of records kept without allocating, so allocation-counting tests can run against the fake.
    static constexpr std::size_t kReservedRecords = 4096;

    FakeMidiDriver();
    FakeMidiDriver(const FakeMidiDriver&) = delete;
    FakeMidiDriver& operator=(const FakeMidiDriver&) = delete;

    // Devices: IDs are given in order of adding, starting at 0. Adding one tells the watcher, as a
    // driver does when a port appears, unless the fake is told to say it cannot tell.
    uint32_t addDevice(std::string_view name);
    uint32_t addDevice(const MIDIOUTCAPSA& caps);
    // The mapper's record. Unless set, the mapper answers "MIDI mapper" while a device is listed
    // (and opens device 0), and refuses with MMSYSERR_BADDEVICEID when none is.
    void setMapper(const MIDIOUTCAPSA& caps);
    void setTellsDeviceChanges(bool tells);

    // Makes `call` return `code` (for `device` only, when given) the next `times` times, -1 for ever.
    void fail(MidiCall call, MMRESULT code, std::optional<uint32_t> device = std::nullopt, int times = -1);
    void clearFailures();

    // With automatic done (the default) a thread of the fake's own reports each long message soon after
    // it was sent, as a driver does; otherwise headers wait until deliverDone() or the device's close.
    void setAutoDone(bool automatic);
    void deliverDone();
    // Blocks until every long message sent so far has been reported through the callback.
    void waitUntilDoneDelivered();
    // waitUntilDoneDelivered(), then spins the GUI event loop until every posted notification was
    // handled. Returns false if that did not happen within a bounded number of rounds.
    bool awaitDoneNotifications();

    std::vector<MidiCallRecord> calls() const;
    std::vector<SentMidiMessage> messages() const;
    std::size_t callCount(MidiCall call) const;
    // The latest record of `call`; fails the test's expectations with a default record if none.
    MidiCallRecord lastCall(MidiCall call) const;
    std::size_t openDeviceCount() const;
    void clearRecords();

    // The fake's text for a code it knows, or an empty string.
    static std::string errorText(MMRESULT code);

    uint32_t midiOutGetNumDevs() override;
    MMRESULT midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size) override;
    MMRESULT midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback, uintptr_t instance,
                         uint32_t flags) override;
    MMRESULT midiOutShortMsg(HMIDIOUT handle, uint32_t message) override;
    MMRESULT midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override;
    MMRESULT midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override;
    MMRESULT midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override;
    MMRESULT midiOutClose(HMIDIOUT handle) override;
    MMRESULT midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size) override;
    bool midiOutWatchDevices(MidiOutDevicesChanged changed, uintptr_t instance) override;

private:
    struct OpenDevice {
        HMIDIOUT handle;
        uint32_t deviceId;
        MidiOutCallback callback;
        uintptr_t instance;
    };
    struct Failure {
        MidiCall call;
        MMRESULT code;
        std::optional<uint32_t> device;
        int times;
    };

    std::optional<MIDIOUTCAPSA> mapperCaps() const;
    const OpenDevice* findOpen(HMIDIOUT handle) const;
    MMRESULT scripted(MidiCall call, uint32_t device);
    MMRESULT record(MidiCall call, uint32_t device, HMIDIOUT handle, MIDIHDR* header, MMRESULT result,
                    uintptr_t instance = 0);
    MMRESULT checkHandle(MidiCall call, HMIDIOUT handle, MIDIHDR* header, const OpenDevice*& device);
    // Hands the held reports (of `handle` only, when given) to the done thread.
    void releaseHeld(HMIDIOUT handle = nullptr);

    mutable std::mutex mutex_;
    std::vector<MIDIOUTCAPSA> devices_;
    std::optional<MIDIOUTCAPSA> mapper_;
    std::vector<Failure> failures_;
    std::vector<OpenDevice> open_;
    std::vector<MidiCallRecord> calls_;
    std::vector<SentMidiMessage> messages_;
    std::vector<DoneNotifier::Report> held_;
    uintptr_t nextHandle_ = 0x1000;
    bool autoDone_ = true;
    bool tellsDeviceChanges_ = true;
    MidiOutDevicesChanged changed_ = nullptr;
    uintptr_t changedInstance_ = 0;
    DoneNotifier done_;   // last: its thread ends before the records it reports about go
};

// Installs a driver as the current MIDI services for its lifetime.
class ScopedMidiServices {
public:
    explicit ScopedMidiServices(MidiServices& driver) { installMidiServices(&driver); }
    ~ScopedMidiServices() { installMidiServices(nullptr); }
    ScopedMidiServices(const ScopedMidiServices&) = delete;
    ScopedMidiServices& operator=(const ScopedMidiServices&) = delete;
};
