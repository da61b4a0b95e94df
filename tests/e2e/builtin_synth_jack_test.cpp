// The built-in synthesizer playing through a real JACK server, opened by name on an output port:
// its sound arrives on the server, and closing it leaves no client behind.
#include "midi/midi_output.h"
#include "platform/builtin_synth.h"
#include "tests/support/jack_audio_listener.h"
#include "tests/support/jack_server.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QObject>

#include <algorithm>
#include <memory>

namespace {

bool hasClient(const std::vector<std::string>& clients, const std::string& name)
{
    return std::find(clients.begin(), clients.end(), name) != clients.end();
}

TEST(BuiltinSynthJack, PlaysThroughJackAndLeavesNoClientBehind)
{
    ensureQtApplication();
    JackServer server;
    JackAudioListener listener;
    const std::vector<std::string> before = listener.otherClients();

    QObject owner;
    auto* port = new TMidiOutput(&owner);
    port->SetProductName(BuiltinSynth::kDeviceName);
    ASSERT_TRUE(port->Open());
    const std::vector<std::string> during = listener.otherClients();
    ASSERT_EQ(during.size(), before.size() + 1) << "the synthesizer should be one JACK client";
    std::string synthClient;
    for (const std::string& client : during)
        if (!hasClient(before, client)) synthClient = client;
    ASSERT_TRUE(listener.listenTo(synthClient + ":left"));

    EXPECT_FALSE(listener.hears(0.001f, std::chrono::milliseconds(300))) << "sound before any note";
    port->SendShortMessage(0x90, 69, 100);
    EXPECT_TRUE(listener.hears(0.01f)) << "the note never arrived on the server";

    EXPECT_TRUE(port->Close());
    EXPECT_EQ(listener.otherClients(), before);
}

} // namespace

// The synthesizer alone, with no other client of ours on the server to hear of its shutdown.
TEST(BuiltinSynthJack, PlaysAgainOnceTheServerHasRestarted)
{
    ensureQtApplication();
    JackServer server;
    BuiltinSynth synth;
    ASSERT_EQ(synth.open(), MMSYSERR_NOERROR);

    server.stop();
    server.start();
    auto listener = std::make_unique<JackAudioListener>();
    // Noticed within two probe periods: the synthesizer's audio is a client of the new server again.
    ASSERT_TRUE(processEventsUntil([&] { return hasClient(listener->otherClients(), "pixono-synth"); }, 8000));
    ASSERT_TRUE(listener->listenTo("pixono-synth:left"));
    synth.shortMessage(0x90 | 69 << 8 | 100 << 16);
    EXPECT_TRUE(listener->hears(0.01f)) << "the note never arrived on the new server";
    synth.close();
}
