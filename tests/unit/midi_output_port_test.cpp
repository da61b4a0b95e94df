// Opening and closing the output port, short messages and the driver's error texts.
#include "tests/unit/midi_output_fixture.h"

#include "midi/callback_instance.h"
#include "midi/driver_callback.h"
#include "tests/support/allocation_counter.h"

#include <cstring>

namespace {

const CallbackInstance* instanceOf(const MidiCallRecord& open)
{
    return reinterpret_cast<const CallbackInstance*>(open.instance);
}

TEST_F(MidiOutputTest, OpenHandsTheDriverTheRelayAndAFilledInstanceRecord)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Open);
    const MidiCallRecord open = driver.lastCall(MidiCall::Open);
    EXPECT_EQ(port->DeviceHandle(), open.handle);
    const CallbackInstance* instance = instanceOf(open);
    ASSERT_NE(instance, nullptr);
    EXPECT_NE(instance->MemoryHandle, nullptr);
    EXPECT_NE(instance->TargetWindow, nullptr);
    EXPECT_EQ(instance->EventRing, nullptr);
    EXPECT_EQ(instance->DropShortData, 0);
    EXPECT_EQ(blocksInUse(), 1u);
}

TEST_F(MidiOutputTest, InstanceRecordOutlivesCloseAndIsReused)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    const uintptr_t first = driver.lastCall(MidiCall::Open).instance;
    ASSERT_TRUE(port->Close());
    EXPECT_EQ(blocksInUse(), 1u);
    ASSERT_TRUE(port->Open());
    EXPECT_EQ(driver.lastCall(MidiCall::Open).instance, first);
    EXPECT_EQ(blocksInUse(), 1u);
}

TEST_F(MidiOutputTest, RefusedOpenRaisesNothingAndReleasesTheInstanceRecord)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED, std::nullopt, 1);
    EXPECT_FALSE(port->Open());
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Closed);
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_EQ(port->LastResult(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(blocksInUse(), 0u);

    ASSERT_TRUE(port->Open());
    EXPECT_EQ(blocksInUse(), 1u);   // a fresh record
    EXPECT_NE(instanceOf(driver.lastCall(MidiCall::Open))->MemoryHandle, nullptr);
}

TEST_F(MidiOutputTest, OpenFailsWithoutCallingTheDriverWhenNoInstanceRecordCanBeHad)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    GlobalAllocFailAfter(0);
    EXPECT_FALSE(port->Open());
    GlobalAllocFailAfter(-1);
    GlobalLockFailAfter(0);
    EXPECT_FALSE(port->Open());
    EXPECT_EQ(driver.callCount(MidiCall::Open), 0u);
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_EQ(blocksInUse(), 0u);
}

TEST_F(MidiOutputTest, OpenOnAnOpenPortLeavesTheOpenDeviceAlone)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    const HMIDIOUT handle = port->DeviceHandle();
    EXPECT_FALSE(port->Open());
    EXPECT_EQ(port->DeviceHandle(), handle);
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Open);
    EXPECT_EQ(driver.callCount(MidiCall::Open), 1u);
    EXPECT_EQ(driver.openDeviceCount(), 1u);
}

TEST_F(MidiOutputTest, CloseOnAClosedPortCallsNothing)
{
    TMidiOutput* port = makePort();
    driver.clearRecords();
    EXPECT_FALSE(port->Close());
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_TRUE(driver.calls().empty());
}

TEST_F(MidiOutputTest, CloseReleasesTheDevice)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    const HMIDIOUT handle = port->DeviceHandle();
    EXPECT_TRUE(port->Close());
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Closed);
    EXPECT_EQ(driver.lastCall(MidiCall::Close).handle, handle);
    EXPECT_EQ(driver.openDeviceCount(), 0u);
}

TEST_F(MidiOutputTest, RefusedCloseRaisesAndKeepsThePortOpen)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    const HMIDIOUT handle = port->DeviceHandle();
    driver.fail(MidiCall::Close, MIDIERR_STILLPLAYING, std::nullopt, 1);
    expectMidiError([&] { port->Close(); }, text(MIDIERR_STILLPLAYING));
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Open);
    EXPECT_EQ(port->DeviceHandle(), handle);
    EXPECT_EQ(port->LastResult(), MIDIERR_STILLPLAYING);
    EXPECT_TRUE(port->Close());
}

TEST_F(MidiOutputTest, ShortMessagePacksStatusAndDataIntoOneWord)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    port->SendShortMessage(144, 60, 100);
    port->SendShortMessage(0xB5, 0x7F, 0x01);
    const auto sent = driver.messages();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].shortWord, 0x00643C90u);
    EXPECT_EQ(sent[1].shortWord, 0x00017FB5u);
    EXPECT_EQ(sent[0].handle, port->DeviceHandle());
}

TEST_F(MidiOutputTest, RefusedShortMessageRaisesTheDriverText)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE);
    expectMidiError([&] { port->SendShortMessage(128, 60, 0); }, text(MIDIERR_NODEVICE));
    EXPECT_EQ(port->LastResult(), MIDIERR_NODEVICE);
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Open);
}

TEST_F(MidiOutputTest, ShortMessageOnAClosedPortGoesToTheDriverWithTheNullHandle)
{
    TMidiOutput* port = makePort();
    expectMidiError([&] { port->SendShortMessage(144, 60, 100); }, text(MMSYSERR_INVALHANDLE));
    EXPECT_EQ(driver.callCount(MidiCall::ShortMsg), 1u);
    EXPECT_EQ(driver.lastCall(MidiCall::ShortMsg).handle, nullptr);
}

TEST_F(MidiOutputTest, ShortMessageNeitherAllocatesNorBuildsText)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    port->SendShortMessage(144, 60, 100);
    const AllocationScope scope;
    for (int i = 0; i < 100; ++i) port->SendShortMessage(144, static_cast<uint8_t>(i), 100);
    EXPECT_EQ(scope.count(), 0u);
    EXPECT_EQ(driver.callCount(MidiCall::GetErrorText), 0u);
}

TEST_F(MidiOutputTest, SendEventOnAClosedPortCallsNothing)
{
    TMidiOutput* port = makePort();
    driver.clearRecords();
    expectMidiError([&] { port->SendEvent(MidiEvent{144, 60, 100}); }, "MIDI Output device not open");
    EXPECT_TRUE(driver.calls().empty());
}

// Records what SendEvent dispatches to, to show it goes through the overridable operations.
class DispatchSpy : public TMidiOutput {
public:
    using TMidiOutput::TMidiOutput;
    void SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override
    {
        shortWords.push_back(uint32_t{status} | uint32_t{data1} << 8 | uint32_t{data2} << 16);
    }
    void SendLongMessage(const uint8_t* bytes, uint16_t length) override
    {
        longLengths.push_back(length);
        longBytes = bytes;
    }
    std::vector<uint32_t> shortWords;
    std::vector<uint16_t> longLengths;
    const uint8_t* longBytes = nullptr;
};

TEST_F(MidiOutputTest, SendEventDispatchesOnItsLongData)
{
    driver.addDevice("A");
    auto* port = new DispatchSpy(&owner);
    ASSERT_TRUE(port->Open());
    const uint8_t sysex[] = {0xF0, 0x7E, 0xF7};
    port->SendEvent(MidiEvent{176, 1, 64, 0, 3, nullptr});
    port->SendEvent(MidiEvent{0, 0, 0, 0, 3, sysex});
    EXPECT_EQ(port->shortWords, std::vector<uint32_t>{0x4001B0u});
    EXPECT_EQ(port->longLengths, std::vector<uint16_t>{3});
    EXPECT_EQ(port->longBytes, sysex);
}

TEST_F(MidiOutputTest, DriverErrorTextFallsBackForUnknownCodes)
{
    TMidiOutput* port = makePort();
    EXPECT_EQ(port->DriverErrorText(MIDIERR_NODEVICE), text(MIDIERR_NODEVICE));
    EXPECT_EQ(port->DriverErrorText(999), "Specified error number is out of range");
    driver.fail(MidiCall::GetErrorText, MMSYSERR_INVALPARAM);
    EXPECT_EQ(port->DriverErrorText(MIDIERR_NODEVICE), "Specified error number is out of range");
}

// A driver whose texts are longer than the buffer it is given, written without a terminating zero
// if the buffer's size were ignored.
class LongTextDriver final : public MidiServices {
public:
    uint32_t midiOutGetNumDevs() override { return 0; }
    MMRESULT midiOutGetDevCapsA(uint32_t, MIDIOUTCAPSA*, uint32_t) override { return MMSYSERR_BADDEVICEID; }
    MMRESULT midiOutOpen(HMIDIOUT*, uint32_t, MidiOutCallback, uintptr_t, uint32_t) override { return 2; }
    MMRESULT midiOutShortMsg(HMIDIOUT, uint32_t) override { return 5; }
    MMRESULT midiOutPrepareHeader(HMIDIOUT, MIDIHDR*, uint32_t) override { return 5; }
    MMRESULT midiOutLongMsg(HMIDIOUT, MIDIHDR*, uint32_t) override { return 5; }
    MMRESULT midiOutUnprepareHeader(HMIDIOUT, MIDIHDR*, uint32_t) override { return 5; }
    MMRESULT midiOutClose(HMIDIOUT) override { return 5; }
    MMRESULT midiOutGetErrorTextA(MMRESULT, char* text, uint32_t size) override
    {
        givenSize = size;
        std::memset(text, 'x', size);   // a full buffer and no zero
        return 0;
    }
    uint32_t givenSize = 0;
};

TEST_F(MidiOutputTest, DriverErrorTextNeverReadsPastItsBuffer)
{
    TMidiOutput* port = makePort();
    LongTextDriver longTexts;
    installMidiServices(&longTexts);
    const std::string message = port->DriverErrorText(5);
    installMidiServices(&driver);
    EXPECT_EQ(longTexts.givenSize, 128u);
    EXPECT_EQ(message, std::string(128, 'x'));
}

TEST_F(MidiOutputTest, DestructionClosesTheOpenPortAndReleasesTheInstanceRecord)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    delete port;
    EXPECT_EQ(driver.openDeviceCount(), 0u);
    EXPECT_EQ(blocksInUse(), 0u);
}

TEST_F(MidiOutputTest, OwnerDeletesThePortAndARefusedCloseDoesNotEscapeDestruction)
{
    driver.addDevice("A");
    {
        QObject parent;
        auto* port = new TMidiOutput(&parent);
        ASSERT_TRUE(port->Open());
        driver.fail(MidiCall::Close, MMSYSERR_ERROR, std::nullopt, 1);
    }
    EXPECT_EQ(driver.callCount(MidiCall::Close), 1u);
    EXPECT_EQ(blocksInUse(), 0u);
}

} // namespace
