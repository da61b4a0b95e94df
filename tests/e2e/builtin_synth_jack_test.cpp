// The built-in synthesizer playing through a real JACK server: its sound arrives on the server, and
// closing it leaves no client behind.
#include "platform/builtin_synth.h"
#include "tests/support/jack_audio_listener.h"
#include "tests/support/jack_server.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool hasClient(const std::vector<std::string>& clients, const std::string& name)
{
    return std::find(clients.begin(), clients.end(), name) != clients.end();
}

TEST(BuiltinSynthJack, PlaysThroughJackAndLeavesNoClientBehind)
{
    JackServer server;
    JackAudioListener listener;
    const std::vector<std::string> before = listener.otherClients();

    BuiltinSynth synth;
    ASSERT_EQ(synth.open(), MMSYSERR_NOERROR);
    const std::vector<std::string> during = listener.otherClients();
    ASSERT_EQ(during.size(), before.size() + 1) << "the synthesizer should be one JACK client";
    std::string synthClient;
    for (const std::string& client : during)
        if (!hasClient(before, client)) synthClient = client;
    ASSERT_TRUE(listener.listenTo(synthClient + ":left"));

    EXPECT_FALSE(listener.hears(0.001f, std::chrono::milliseconds(300))) << "sound before any note";
    ASSERT_EQ(synth.shortMessage(0x90 | (69 << 8) | (100 << 16)), MMSYSERR_NOERROR);
    EXPECT_TRUE(listener.hears(0.01f)) << "the note never arrived on the server";

    synth.close();
    EXPECT_EQ(listener.otherClients(), before);
}

} // namespace
