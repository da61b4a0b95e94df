// The built-in synthesizer chosen by name on an output port, heard offline: the port's sends reach
// the synthesizer and its long messages come back done.
#include "midi/midi_output.h"
#include "platform/builtin_synth.h"
#include "tests/support/audio_measures.h"
#include "tests/support/offline_synth_audio.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QObject>

#include <cmath>

namespace {

TEST(BuiltinSynthPort, PlaysWhatThePortSendsAndReportsLongMessagesDone)
{
    ensureQtApplication();
    OfflineSynthAudio audio;
    QObject owner;
    auto* port = new TMidiOutput(&owner);
    int done = 0;
    port->SetOnmidioutput([&](TMidiOutput*) { ++done; });
    port->SetProductName(BuiltinSynth::kDeviceName);
    ASSERT_TRUE(port->Open());
    ASSERT_TRUE(audio.running());

    // Octave tuning, real-time form, all channels: A raised by 50 cents.
    const uint8_t tuning[] = {0xF0, 0x7F, 0x7F, 0x08, 0x08, 0x03, 0x7F, 0x7F, 0x40, 0x40, 0x40, 0x40,
                              0x40, 0x40, 0x40, 0x40, 0x40, 0x40 + 50, 0x40, 0x40, 0xF7};
    port->SendLongMessage(tuning, sizeof tuning);
    EXPECT_TRUE(processEventsUntil([&] { return done == 1; }));
    port->SendShortMessage(0x92, 69, 100);
    const std::vector<float> sound = audio.render(1.0);
    EXPECT_GT(peakLevel(sound), 0.01f);
    EXPECT_NEAR(strongestFrequency(sound, audio.sampleRate(), 100, 2000), 440.0 * std::pow(2.0, 0.5 / 12), 3.0);

    EXPECT_TRUE(port->Close());
    EXPECT_FALSE(audio.running());
}

} // namespace
