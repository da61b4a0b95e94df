// The built-in synthesizer on a machine with no audio output: the open is refused quietly and no
// JACK server is started on the way.
#include "platform/builtin_synth.h"

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

TEST(BuiltinSynthNoAudio, OpenIsRefusedQuietlyWithoutStartingJack)
{
    if (machineHasAudio()) GTEST_SKIP() << "this machine has an audio output";
    // A server name of the test's own, which nothing else runs.
    const std::string server = "pixono-no-audio-" + std::to_string(::getpid());
    ::setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);
    jack_set_error_function(silentJack);

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
    ::unsetenv("JACK_DEFAULT_SERVER");
}

} // namespace
