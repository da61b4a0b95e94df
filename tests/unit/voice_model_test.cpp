// The voice model's messages, byte for byte: Poly's shared notes and key pressure, MPE's set-up, its
// channel rotation and stealing, and the order of a voice's first messages.
#include "pad/voice_model.h"

#include "tests/support/short_messages.h"

#include <gtest/gtest.h>

namespace {

class RecordingSink : public TMessageSink {
public:
    void Send(uint8_t status, uint8_t data1, uint8_t data2) override { sent.push_back({status, data1, data2}); }
    std::vector<Msg> Take() { return std::exchange(sent, {}); }
    std::vector<Msg> sent;
};

// On a pad 127 wide and high with the full range, column x plays note x and row y velocity 127 - y.
TVoicePoint at(int x, int y = 27) { return {x, y, 127, 127}; }
TVoiceSource finger(int id) { return {TVoiceKind::Touch, id}; }

std::vector<Msg> operator+(std::vector<Msg> a, const std::vector<Msg>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class VoiceModel : public ::testing::Test {
protected:
    void Play(TPolyphony polyphony, void (*adjust)(TPlayingSettings&) = nullptr, int channel = 0)
    {
        TPlayingSettings settings;
        settings.polyphony = polyphony;
        if (adjust) adjust(settings);
        model.SetPlaying(settings, channel);
        sink.Take();
    }
    RecordingSink sink;
    TVoiceModel model{sink};
};

TEST_F(VoiceModel, PolyVoicesPlayOnTheChannelAndShareANoteUntilTheLastLetsGo)
{
    Play(TPolyphony::Poly, nullptr, 4);
    model.Press(finger(1), at(60));
    model.Press(finger(2), at(64, 0));
    model.Press({TVoiceKind::Mouse, 0}, at(60));  // joins the first finger's note
    model.Release(finger(1));
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{noteOn(60, 100, 4), noteOn(64, 127, 4)}));
    model.Move(finger(2), at(67, 0));  // a new note where the note changes, as a left drag
    model.Release({TVoiceKind::Mouse, 0});
    model.Release(finger(2));
    model.Release(finger(9));  // no such voice
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{noteOff(64, 127, 4), noteOn(67, 127, 4), noteOff(60, 100, 4),
                                             noteOff(67, 127, 4)}));
}

TEST_F(VoiceModel, PolyPressureIsEachVoicesKeyPressureAndAControllerComesBeforeItsNote)
{
    Play(TPolyphony::Poly, [](TPlayingSettings& s) {
        s.afterAttack = TAfterAttack::Pressure;
        s.noteLow = 60, s.noteHigh = 72, s.scale = TScale::Major;  // zones, so a height change keeps the note
    });
    model.Press(finger(1), at(0, 27));
    model.Move(finger(1), at(0, 7));
    model.Move(finger(1), at(1, 7));  // same value: nothing
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{noteOn(60, 100), keyPressure(60, 100), keyPressure(60, 120)}));
    Play(TPolyphony::Poly, [](TPlayingSettings& s) { s.afterAttack = TAfterAttack::Controller; });
    model.Press(finger(1), at(60, 27));
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{control(11, 100), noteOn(60, 100)}));
}

TEST_F(VoiceModel, MpeSetUpNamesTheZoneItsBendRangeAndTheInstrumentOnEveryChannel)
{
    TPlayingSettings settings;
    settings.polyphony = TPolyphony::Mpe;
    settings.mpeChannels = 2;
    settings.mpeBendRange = 24;
    settings.program = 40;
    model.SetPlaying(settings, 5);
    EXPECT_EQ(sink.Take(), (mpeZone(2) + bendRangeRpn(24, 1) + bendRangeRpn(24, 2) +
                            std::vector<Msg>{program(40, 0), program(40, 1), program(40, 2)}));
    settings.polyphony = TPolyphony::Poly;
    model.SetPlaying(settings, 5);  // leaving MPE: no zone, the instrument on the channel
    EXPECT_EQ(sink.Take(), (mpeZone(0) + std::vector<Msg>{program(40, 5)}));
    model.SetPlaying(settings, 6);
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{program(40, 6)}));
}

TEST_F(VoiceModel, MpeVoiceSendsItsBendAndPressureBeforeItsNoteAndBendsOnlyItsOwnChannel)
{
    Play(TPolyphony::Mpe, [](TPlayingSettings& s) {
        s.pitchMode = TPitchMode::Glide;
        s.afterAttack = TAfterAttack::Pressure;
    });
    model.Press(finger(1), at(60));
    model.Press(finger(2), at(64));
    // Column 60 of 127 notes is note 60's left edge: half a semitone below its centre, over 48.
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{bend(8107, 1), pressure(100, 1), noteOn(60, 100, 1), bend(8107, 2),
                                             pressure(100, 2), noteOn(64, 100, 2)}));
    model.Move(finger(2), at(65, 7));
    model.Release(finger(2));  // no bend back: the release tail keeps its pitch
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{bend(8277, 2), pressure(120, 2), noteOff(64, 100, 2)}));
    model.Panic();
    EXPECT_EQ(sink.sent.front(), noteOff(60, 100, 1));
    EXPECT_EQ(sink.sent.size(), 1u + 15u);  // every member's bend centred
}

TEST_F(VoiceModel, MpeTakesTheChannelFreeLongestAndStealsTheOldestVoiceWhenAllAreTaken)
{
    Play(TPolyphony::Mpe, [](TPlayingSettings& s) { s.mpeChannels = 3; });
    model.Press(finger(1), at(60));  // channel 1
    model.Press(finger(2), at(61));  // 2
    model.Release(finger(1));        // 1 ends first
    model.Press(finger(3), at(62));  // 3, never used
    model.Press(finger(4), at(63));  // 1, free longest
    model.Press(finger(5), at(64));  // all taken: finger 2, the oldest, ends and gives up channel 2
    model.Move(finger(2), at(70));   // its finger plays no more
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{bend(8192, 1), noteOn(60, 100, 1), bend(8192, 2), noteOn(61, 100, 2),
                                             noteOff(60, 100, 1), bend(8192, 3), noteOn(62, 100, 3), bend(8192, 1),
                                             noteOn(63, 100, 1), noteOff(61, 100, 2), bend(8192, 2),
                                             noteOn(64, 100, 2)}));
    EXPECT_EQ(model.VoiceCount(), 3);
    model.ReleaseKind(TVoiceKind::Touch);
    EXPECT_EQ(model.VoiceCount(), 0);
}

} // namespace

TEST_F(VoiceModel, PenPressureDrivesTheAxisAfterTheAttackAndItsTiltLeadsEachChange)
{
    Play(TPolyphony::Mpe, [](TPlayingSettings& s) {
        s.afterAttack = TAfterAttack::Pressure;
        s.penTiltXController = 16;
        s.penTiltYController = 17;
    });
    const TVoiceSource pen{TVoiceKind::Pen, 0};
    TVoicePoint point = at(60, 27);
    point.pressure = 0.0, point.tiltX = 0.0, point.tiltY = -60.0;
    model.Press(pen, point);
    point.pressure = 1.0, point.tiltX = 60.0;  // pressing harder on the spot, tilted: no new note
    model.Move(pen, point);
    model.Move(pen, point);
    EXPECT_EQ(sink.Take(), (std::vector<Msg>{control(16, 64, 1), control(17, 0, 1), bend(8192, 1), pressure(0, 1),
                                             noteOn(60, 100, 1), control(16, 127, 1), pressure(127, 1)}));
}
