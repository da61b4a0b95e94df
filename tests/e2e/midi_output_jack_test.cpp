// TMidiOutput over the system driver and a real JACK server: a port chosen by name plays the exact
// bytes in order, reports its long message once, sends short messages without allocating, raises
// EmidioutputError once the server has gone, delivers each message one period after it was sent (or
// after the input event that sent it), delivers what was sent before it closes, keeps room for note
// offs and a panic in a full queue, ends notes for our port's other listeners after the destination
// has gone, and outlasts a failed remake after the server's return.
#include "midi/midi_output.h"
#include "platform/input_event_time.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/jack_server.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QObject>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;

template <unsigned Period>
class OverJackAt : public WithQtApplication, public ::testing::Test {
protected:
    void SetUp() override
    {
        port->SetProductName(reader.portName());
        ASSERT_TRUE(port->Open());
    }

    JackServer server{Period};
    JackMidiReader reader{"midi-monitor"};
    QObject owner;
    TMidiOutput* port = new TMidiOutput(&owner);
};

using MidiOutputOverJack = OverJackAt<256>;
using MidiOutputOverSlowJack = OverJackAt<1024>;   // a common desktop setting: 21.3 ms a cycle

// The client hears of a stopped server a moment later; until then sends still succeed.
std::optional<EmidioutputError> sendUntilRaised(TMidiOutput& port, const MidiBytes& message = {0x90, 60, 100})
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < deadline) {
        try {
            port.SendShortMessage(message[0], message[1], message[2]);
        } catch (const EmidioutputError& error) {
            return error;
        }
        std::this_thread::sleep_for(5ms);
    }
    return std::nullopt;
}

} // namespace

TEST_F(MidiOutputOverJack, PortChosenByNamePlaysExactBytesAndReportsTheLongMessageOnce)
{
    int fired = 0;
    port->SetOnmidioutput([&](TMidiOutput* sender) {
        EXPECT_EQ(sender, port);
        ++fired;
    });
    const std::array<uint8_t, 12> sysex = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xF7};
    port->SendShortMessage(0x90, 60, 100);
    port->SendShortMessage(0x80, 60, 0);
    port->SendShortMessage(0xB0, 1, 64);
    port->SendLongMessage(sysex.data(), sysex.size());

    const std::vector<MidiBytes> expected = {
        {0x90, 60, 100}, {0x80, 60, 0}, {0xB0, 1, 64}, MidiBytes(sysex.begin(), sysex.end())};
    EXPECT_EQ(reader.waitForEvents(4), expected);
    EXPECT_TRUE(processEventsUntil([&] { return fired > 0; }));
    processEventsUntil([] { return false; }, 50);
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(port->Close());
}

TEST_F(MidiOutputOverJack, ShortMessagesAllocateNothingOnTheirWayToJack)
{
    port->SendShortMessage(0x90, 60, 100);   // anything done once, on first use, is done now
    AllocationScope scope;
    for (uint8_t note = 0; note < 100; ++note) port->SendShortMessage(0x90, note, 100);
    EXPECT_EQ(scope.count(), 0u);
    EXPECT_EQ(reader.waitForEvents(101).size(), 101u);
}

TEST_F(MidiOutputOverJack, StoppedServerMakesTheNextSendRaise)
{
    server.stop();
    const std::optional<EmidioutputError> error = sendUntilRaised(*port);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message(), port->DriverErrorText(MIDIERR_NODEVICE));
    EXPECT_THROW(port->SendLongMessage(std::array<uint8_t, 2>{0xF0, 0xF7}.data(), 2), EmidioutputError);
    EXPECT_TRUE(port->Close());
}

TEST_F(MidiOutputOverSlowJack, EveryMessageArrivesOnePeriodAfterItWasSentInOrder)
{
    constexpr int count = 100;
    std::vector<jack_nframes_t> sent(count);
    std::vector<MidiBytes> expected;
    for (int i = 0; i < count; ++i) expected.push_back({0x90, static_cast<uint8_t>(i), 100});
    std::thread sender([&] {
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(next += 2500us);
            sent[i] = reader.frameTime();
            port->SendShortMessage(0x90, static_cast<uint8_t>(i), 100);
        }
    });
    sender.join();

    ASSERT_EQ(reader.waitForEvents(count), expected);
    std::vector<int32_t> latency;
    for (int i = 0; i < count; ++i) latency.push_back(static_cast<int32_t>(reader.arrivalFrames()[i] - sent[i]));
    const auto [fastest, slowest] = std::minmax_element(latency.begin(), latency.end());
    EXPECT_LE(*slowest - *fastest, 48) << "latency from " << *fastest << " to " << *slowest << " frames";   // 1 ms
}

// A note an input event sent is placed one period after the event, where that is still to come: the
// sends cover more than a cycle, so some come late enough in theirs for all of it to count.
TEST_F(MidiOutputOverSlowJack, MessageOfAnInputReadLateIsDatedBackToTheInput)
{
    constexpr int count = 10;
    std::vector<jack_nframes_t> sent(count);
    for (int i = 0; i < count; ++i) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        sent[i] = reader.frameTime();
        // The event happened 10 ms ago: its stamp proves 9 to 10 ms (432 to 480 frames) of lateness.
        const InputEventTime happened(uint64_t(now.tv_sec) * 1000 + uint64_t(now.tv_nsec) / 1000000 - 10);
        port->SendShortMessage(0x90, static_cast<uint8_t>(i), 100);
        std::this_thread::sleep_for(2500us);
    }
    ASSERT_EQ(reader.waitForEvents(count).size(), size_t{count});
    std::vector<int32_t> latency;
    for (int i = 0; i < count; ++i) latency.push_back(static_cast<int32_t>(reader.arrivalFrames()[i] - sent[i]));
    const auto [fastest, slowest] = std::minmax_element(latency.begin(), latency.end());
    EXPECT_GE(*fastest, 1024 - 480 - 48) << "dated back by more than the stamp proves";
    EXPECT_LE(*fastest, 1024 - 400) << "not dated back";
    EXPECT_LE(*slowest, 1024 + 48) << "later than undated";
}

TEST_F(MidiOutputOverSlowJack, CloseDeliversTheMessagesSentJustBefore)
{
    port->SendShortMessage(0x90, 60, 100);
    port->SendShortMessage(0x80, 60, 0);
    EXPECT_TRUE(port->Close());
    EXPECT_EQ(reader.waitForEvents(2), (std::vector<MidiBytes>{{0x90, 60, 100}, {0x80, 60, 0}}));
}

// A stalled server fills the queue: above its mark note ons and controllers are refused as busy, while
// a note off for every note and a whole panic (with a bend centre after each) still fit.
TEST_F(MidiOutputOverJack, FullQueueStillTakesEveryNoteOffAndAWholePanic)
{
    server.stall();
    bool busy = false;
    for (int i = 0; i < 100000 && !busy; ++i) {
        try {
            port->SendShortMessage(0x90, 60, 100);
        } catch (const EmidioutputError&) {
            busy = true;
        }
    }
    ASSERT_TRUE(busy);
    EXPECT_EQ(port->LastResult(), MIDIERR_NOTREADY);
    EXPECT_THROW(port->SendShortMessage(0xB0, 1, 64), EmidioutputError);
    EXPECT_NO_THROW({
        for (uint8_t note = 0; note < 128; ++note) {
            port->SendShortMessage(0x80, note, 0);
            port->SendShortMessage(0xE0, 0, 64);
        }
        for (uint8_t channel = 0; channel < 16; ++channel) {
            port->SendShortMessage(0xB0 + channel, 120, 0);
            port->SendShortMessage(0xB0 + channel, 123, 0);
            port->SendShortMessage(0xE0 + channel, 0, 64);
        }
    });
    server.resume();
}

// With our port also connected to a second program, a note that left it gets its note off there after
// the chosen destination has gone; what would start something new is refused, which tells the user.
TEST(MidiOutputOverJackWithListeners, NoteThatLeftOurPortEndsThereAfterTheDestinationVanished)
{
    ensureQtApplication();
    JackServer server;
    auto chosen = std::make_unique<JackMidiReader>("chosen-synth");
    JackMidiReader other("patchbay-listener");
    QObject owner;
    auto* port = new TMidiOutput(&owner);
    port->SetProductName(chosen->portName());
    ASSERT_TRUE(port->Open());
    other.connectFrom("Pixono:out");
    port->SendShortMessage(0x90, 60, 100);
    ASSERT_EQ(other.waitForEvents(1).size(), 1u);

    chosen.reset();
    ASSERT_TRUE(sendUntilRaised(*port, {0xB0, 1, 0}).has_value());
    EXPECT_EQ(port->LastResult(), MIDIERR_NODEVICE);
    EXPECT_NO_THROW(port->SendShortMessage(0x80, 60, 100));
    const std::vector<MidiBytes> heard = other.waitForEvents(SIZE_MAX, 300ms);
    EXPECT_EQ(heard.back(), (MidiBytes{0x80, 60, 100}));
}

// A server that comes back without room for our port: the output is not made anew, so sends still
// report the device gone, and the probe goes on until a server where it can be made returns.
TEST(MidiOutputOverReturningJack, FailedRemakeKeepsReportingTheDeviceGoneAndTheNextReturnPlaysAgain)
{
    ensureQtApplication();
    JackServer server;
    auto synth = std::make_unique<JackMidiReader>("returning-synth");
    QObject owner;
    auto* port = new TMidiOutput(&owner);
    port->SetProductName(synth->portName());
    ASSERT_TRUE(port->Open());

    server.stop();
    synth.reset();
    ASSERT_TRUE(sendUntilRaised(*port).has_value());
    server.start({"--port-max", "6"});   // the dummy driver's four ports and the synth's, and no more
    synth = std::make_unique<JackMidiReader>("returning-synth");
    processEventsUntil([] { return false; }, 5000);   // more than two probe periods
    EXPECT_FALSE(synth->connected());
    EXPECT_THROW(port->SendShortMessage(0x90, 60, 100), EmidioutputError);
    EXPECT_EQ(port->LastResult(), MIDIERR_NODEVICE);

    server.stop();
    synth.reset();
    server.start();
    synth = std::make_unique<JackMidiReader>("returning-synth");
    ASSERT_TRUE(processEventsUntil([&] { return synth->connected(); }, 8000));
    port->SendShortMessage(0x90, 60, 100);
    EXPECT_EQ(synth->waitForEvents(1), (std::vector<MidiBytes>{{0x90, 60, 100}}));
}
