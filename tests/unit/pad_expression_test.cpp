// The held note made expressive through the pad controller: the height after the attack, gliding
// with pitch bend and the bend range told to the receiver, and everything that ends a note centring
// the bend; with every choice at its default, none of these messages is sent.
#include "tests/unit/pad_controller_fixture.h"

#include <algorithm>

namespace {

using PadExpressionTest = PadControllerTest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<Msg> joined(std::vector<Msg> first, const std::vector<Msg>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST_F(PadExpressionTest, DefaultsSendNoBendNoPressureAndNoRange)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    pad->setChannel(3);
    TPlayingSettings settings;
    settings.velocityTop = 100;
    pad->SetPlaying(settings);
    pad->Panic();
    for (const Msg& m : sent()) {
        EXPECT_LT(m.status, 208) << m;
        EXPECT_FALSE(m.status >= 176 && (m.data1 == 101 || m.data1 == 100 || m.data1 == 6 || m.data1 == 38)) << m;
    }
    EXPECT_EQ(sent().size(), 4u + 32u);
}

// The bottom edge, below the pad during a drag, and a bottom velocity of 0 would give a note on of
// velocity 0, which receivers take as a note off.
TEST_F(PadExpressionTest, NoteOnNeverCarriesVelocityZeroButPressureStillReachesZero)
{
    click(P1x, 399);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, 600);
    pad->ImagePadMouseUp(kNone, P2x, 600);
    TPlayingSettings settings;
    settings.afterAttack = TAfterAttack::Pressure;
    pad->SetPlaying(settings);
    click(P2x, 399);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 1), noteOff(31, 1), noteOn(31, 96), noteOff(31, 96), noteOn(63, 1),
                                    noteOff(63, 1), noteOn(63, 1), pressure(0), noteOff(63, 1)));
}

TEST_F(PadExpressionTest, PressureFollowsTheHeightAndReturnsToZeroAfterTheNoteOff)
{
    TPlayingSettings settings;
    settings.afterAttack = TAfterAttack::Pressure;
    pad->SetPlaying(settings);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P1x, 300);  // the same note: only the pressure
    pad->ImagePadMouseMove(P1x, 300);
    pad->ImagePadMouseMove(P2x, 300);  // another note
    pad->ImagePadMouseUp(kNone, P2x, 300);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), pressure(96), pressure(32), noteOff(31, 96), pressure(0),
                                    noteOn(63, 32), pressure(32), noteOff(63, 32), pressure(0)));
}

TEST_F(PadExpressionTest, ControllerFollowsTheCurvedHeightAndKeepsItsLastValue)
{
    TPlayingSettings settings;
    settings.afterAttack = TAfterAttack::Controller;
    settings.afterAttackController = 74;
    settings.velocityCurve = TVelocityCurve::Hard;
    pad->SetPlaying(settings);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P1x, 300);
    pad->ImagePadMouseUp(kNone, P1x, 300);
    // The first value comes before the note on, for synths that read the controller at the attack.
    EXPECT_THAT(sent(), ElementsAre(control(74, 73), noteOn(31, 73), control(74, 8), noteOff(31, 73)));
}

// On the 400 pad, x 100 plays note 31, as in Steps (100 × 127 ÷ 400 = 31.75), a quarter semitone
// past the centre of its columns: 8192 + 8192 ÷ 48 at a range of 12. x 101 plays 32 (32.07), 0.4325
// semitone below its centre: 8192 − 148 at a range of 24.
TEST_F(PadExpressionTest, GlideTellsItsRangeAndEveryEndOfTheNoteCentresTheBend)
{
    TPlayingSettings settings;
    settings.pitchMode = TPitchMode::Glide;
    settings.bendRange = 12;
    pad->SetPlaying(settings);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    settings.bendRange = 24;
    pad->SetPlaying(settings);  // ends the note first
    pad->ImagePadMouseMove(P1x + 1, P1y);
    pad->Panic();
    pad->setChannel(5);
    std::vector<Msg> expected = joined(bendRangeRpn(12), {bend(8363), noteOn(31, 96), noteOff(31, 96), bend(8192)});
    expected = joined(expected, bendRangeRpn(24));
    expected = joined(expected, {bend(8044), noteOn(32, 96), noteOff(32, 96), bend(8192)});
    for (int channel = 0; channel < 16; ++channel)
        expected = joined(expected, {control(120, 0, channel), control(123, 0, channel), bend(8192, channel)});
    EXPECT_THAT(sent(), ElementsAreArray(joined(expected, bendRangeRpn(24, 5))));
}

} // namespace
