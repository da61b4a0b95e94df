// The built-in synthesizer heard offline: what it plays for each message, rendered by the test.
#include "platform/builtin_synth.h"
#include "tests/support/audio_measures.h"
#include "tests/support/offline_synth_audio.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kAudible = 0.01f;
constexpr float kSilent = 1e-4f;

uint32_t shortWord(uint8_t status, uint8_t data1, uint8_t data2)
{
    return status | (uint32_t{data1} << 8) | (uint32_t{data2} << 16);
}

class BuiltinSynthOffline : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(BuiltinSynth::soundFontPath().empty()) << "no GM SoundFont installed";
        ASSERT_EQ(synth.open(), MMSYSERR_NOERROR);
        ASSERT_TRUE(audio.running());
    }

    void send(uint8_t status, uint8_t data1, uint8_t data2)
    {
        ASSERT_EQ(synth.shortMessage(shortWord(status, data1, data2)), MMSYSERR_NOERROR);
    }

    // The pitch of the next second of sound, which must be audible.
    double pitchOfNextSecond()
    {
        const std::vector<float> sound = audio.render(1.0);
        EXPECT_GT(peakLevel(sound), kAudible);
        return strongestFrequency(sound, audio.sampleRate(), 100, 2000);
    }

    // Seconds of sound until a tenth of a second is silent, or -1 when it still sounds after `limit`.
    double secondsUntilSilent(double limit)
    {
        for (double t = 0; t < limit; t += 0.1) {
            if (peakLevel(audio.render(0.1)) < kSilent) return t;
        }
        return -1;
    }

    OfflineSynthAudio audio;
    BuiltinSynth synth;
};

double semitonesAbove(double hz, double semitones) { return hz * std::pow(2.0, semitones / 12); }

TEST_F(BuiltinSynthOffline, NoteOnPlaysThatNotesPitch)
{
    send(0x90, 69, 100);
    EXPECT_NEAR(pitchOfNextSecond(), 440.0, 3.0);
    send(0x80, 69, 0);
    send(0x90, 81, 100);
    EXPECT_NEAR(pitchOfNextSecond(), 880.0, 3.0);
}

TEST_F(BuiltinSynthOffline, SilenceBeforeTheFirstNote)
{
    EXPECT_LT(peakLevel(audio.render(0.5)), kSilent);
}

TEST_F(BuiltinSynthOffline, EachFormOfNoteOffLetsTheNoteDieAway)
{
    for (uint8_t offStatus : {uint8_t{0x80}, uint8_t{0x90}}) {
        SCOPED_TRACE(offStatus);
        send(0x90, 69, 100);
        ASSERT_GT(peakLevel(audio.render(0.3)), kAudible);
        send(offStatus, 69, 0);
        // A held piano note is still well above silence after 1.5 s.
        EXPECT_GE(secondsUntilSilent(1.5), 0.0) << "still sounding 1.5 s after the note off";
    }
}

TEST_F(BuiltinSynthOffline, NoteOffOnAnotherChannelLeavesTheNoteSounding)
{
    send(0x91, 69, 100);
    send(0x80, 69, 0);
    EXPECT_NEAR(pitchOfNextSecond(), 440.0, 3.0);
    // A note off on its own channel silences it within 1.5 s; this one must still sound then.
    EXPECT_LT(secondsUntilSilent(0.5), 0.0) << "a note off on another channel ended the note";
}

TEST_F(BuiltinSynthOffline, ProgramChangeAfterOpenPlaysTheNewInstrument)
{
    // Instruments no channel selected at open: their samples are read only when chosen.
    for (uint8_t program : {uint8_t{40}, uint8_t{73}}) {
        SCOPED_TRACE(program);
        send(0xC1, program, 0);
        send(0x91, 69, 100);
        EXPECT_NEAR(pitchOfNextSecond(), 440.0, 3.0);
        send(0x81, 69, 0);
        audio.render(2.0);
    }
}

TEST_F(BuiltinSynthOffline, ChannelTenPlaysDrumsAlsoAfterAReset)
{
    // A closed hi-hat has died away before a second is over though its key is held; a piano's note
    // would still sound.
    for (uint8_t reset : {uint8_t{0}, uint8_t{0xFF}}) {
        SCOPED_TRACE(reset);
        if (reset) send(reset, 0, 0);
        send(0x99, 42, 100);
        EXPECT_GT(peakLevel(audio.render(0.2)), kAudible / 2);
        audio.render(0.5);
        EXPECT_LT(peakLevel(audio.render(0.3)), kSilent);
        send(0x89, 42, 0);
    }
}

TEST_F(BuiltinSynthOffline, ChannelTenPlaysTheZonesInstrumentWhileAnMpeZoneCoversItThenDrumsAgain)
{
    const auto zoneOf = [this](uint8_t members) {
        for (const auto& [controller, value] : {std::pair<uint8_t, uint8_t>{101, 0}, {100, 6}, {6, members}})
            send(0xB0, controller, value);
    };
    for (bool drumsFirst : {false, true}) {
        SCOPED_TRACE(drumsFirst);
        if (drumsFirst) send(0x99, 42, 100);  // the kit already taken up
        audio.render(1.0);
        zoneOf(15);
        send(0x99, 69, 100);
        EXPECT_NEAR(pitchOfNextSecond(), 440.0, 3.0);
        send(0x89, 69, 0);
        zoneOf(0);
        audio.render(2.0);
        send(0x99, 42, 100);  // a closed hi-hat dies away though its key is held
        audio.render(0.7);
        EXPECT_LT(peakLevel(audio.render(0.3)), kSilent);
        send(0x89, 42, 0);
    }
}

TEST_F(BuiltinSynthOffline, PitchBendTakesItsLowSevenBitsFirst)
{
    // 0x3000 is a quarter of the way up: one semitone with the default two-semitone range.
    send(0xE0, 0x00, 0x60);
    send(0x90, 69, 100);
    EXPECT_NEAR(pitchOfNextSecond(), semitonesAbove(440.0, 1), 3.0);
}

TEST_F(BuiltinSynthOffline, ChannelVolumeZeroSilencesThatChannelOnly)
{
    send(0xB0, 7, 0);
    send(0x90, 69, 100);
    EXPECT_LT(peakLevel(audio.render(0.5)), kAudible / 10);
    send(0x91, 81, 100);
    EXPECT_NEAR(pitchOfNextSecond(), 880.0, 3.0);
}

TEST_F(BuiltinSynthOffline, SystemExclusiveReachesTheSynthesizer)
{
    // Octave tuning, real-time form, all channels: A raised by 50 cents.
    const uint8_t tuning[] = {0xF0, 0x7F, 0x7F, 0x08, 0x08, 0x03, 0x7F, 0x7F, 0x40, 0x40, 0x40, 0x40,
                              0x40, 0x40, 0x40, 0x40, 0x40, 0x40 + 50, 0x40, 0x40, 0xF7};
    ASSERT_EQ(synth.longMessage(tuning, sizeof tuning), MMSYSERR_NOERROR);
    send(0x90, 69, 100);
    EXPECT_NEAR(pitchOfNextSecond(), semitonesAbove(440.0, 0.5), 3.0);
}

TEST_F(BuiltinSynthOffline, RefusesWhatIsNotAMessage)
{
    EXPECT_EQ(synth.shortMessage(shortWord(0x45, 69, 100)), MMSYSERR_INVALPARAM);
    EXPECT_EQ(synth.shortMessage(shortWord(0xF0, 0x7E, 0x7F)), MMSYSERR_INVALPARAM);
    const uint8_t unframed[] = {0x7E, 0x7F, 0x09, 0x01};
    EXPECT_EQ(synth.longMessage(unframed, sizeof unframed), MMSYSERR_INVALPARAM);
    const uint8_t unterminated[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01};
    EXPECT_EQ(synth.longMessage(unterminated, sizeof unterminated), MMSYSERR_INVALPARAM);
    EXPECT_EQ(synth.longMessage(nullptr, 6), MMSYSERR_INVALPARAM);
    EXPECT_LT(peakLevel(audio.render(0.2)), kSilent);
}

TEST_F(BuiltinSynthOffline, SystemResetEndsEveryNote)
{
    send(0x90, 69, 100);
    send(0x95, 72, 100);
    audio.render(0.2);
    send(0xFF, 0, 0);
    EXPECT_GE(secondsUntilSilent(1.5), 0.0);
}

TEST_F(BuiltinSynthOffline, CloseStopsTheAudioAndReopenPlaysAgain)
{
    EXPECT_EQ(synth.open(), MMSYSERR_ALLOCATED);
    send(0x90, 69, 100);
    synth.close();
    EXPECT_FALSE(synth.isOpen());
    EXPECT_FALSE(audio.running());
    EXPECT_EQ(synth.shortMessage(shortWord(0x90, 69, 100)), MMSYSERR_INVALHANDLE);
    const uint8_t reset[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    EXPECT_EQ(synth.longMessage(reset, sizeof reset), MMSYSERR_INVALHANDLE);
    synth.close();

    ASSERT_EQ(synth.open(), MMSYSERR_NOERROR);
    EXPECT_LT(peakLevel(audio.render(0.2)), kSilent) << "the old note came back";
    send(0x90, 81, 100);
    EXPECT_NEAR(pitchOfNextSecond(), 880.0, 3.0);
}

} // namespace
