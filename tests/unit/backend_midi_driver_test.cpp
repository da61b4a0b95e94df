// The MIDI services over scripted back ends: opening by number and through the mapper, handles,
// devices that go away, the long-message header protocol and done reports.
#include "platform/backend_midi_driver.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;

struct Wire {
    std::vector<Bytes> sent;
    MMRESULT refuseWith = MMSYSERR_NOERROR;   // what every send returns, when not 0
};

class ScriptedConnection final : public MidiConnection {
public:
    explicit ScriptedConnection(Wire& wire) : wire_(wire) {}
    MMRESULT sendShort(const uint8_t* bytes, size_t length) override { return record(bytes, length); }
    MMRESULT sendLong(const uint8_t* bytes, size_t length) override { return record(bytes, length); }

private:
    MMRESULT record(const uint8_t* bytes, size_t length)
    {
        if (wire_.refuseWith) return wire_.refuseWith;
        wire_.sent.emplace_back(bytes, bytes + length);
        return MMSYSERR_NOERROR;
    }
    Wire& wire_;
};

// Lists whatever the test puts in `destinations`; every connection writes to the wire of its key.
struct ScriptedBackend final : MidiBackend {
    std::vector<MidiDestination> destinations;
    std::map<std::string, Wire> wires;
    std::vector<std::string> warmed;
    MMRESULT refuseOpenWith = MMSYSERR_NOERROR;
    bool throws = false;

    std::vector<MidiDestination> scan() override
    {
        if (throws) throw std::runtime_error("scan");
        return destinations;
    }
    MMRESULT open(const std::string& key, std::unique_ptr<MidiConnection>& connection) override
    {
        if (throws) throw std::runtime_error("open");
        if (refuseOpenWith) return refuseOpenWith;
        connection = std::make_unique<ScriptedConnection>(wires[key]);
        return MMSYSERR_NOERROR;
    }
    bool warmUp(const std::string& key) override
    {
        warmed.push_back(key);
        return ready;
    }
    bool ready = true;
};

struct DoneLog {
    std::mutex mutex;
    std::vector<uintptr_t> headers;
    std::vector<std::thread::id> threads;
    bool hold = false;                 // while set, the callback waits
    std::condition_variable released;
};

void logDone(HMIDIOUT, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t)
{
    auto* log = reinterpret_cast<DoneLog*>(instance);
    std::unique_lock lock(log->mutex);
    log->released.wait(lock, [&] { return !log->hold; });
    if (message == MOM_DONE) log->headers.push_back(param1);
    log->threads.push_back(std::this_thread::get_id());
}

struct LongMessage {
    explicit LongMessage(Bytes content) : bytes(std::move(content))
    {
        header.lpData = reinterpret_cast<char*>(bytes.data());
        header.dwBufferLength = static_cast<uint32_t>(bytes.size());
    }
    Bytes bytes;
    MIDIHDR header{};
};

class BackendDriver : public ::testing::Test {
protected:
    BackendDriver()
    {
        auto first = std::make_unique<ScriptedBackend>();
        auto second = std::make_unique<ScriptedBackend>();
        a = first.get();
        b = second.get();
        a->destinations = {{"a0", "Port A0"}, {"a1", "Port A1"}};
        b->destinations = {{"b0", "Port B0"}};
        std::vector<std::unique_ptr<MidiBackend>> backends;
        backends.push_back(std::move(first));
        backends.push_back(std::move(second));
        driver = createBackendMidiDriver(std::move(backends));
    }

    HMIDIOUT open(uint32_t id, DoneLog* log = nullptr)
    {
        HMIDIOUT handle = nullptr;
        EXPECT_EQ(driver->midiOutOpen(&handle, id, logDone, reinterpret_cast<uintptr_t>(log), CALLBACK_FUNCTION),
                  MMSYSERR_NOERROR);
        return handle;
    }

    ScriptedBackend* a = nullptr;
    ScriptedBackend* b = nullptr;
    std::unique_ptr<MidiServices> driver;
};

} // namespace

TEST_F(BackendDriver, MessagesReachTheOpenedDestinationWithTheirLength)
{
    EXPECT_EQ(driver->midiOutGetNumDevs(), 3u);
    HMIDIOUT handle = open(2);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00643C90), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00FF05C1), MMSYSERR_NOERROR);   // byte 3 is not sent
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x000000F8), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00643C10), MMSYSERR_INVALPARAM);
    EXPECT_EQ(b->wires["b0"].sent, (std::vector<Bytes>{{0x90, 60, 100}, {0xC1, 5}, {0xF8}}));
    EXPECT_TRUE(a->wires["a0"].sent.empty());
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(BackendDriver, OpenRefusals)
{
    HMIDIOUT handle = reinterpret_cast<HMIDIOUT>(1);
    EXPECT_EQ(driver->midiOutOpen(&handle, 3, nullptr, 0, 0), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(driver->midiOutOpen(nullptr, 0, nullptr, 0, 0), MMSYSERR_INVALPARAM);
    EXPECT_EQ(driver->midiOutOpen(&handle, 0, nullptr, 0, CALLBACK_FUNCTION), MMSYSERR_INVALPARAM);
    EXPECT_EQ(driver->midiOutOpen(&handle, 0, logDone, 0, 0x10000), MMSYSERR_INVALPARAM);

    HMIDIOUT first = open(0);
    EXPECT_EQ(driver->midiOutOpen(&handle, 0, nullptr, 0, 0), MMSYSERR_ALLOCATED);
    EXPECT_EQ(driver->midiOutOpen(&handle, MIDI_MAPPER, nullptr, 0, 0), MMSYSERR_ALLOCATED);
    EXPECT_EQ(driver->midiOutClose(first), MMSYSERR_NOERROR);

    a->refuseOpenWith = MIDIERR_NODEVICE;
    EXPECT_EQ(driver->midiOutOpen(&handle, 1, nullptr, 0, 0), MIDIERR_NODEVICE);
    EXPECT_EQ(handle, nullptr);
}

TEST_F(BackendDriver, MapperOpensTheFirstPresentDevice)
{
    a->destinations.clear();
    driver->midiOutGetNumDevs();
    HMIDIOUT handle = open(MIDI_MAPPER);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00403C90), MMSYSERR_NOERROR);
    EXPECT_EQ(b->wires["b0"].sent.size(), 1u);
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);

    b->destinations.clear();
    driver->midiOutGetNumDevs();
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(driver->midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof caps), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(driver->midiOutOpen(&handle, MIDI_MAPPER, nullptr, 0, 0), MMSYSERR_BADDEVICEID);
}

TEST_F(BackendDriver, VanishedDeviceKeepsItsNumberButIsGone)
{
    HMIDIOUT handle = open(1);
    a->destinations = {{"a0", "Port A0"}};
    EXPECT_EQ(driver->midiOutGetNumDevs(), 3u);
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(driver->midiOutGetDevCapsA(1, &caps, sizeof caps), MIDIERR_NODEVICE);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00403C90), MIDIERR_NODEVICE);
    LongMessage sysex({0xF0, 0xF7});
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &sysex.header, sizeof(MIDIHDR)), MIDIERR_NODEVICE);
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
    HMIDIOUT again = nullptr;
    EXPECT_EQ(driver->midiOutOpen(&again, 1, nullptr, 0, 0), MIDIERR_NODEVICE);
    EXPECT_TRUE(a->wires["a1"].sent.empty());
}

TEST_F(BackendDriver, WarmUpReachesTheNamedOrFirstListedDestination)
{
    for (const char* name : {"port b0", "", "Port C0"}) driver->midiOutWarmUp(name);
    a->destinations.clear();
    driver->midiOutWarmUp("");
    EXPECT_EQ(a->warmed, std::vector<std::string>{"a0"});
    EXPECT_EQ(b->warmed, (std::vector<std::string>{"b0", "b0"}));
    // Asked again, the destination tells whether it is ready yet.
    b->ready = false;
    EXPECT_FALSE(driver->midiOutWarmUp(""));
    b->ready = true;
    EXPECT_TRUE(driver->midiOutWarmUp(""));
    EXPECT_TRUE(driver->midiOutWarmUp("Port C0"));  // nothing of that name to get ready
}

TEST_F(BackendDriver, StaleHandlesAreRefused)
{
    HMIDIOUT handle = open(0);
    ASSERT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
    LongMessage sysex({0xF0, 0xF7});
    for (HMIDIOUT stale : {handle, HMIDIOUT{}}) {
        EXPECT_EQ(driver->midiOutShortMsg(stale, 0x00403C90), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(driver->midiOutPrepareHeader(stale, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(driver->midiOutLongMsg(stale, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(driver->midiOutUnprepareHeader(stale, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(driver->midiOutClose(stale), MMSYSERR_INVALHANDLE);
    }
    EXPECT_TRUE(a->wires["a0"].sent.empty());
}

TEST_F(BackendDriver, CapabilityQueryFillsAtMostTheSizeGiven)
{
    MIDIOUTCAPSA caps;
    std::memset(&caps, 0xAA, sizeof caps);
    ASSERT_EQ(driver->midiOutGetDevCapsA(2, &caps, 8), MMSYSERR_NOERROR);
    EXPECT_EQ(caps.vDriverVersion, 0x0100u);
    EXPECT_EQ(static_cast<unsigned char>(caps.szPname[0]), 0xAA);
    EXPECT_EQ(driver->midiOutGetDevCapsA(2, nullptr, sizeof caps), MMSYSERR_INVALPARAM);
}

TEST_F(BackendDriver, LongMessageNeedsAPreparedHeader)
{
    HMIDIOUT handle = open(0);
    LongMessage sysex({0xF0, 0x7D, 0x10, 0xF7});
    EXPECT_EQ(driver->midiOutLongMsg(handle, &sysex.header, sizeof(MIDIHDR)), MIDIERR_UNPREPARED);
    EXPECT_EQ(driver->midiOutPrepareHeader(handle, &sysex.header, kMinMidiHeaderSize - 1), MMSYSERR_INVALPARAM);
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_TRUE(sysex.header.dwFlags & MHDR_PREPARED);
    ASSERT_EQ(driver->midiOutUnprepareHeader(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_FALSE(sysex.header.dwFlags & MHDR_PREPARED);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &sysex.header, sizeof(MIDIHDR)), MIDIERR_UNPREPARED);

    LongMessage empty({});
    empty.header.lpData = reinterpret_cast<char*>(sysex.bytes.data());
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &empty.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &empty.header, sizeof(MIDIHDR)), MMSYSERR_INVALPARAM);
    EXPECT_TRUE(a->wires["a0"].sent.empty());
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(BackendDriver, LongMessageIsCopiedAndReportedDoneFromAnotherThread)
{
    DoneLog log;
    HMIDIOUT handle = open(0, &log);
    LongMessage sysex({0xF0, 0x7D, 0x10, 0xF7});
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(driver->midiOutLongMsg(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    sysex.bytes[1] = 0;   // the driver has its own copy by now
    ASSERT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);   // returns after the report

    EXPECT_EQ(a->wires["a0"].sent, (std::vector<Bytes>{{0xF0, 0x7D, 0x10, 0xF7}}));
    ASSERT_EQ(log.headers, std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&sysex.header)});
    EXPECT_NE(log.threads[0], std::this_thread::get_id());
    EXPECT_EQ(sysex.header.dwFlags, MHDR_PREPARED | MHDR_DONE);
}

TEST_F(BackendDriver, QueuedHeaderIsStillPlayingUntilReported)
{
    DoneLog log;
    log.hold = true;
    HMIDIOUT handle = open(0, &log);
    LongMessage first({0xF0, 0x01, 0xF7});
    LongMessage second({0xF0, 0x02, 0xF7});
    for (LongMessage* message : {&first, &second}) {
        ASSERT_EQ(driver->midiOutPrepareHeader(handle, &message->header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
        ASSERT_EQ(driver->midiOutLongMsg(handle, &message->header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    }
    // The report of the first is held in the callback, so the second is still queued.
    EXPECT_EQ(driver->midiOutLongMsg(handle, &second.header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    EXPECT_EQ(driver->midiOutUnprepareHeader(handle, &second.header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    {
        std::lock_guard lock(log.mutex);
        log.hold = false;
    }
    log.released.notify_all();
    ASSERT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
    EXPECT_EQ(log.headers, (std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&first.header),
                                                   reinterpret_cast<uintptr_t>(&second.header)}));
    EXPECT_EQ(a->wires["a0"].sent.size(), 2u);
}

TEST_F(BackendDriver, RefusedLongMessageIsNotReported)
{
    DoneLog log;
    HMIDIOUT handle = open(0, &log);
    a->wires["a0"].refuseWith = MIDIERR_NOTREADY;
    LongMessage sysex({0xF0, 0xF7});
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &sysex.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &sysex.header, sizeof(MIDIHDR)), MIDIERR_NOTREADY);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00403C90), MIDIERR_NOTREADY);
    ASSERT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
    EXPECT_TRUE(log.headers.empty());
    EXPECT_EQ(sysex.header.dwFlags, MHDR_PREPARED);
}

TEST_F(BackendDriver, ThrowingBackEndStaysInsideTheDriver)
{
    a->throws = true;
    EXPECT_EQ(driver->midiOutGetNumDevs(), 3u);   // its devices are absent, not lost
    HMIDIOUT handle = nullptr;
    EXPECT_EQ(driver->midiOutOpen(&handle, 0, nullptr, 0, 0), MIDIERR_NODEVICE);
    a->throws = false;
    driver->midiOutGetNumDevs();
    a->throws = true;
    EXPECT_EQ(driver->midiOutOpen(&handle, 0, nullptr, 0, 0), MMSYSERR_ERROR);
    EXPECT_EQ(handle, nullptr);
}
