// The built-in synthesizer on a machine with no audio output: the open is refused quietly, no JACK
// server is started on the way, and the output port still lists the device.
#include "midi/midi_output.h"
#include "platform/builtin_synth.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>
#include <jack/jack.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

bool machineHasAudio()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime ? runtime : "";
    return std::filesystem::exists("/dev/snd") ||
           (!dir.empty() && (std::filesystem::exists(dir + "/pulse/native") || std::filesystem::exists(dir + "/pipewire-0")));
}

bool jackServerRuns()
{
    jack_client_t* client = jack_client_open("pixono-test-probe", JackNoStartServer, nullptr);
    if (!client) return false;
    jack_client_close(client);
    return true;
}

void silentJack(const char*) {}

class BuiltinSynthNoAudio : public testing::Test {
protected:
    void SetUp() override
    {
        if (machineHasAudio()) GTEST_SKIP() << "this machine has an audio output";
        // A server name of the test's own, which nothing else runs.
        ::setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);
        jack_set_error_function(silentJack);
    }
    void TearDown() override { ::unsetenv("JACK_DEFAULT_SERVER"); }

    const std::string server = "pixono-no-audio-" + std::to_string(::getpid());
};

TEST_F(BuiltinSynthNoAudio, OpenIsRefusedQuietlyWithoutStartingJack)
{
    BuiltinSynth synth;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const MMRESULT first = synth.open();
    const MMRESULT second = synth.open();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(first, MIDIERR_NOAUDIO);
    EXPECT_EQ(second, MIDIERR_NOAUDIO);
    EXPECT_FALSE(synth.isOpen());
    EXPECT_EQ(synth.shortMessage(0x644590), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_FALSE(jackServerRuns()) << "opening started a JACK server";
}

TEST_F(BuiltinSynthNoAudio, PortOpenReturnsFalseAndTheDeviceStaysListed)
{
    ensureQtApplication();
    QObject owner;
    auto* port = new TMidiOutput(&owner);
    ASSERT_NO_THROW(port->SetProductName(BuiltinSynth::kDeviceName));
    EXPECT_EQ(port->DeviceID(), 0u) << "the built-in synthesizer is listed first";

    testing::internal::CaptureStderr();
    bool opened = true;
    EXPECT_NO_THROW(opened = port->Open());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(opened);
    EXPECT_EQ(port->LastResult(), MIDIERR_NOAUDIO);
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_FALSE(port->Close());

    auto* again = new TMidiOutput(&owner);
    EXPECT_NO_THROW(again->SetProductName(BuiltinSynth::kDeviceName));
    EXPECT_EQ(again->DeviceID(), 0u);
}

} // namespace
