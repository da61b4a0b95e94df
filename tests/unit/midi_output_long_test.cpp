// Long messages: the buffer's way to the driver and back, and its release on every path.
#include "tests/unit/midi_output_fixture.h"

#include "midi/driver_callback.h"
#include "midi/my_midi_hdr.h"
#include "platform/notify_window.h"

#include <QCoreApplication>
#include <QThread>

#include <array>

namespace {

const std::array<uint8_t, 12> kSysex = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xF7};

class LongMessageTest : public MidiOutputTest {
protected:
    void SetUp() override
    {
        MidiOutputTest::SetUp();
        driver.addDevice("Synth");
        port = makePort();
        ASSERT_TRUE(port->Open());
        blocksWhileOpen = GlobalBlocksInUse();
    }
    std::size_t buffersInUse() const { return GlobalBlocksInUse() - blocksWhileOpen; }

    TMidiOutput* port = nullptr;
    std::size_t blocksWhileOpen = 0;
};

TEST_F(LongMessageTest, BytesReachTheDriverInAPreparedHeaderThatKnowsItsOwner)
{
    driver.setAutoDone(false);
    port->SendLongMessage(kSysex.data(), kSysex.size());
    const auto sent = driver.messages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].longBytes, std::vector<uint8_t>(kSysex.begin(), kSysex.end()));
    EXPECT_EQ(sent[0].handle, port->DeviceHandle());

    const MidiCallRecord prepare = driver.lastCall(MidiCall::PrepareHeader);
    const MidiCallRecord longMsg = driver.lastCall(MidiCall::LongMsg);
    ASSERT_NE(prepare.header, nullptr);
    EXPECT_EQ(longMsg.header, prepare.header);
    const MIDIHDR* header = longMsg.header;
    EXPECT_EQ(header->dwBufferLength, kSysex.size());
    const auto* owner = reinterpret_cast<const TMyMidiHdr*>(header->dwUser);
    EXPECT_EQ(owner->Header, header);
    EXPECT_EQ(owner->Data, header->lpData);
    EXPECT_EQ(buffersInUse(), 2u);   // held by the driver until it is done
    driver.deliverDone();
    EXPECT_TRUE(driver.awaitDoneNotifications());
}

TEST_F(LongMessageTest, DoneNotificationReleasesTheBufferAndFiresOnceOnTheGuiThread)
{
    std::vector<QThread*> firedOn;
    TMidiOutput* sender = nullptr;
    port->SetOnmidioutput([&](TMidiOutput* from) {
        sender = from;
        firedOn.push_back(QThread::currentThread());
    });
    driver.setAutoDone(false);
    port->SendLongMessage(kSysex.data(), kSysex.size());
    EXPECT_TRUE(firedOn.empty());   // not before the driver is done

    ASSERT_TRUE(driver.awaitDoneNotifications());
    EXPECT_EQ(buffersInUse(), 0u);
    ASSERT_EQ(firedOn.size(), 1u);
    EXPECT_EQ(firedOn[0], QCoreApplication::instance()->thread());
    EXPECT_EQ(sender, port);
    EXPECT_EQ(driver.lastCall(MidiCall::UnprepareHeader).result, MMSYSERR_NOERROR);
}

TEST_F(LongMessageTest, BufferIsReleasedWithoutAHandler)
{
    port->SendLongMessage(kSysex.data(), kSysex.size());
    ASSERT_TRUE(driver.awaitDoneNotifications());
    EXPECT_EQ(buffersInUse(), 0u);
    EXPECT_EQ(driver.callCount(MidiCall::UnprepareHeader), 1u);
}

TEST_F(LongMessageTest, BuffersComeBackInDriverOrder)
{
    int fired = 0;
    port->SetOnmidioutput([&](TMidiOutput*) { ++fired; });
    driver.setAutoDone(false);
    for (uint8_t length = 1; length <= 5; ++length) port->SendLongMessage(kSysex.data(), length);
    ASSERT_TRUE(driver.awaitDoneNotifications());
    EXPECT_EQ(fired, 5);
    EXPECT_EQ(buffersInUse(), 0u);

    std::vector<MIDIHDR*> sent, released;
    for (const MidiCallRecord& call : driver.calls()) {
        if (call.call == MidiCall::LongMsg) sent.push_back(call.header);
        if (call.call == MidiCall::UnprepareHeader) released.push_back(call.header);
    }
    EXPECT_EQ(released, sent);
}

TEST_F(LongMessageTest, RefusedPreparationReleasesTheBuffer)
{
    driver.fail(MidiCall::PrepareHeader, MMSYSERR_NOMEM);
    expectMidiError([&] { port->SendLongMessage(kSysex.data(), kSysex.size()); }, text(MMSYSERR_NOMEM));
    EXPECT_EQ(port->LastResult(), MMSYSERR_NOMEM);
    EXPECT_EQ(buffersInUse(), 0u);
    EXPECT_EQ(driver.callCount(MidiCall::LongMsg), 0u);
}

TEST_F(LongMessageTest, RefusedLongMessageUnpreparesAndReleasesTheBuffer)
{
    driver.fail(MidiCall::LongMsg, MIDIERR_NODEVICE);
    expectMidiError([&] { port->SendLongMessage(kSysex.data(), kSysex.size()); }, text(MIDIERR_NODEVICE));
    EXPECT_EQ(port->LastResult(), MIDIERR_NODEVICE);
    EXPECT_EQ(buffersInUse(), 0u);
    const MidiCallRecord unprepare = driver.lastCall(MidiCall::UnprepareHeader);
    EXPECT_EQ(unprepare.header, driver.lastCall(MidiCall::PrepareHeader).header);
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(LongMessageTest, EmptyLongMessageIsRefusedAndSendsNothing)
{
    driver.clearRecords();
    try {
        port->SendLongMessage(kSysex.data(), 0);
        ADD_FAILURE() << "an empty long message was accepted";
    } catch (const EmidioutputError& error) {
        EXPECT_FALSE(error.message().empty());
    }
    EXPECT_TRUE(driver.calls().empty());
    EXPECT_EQ(buffersInUse(), 0u);
}

TEST_F(LongMessageTest, UnavailableBufferRaisesOutOfMemoryAndSendsNothing)
{
    driver.clearRecords();
    for (int fresh : {0, 1}) {   // the header block, then the data block
        GlobalAllocFailAfter(fresh);
        expectMidiError([&] { port->SendLongMessage(kSysex.data(), kSysex.size()); }, text(MMSYSERR_NOMEM));
        GlobalAllocFailAfter(-1);
        EXPECT_EQ(buffersInUse(), 0u);
    }
    EXPECT_EQ(driver.callCount(MidiCall::PrepareHeader), 0u);
}

TEST_F(LongMessageTest, NotifyWindowActsOnDoneNotificationsOnly)
{
    int fired = 0;
    port->SetOnmidioutput([&](TMidiOutput*) { ++fired; });
    driver.clearRecords();
    for (uint32_t message : {MIM_DATA, WM_USER, 968u}) port->HandleNotifyMessage(PostedMessage{message, 0, 0});
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(driver.calls().empty());
}

TEST_F(LongMessageTest, DoneAfterCloseStillReleasesTheBuffer)
{
    int fired = 0;
    port->SetOnmidioutput([&](TMidiOutput*) { ++fired; });
    driver.setAutoDone(false);
    port->SendLongMessage(kSysex.data(), kSysex.size());
    ASSERT_TRUE(port->Close());   // the fake reports the header done while closing
    ASSERT_TRUE(driver.awaitDoneNotifications());
    EXPECT_EQ(buffersInUse(), 0u);
    EXPECT_EQ(fired, 1);
}

TEST_F(LongMessageTest, DestructionReleasesBuffersAlreadyHandedBackWithoutNotifying)
{
    int fired = 0;
    port->SetOnmidioutput([&](TMidiOutput*) { ++fired; });
    port->SendLongMessage(kSysex.data(), kSysex.size());
    driver.waitUntilDoneDelivered();   // posted, but not yet handled
    delete port;
    EXPECT_EQ(GlobalBlocksInUse(), blocksAtStart);
    EXPECT_EQ(NotifyPostsInFlight(), 0);
    EXPECT_EQ(fired, 0);
}

} // namespace
