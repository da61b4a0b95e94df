// The system MIDI driver against a real JACK server: the device list, exact bytes on the wire, done
// reports from the driver's own thread, and devices that go away while open.
#include "platform/builtin_synth.h"
#include "platform/system_midi_driver.h"
#include "tests/support/jack_server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::vector<std::string> deviceNames(MidiServices& driver)
{
    std::vector<std::string> names;
    const uint32_t count = driver.midiOutGetNumDevs();
    for (uint32_t id = 0; id < count; ++id) {
        // A device that is not there now keeps its number without a description.
        MIDIOUTCAPSA caps{};
        const bool described = driver.midiOutGetDevCapsA(id, &caps, sizeof caps) == MMSYSERR_NOERROR;
        names.push_back(described ? productNameOf(caps) : std::string());
    }
    return names;
}

std::optional<uint32_t> deviceNamed(MidiServices& driver, const std::string& name)
{
    const std::vector<std::string> names = deviceNames(driver);
    for (uint32_t id = 0; id < names.size(); ++id)
        if (names[id] == name) return id;
    return std::nullopt;
}

struct DoneRecord {
    std::thread::id thread;
    uint32_t message = 0;
    uintptr_t param1 = 0;
    int calls = 0;
};

void recordDone(HMIDIOUT, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t)
{
    auto* record = reinterpret_cast<DoneRecord*>(instance);
    record->thread = std::this_thread::get_id();
    record->message = message;
    record->param1 = param1;
    ++record->calls;
}

// A server that has just been stopped is noticed by the client a moment later; until then sends
// still succeed. Returns the first refusal, or 0 if every send within the bound succeeded.
MMRESULT sendUntilRefused(MidiServices& driver, HMIDIOUT handle)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    MMRESULT result = MMSYSERR_NOERROR;
    while (result == MMSYSERR_NOERROR && std::chrono::steady_clock::now() < deadline) {
        result = driver.midiOutShortMsg(handle, 0x00407F90);
        std::this_thread::sleep_for(5ms);
    }
    return result;
}

class SystemDriverOverJack : public ::testing::Test {
protected:
    JackServer server;
    std::unique_ptr<JackMidiReader> reader = std::make_unique<JackMidiReader>("midi-monitor");
    std::unique_ptr<MidiServices> driver = createSystemMidiDriver();

    HMIDIOUT openReader(DoneRecord* done = nullptr)
    {
        const std::optional<uint32_t> id = deviceNamed(*driver, "midi-monitor:in");
        EXPECT_TRUE(id.has_value());
        HMIDIOUT handle = nullptr;
        EXPECT_EQ(driver->midiOutOpen(&handle, id.value_or(0), recordDone, reinterpret_cast<uintptr_t>(done),
                                      done ? CALLBACK_FUNCTION : 0),
                  MMSYSERR_NOERROR);
        return handle;
    }
};

} // namespace

TEST_F(SystemDriverOverJack, ListsTheSynthesizerTheVirtualOutputThenTheReaderPort)
{
    std::vector<std::string> expected = {"Pixono virtual output", "midi-monitor:in"};
    if (!BuiltinSynth::soundFontPath().empty()) expected.insert(expected.begin(), "Built-in synthesizer");
    EXPECT_EQ(deviceNames(*driver), expected);

    MIDIOUTCAPSA mapper{};
    ASSERT_EQ(driver->midiOutGetDevCapsA(MIDI_MAPPER, &mapper, sizeof mapper), MMSYSERR_NOERROR);
    EXPECT_STREQ(mapper.szPname, "MIDI mapper");
}

TEST_F(SystemDriverOverJack, ShortAndLongMessagesArriveAsExactBytesInOrder)
{
    DoneRecord done;
    HMIDIOUT handle = openReader(&done);
    ASSERT_NE(handle, nullptr);

    std::vector<char> sysex = {'\xF0', '\x7D', '\x01', '\x02', '\x03', '\x04',
                               '\x05', '\x06', '\x07', '\x08', '\x09', '\xF7'};
    MIDIHDR header{};
    header.lpData = sysex.data();
    header.dwBufferLength = static_cast<uint32_t>(sysex.size());
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);

    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00643C90), MMSYSERR_NOERROR);   // note on 60, 100
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00003C80), MMSYSERR_NOERROR);   // note off 60
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x004001B0), MMSYSERR_NOERROR);   // controller 1 = 64
    EXPECT_EQ(driver->midiOutLongMsg(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x000005C0), MMSYSERR_NOERROR);   // program 5: two bytes

    const std::vector<MidiBytes> events = reader->waitForEvents(5);
    const std::vector<MidiBytes> expected = {
        {0x90, 60, 100}, {0x80, 60, 0}, {0xB0, 1, 64},
        {0xF0, 0x7D, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xF7}, {0xC0, 5}};
    EXPECT_EQ(events, expected);

    // Close returns only after every done report has been delivered.
    ASSERT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
    EXPECT_EQ(done.calls, 1);
    EXPECT_EQ(done.message, MOM_DONE);
    EXPECT_EQ(done.param1, reinterpret_cast<uintptr_t>(&header));
    EXPECT_NE(done.thread, std::this_thread::get_id());
    EXPECT_EQ(header.dwFlags & (MHDR_DONE | MHDR_INQUEUE), MHDR_DONE);
}

TEST_F(SystemDriverOverJack, LongMessageArrivesWholeOrIsRefused)
{
    HMIDIOUT handle = openReader();
    ASSERT_NE(handle, nullptr);
    std::vector<char> fits(30000, '\x11');
    std::vector<char> tooLong(40000, '\x22');
    for (auto* bytes : {&fits, &tooLong}) {
        bytes->front() = '\xF0';
        bytes->back() = '\xF7';
    }
    MIDIHDR first{}, second{};
    first.lpData = fits.data();
    first.dwBufferLength = static_cast<uint32_t>(fits.size());
    second.lpData = tooLong.data();
    second.dwBufferLength = static_cast<uint32_t>(tooLong.size());
    for (MIDIHDR* header : {&first, &second})
        ASSERT_EQ(driver->midiOutPrepareHeader(handle, header, sizeof *header), MMSYSERR_NOERROR);
    // Refused, not silently dropped: no port buffer holds 40000 bytes.
    EXPECT_EQ(driver->midiOutLongMsg(handle, &second, sizeof second), MMSYSERR_INVALPARAM);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &first, sizeof first), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00403C90), MMSYSERR_NOERROR);

    const std::vector<MidiBytes> events = reader->waitForEvents(2);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], MidiBytes(fits.begin(), fits.end()));
    EXPECT_EQ(events[1], (MidiBytes{0x90, 60, 64}));
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(SystemDriverOverJack, VirtualOutputIsAPortOthersConnectTo)
{
    HMIDIOUT handle = nullptr;
    const std::optional<uint32_t> id = deviceNamed(*driver, "Pixono virtual output");
    ASSERT_TRUE(id.has_value());
    ASSERT_EQ(driver->midiOutOpen(&handle, *id, nullptr, 0, 0), MMSYSERR_NOERROR);
    jack_client_t* patchbay = jack_client_open("patchbay", JackNoStartServer, nullptr);
    ASSERT_NE(patchbay, nullptr);
    EXPECT_EQ(jack_connect(patchbay, "Pixono:out", reader->portName().c_str()), 0);
    jack_client_close(patchbay);

    EXPECT_EQ(driver->midiOutShortMsg(handle, 0x00403E91), MMSYSERR_NOERROR);
    EXPECT_EQ(reader->waitForEvents(1), (std::vector<MidiBytes>{{0x91, 62, 64}}));
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(SystemDriverOverJack, StoppedServerMakesSendsReportTheDeviceGone)
{
    HMIDIOUT handle = openReader();
    ASSERT_NE(handle, nullptr);
    const uint32_t count = driver->midiOutGetNumDevs();
    const std::optional<uint32_t> id = deviceNamed(*driver, "midi-monitor:in");
    server.stop();

    EXPECT_EQ(sendUntilRefused(*driver, handle), MIDIERR_NODEVICE);
    char data[] = {'\xF0', '\xF7'};
    MIDIHDR header{};
    header.lpData = data;
    header.dwBufferLength = sizeof data;
    ASSERT_EQ(driver->midiOutPrepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(driver->midiOutLongMsg(handle, &header, sizeof header), MIDIERR_NODEVICE);
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);

    // The devices keep their numbers and refuse to open.
    EXPECT_EQ(driver->midiOutGetNumDevs(), count);
    EXPECT_EQ(driver->midiOutOpen(&handle, id.value_or(0), nullptr, 0, 0), MIDIERR_NODEVICE);
}

TEST_F(SystemDriverOverJack, RemovedDestinationMakesSendsReportTheDeviceGone)
{
    HMIDIOUT handle = openReader();
    ASSERT_NE(handle, nullptr);
    reader.reset();
    EXPECT_EQ(sendUntilRefused(*driver, handle), MIDIERR_NODEVICE);
    EXPECT_EQ(driver->midiOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(SystemDriverOverJack, DestinationThatReturnsGetsItsNumberBack)
{
    const std::optional<uint32_t> first = deviceNamed(*driver, "midi-monitor:in");
    reader.reset();
    JackMidiReader other("other-reader");
    const std::optional<uint32_t> second = deviceNamed(*driver, "other-reader:in");
    reader = std::make_unique<JackMidiReader>("midi-monitor");
    EXPECT_EQ(deviceNamed(*driver, "midi-monitor:in"), first);
    ASSERT_TRUE(second.has_value());
    EXPECT_GT(*second, *first);
}
