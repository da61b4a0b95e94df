// The built-in synthesizer where no audio output answers: the open is refused quietly, no JACK
// server is started on the way, the output port still lists the device, and the window says why.
#include "app/form_main.h"
#include "app/program_paths.h"
#include "midi/midi_output.h"
#include "platform/builtin_synth.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_message_presenter.h"
#include "tests/support/window_play.h"

#include <gtest/gtest.h>
#include <jack/jack.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

bool jackServerRuns()
{
    jack_client_t* client = jack_client_open("pixono-test-probe", JackNoStartServer, nullptr);
    if (!client) return false;
    jack_client_close(client);
    return true;
}

void silentJack(const char*) {}

// Takes every audio system away from this test process, whatever the machine has: PipeWire and
// PulseAudio find no socket, JACK no server of this name, and ALSA a configuration without devices.
class BuiltinSynthNoAudio : public testing::Test {
protected:
    void SetUp() override
    {
        writeFileBytes(noDevices, "");
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        ::setenv("PULSE_SERVER", runtime.file("no-pulse").c_str(), 1);
        ::setenv("PIPEWIRE_REMOTE", runtime.file("no-pipewire").c_str(), 1);
        ::setenv("JACK_DEFAULT_SERVER", ("pixono-no-audio-" + std::to_string(::getpid())).c_str(), 1);
        ::setenv("ALSA_CONFIG_PATH", noDevices.c_str(), 1);
        jack_set_error_function(silentJack);
    }

    TempFolder runtime;
    const std::string noDevices = runtime.file("alsa.conf");
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

TEST_F(BuiltinSynthNoAudio, ChosenInTheWindowItShowsWhyItCouldNotBeOpened)
{
    ensureQtApplication();
    testMessagePresenter().shown.clear();
    std::remove(SettingsFileName().c_str());
    {
        TFormMain form;
        chooseMidiOutPort(form, BuiltinSynth::kDeviceName);
        EXPECT_EQ(form.MidiOutput->DeviceHandle(), nullptr);
    }
    std::remove(SettingsFileName().c_str());
    ASSERT_EQ(testMessagePresenter().shown.size(), 1u);
    EXPECT_EQ(testMessagePresenter().shown[0].text.toStdString(),
              "MIDI output port 'Built-in synthesizer' could not be opened: no audio output answered; start "
              "PipeWire, PulseAudio or JACK, or connect a sound card.");
}

} // namespace
