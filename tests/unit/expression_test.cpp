// What a held note sends when it is made expressive: the gliding pitch, its bend and handover, and
// the velocity curves, with the names the settings file uses.
#include "pad/glide.h"
#include "platform/exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TPlayingSettings glideOver(int low, int high, TScale scale, int range)
{
    TPlayingSettings settings{uint8_t(low), uint8_t(high), scale};
    settings.pitchMode = TPitchMode::Glide;
    settings.bendRange = uint8_t(range);
    return settings;
}

// C4 to C6 major is 15 zones: 20 columns each on a pad 300 wide, centres at 10, 30, 50, ...
TEST(Glide, PitchIsTheZoneNoteAtItsCentreAndLinearBetweenCentres)
{
    struct Case {
        TPlayingSettings settings;
        int32_t x, width;
        double pitch;
        int note;
    };
    const TPlayingSettings cMajor = glideOver(60, 84, TScale::Major, 2);
    const std::vector<Case> cases{
        {cMajor, 10, 300, 60, 60},  {cMajor, 0, 300, 60, 60},   {cMajor, -40, 300, 60, 60}, {cMajor, 20, 300, 61, 62},
        {cMajor, 50, 300, 64, 64},  {cMajor, 55, 300, 64.25, 64}, {cMajor, 65, 300, 64.75, 65},
        {cMajor, 290, 300, 84, 84}, {cMajor, 299, 300, 84, 84}, {cMajor, 900, 300, 84, 84},
        // Without zones a pad 254 wide gives each note two columns, x × 127 ÷ 254: note 60 is x 120
        // and 121, so its pitch is exact between them. The note is the one a press plays in Steps.
        {{}, 121, 254, 60, 60},     {{}, 122, 254, 60.5, 61},   {{}, 120, 254, 59.5, 60},   {{}, 0, 254, 0, 0},
        {{}, 253, 254, 126, 126},   {{}, 254, 254, 126.5, 127}, {{}, 900, 254, 127, 127},   {{}, -9, 254, 0, 0},
    };
    for (const Case& c : cases) {
        const TPlayingMap map(c.settings);
        EXPECT_DOUBLE_EQ(GlidePitchAt(map, c.x, c.width), c.pitch) << "x " << c.x << " of " << c.width;
        EXPECT_EQ(map.NoteAt(c.x, c.width), c.note) << "x " << c.x << " of " << c.width;
    }
}

TEST(Glide, StepBendsWithinTheRangeAndHandsOverPastIt)
{
    struct Case {
        TPlayingSettings settings;
        int sounding;
        int32_t x, width;
        TGlideStep step;
    };
    const TPlayingSettings cMajor12 = glideOver(60, 84, TScale::Major, 12);
    const TPlayingSettings pentatonic1 = glideOver(60, 72, TScale::MajorPentatonic, 1);  // C D E G A C
    const std::vector<Case> cases{
        {cMajor12, 60, 10, 300, {60, 8192, false}},
        {cMajor12, 60, 50, 300, {60, 10923, false}},   // E4: 4 semitones
        {cMajor12, 60, 150, 300, {60, 16383, false}},  // C5: the whole range, held to 16383
        {cMajor12, 60, 151, 300, {72, 8260, true}},    // just past it: C5 a tenth of a semitone high
        {cMajor12, 72, 10, 300, {72, 0, false}},  // the whole range down, held to 0
        {glideOver(60, 84, TScale::Major, 2), 60, 20, 300, {60, 12288, false}},
        {glideOver(60, 84, TScale::Major, 2), 64, 10, 300, {60, 8192, true}},
        {glideOver(60, 84, TScale::Major, 48), 84, 10, 300, {84, 4096, false}},
        {glideOver(60, 84, TScale::Major, 48), 60, 290, 300, {60, 12288, false}},
        // Half way from E4 to G4 is 1.5 semitones from E4, beyond a range of 1, but E4 is still under
        // the pointer: the bend is held instead.
        {pentatonic1, 64, 299, 600, {64, 16383, false}},
        {pentatonic1, 64, 301, 600, {67, 0, true}},
    };
    for (const Case& c : cases) {
        const TGlideStep step = GlideStepAt(TPlayingMap(c.settings), uint8_t(c.sounding), c.x, c.width, c.settings.bendRange);
        EXPECT_EQ(step, c.step) << "from " << c.sounding << " to x " << c.x << " range " << int(c.settings.bendRange)
                                << ": " << int(step.note) << " " << step.bend << " " << step.handover;
    }
}

TEST(VelocityCurves, FollowTheHeightBetweenTheBottomAndTopVelocities)
{
    struct Case {
        int top, bottom;
        int32_t y, height;
        int linear, soft, hard;
    };
    const std::vector<Case> cases{
        {127, 0, 63, 127, 64, 90, 32},  {127, 0, 0, 127, 127, 127, 127}, {127, 0, 127, 127, 0, 0, 0},
        {127, 0, 100, 127, 27, 59, 6},  {110, 10, 50, 100, 60, 81, 35},  {20, 100, 40, 80, 60, 43, 80},
        {90, 90, 10, 100, 90, 90, 90},
    };
    for (const Case& c : cases) {
        TPlayingSettings settings;
        settings.velocityTop = uint8_t(c.top);
        settings.velocityBottom = uint8_t(c.bottom);
        const int expected[]{c.linear, c.soft, c.hard};
        for (const TVelocityCurve curve : {TVelocityCurve::Linear, TVelocityCurve::Soft, TVelocityCurve::Hard}) {
            settings.velocityCurve = curve;
            EXPECT_EQ(TPlayingMap(settings).VelocityAt(c.y, c.height), expected[int(curve)])
                << ChoiceName(curve) << " " << c.top << ".." << c.bottom << " y " << c.y << " of " << c.height;
        }
    }
}

TEST(PenAxes, PressureTakesTheVelocityRangeAndCurveAndTiltIsCentredAt64)
{
    struct Case {
        double pressure;
        int top, bottom;
        int linear, soft, hard;
    };
    for (const Case& c : std::vector<Case>{{0.0, 127, 0, 0, 0, 0},
                                           {1.0, 127, 0, 127, 127, 127},
                                           {0.5, 127, 0, 64, 90, 32},
                                           {0.5, 110, 10, 60, 81, 35},
                                           {1.5, 20, 100, 20, 20, 20}}) {
        const int expected[]{c.linear, c.soft, c.hard};
        for (const TVelocityCurve curve : {TVelocityCurve::Linear, TVelocityCurve::Soft, TVelocityCurve::Hard})
            EXPECT_EQ(PressureLevel(c.pressure, curve, c.bottom, c.top), expected[int(curve)])
                << ChoiceName(curve) << " " << c.pressure << " over " << c.bottom << ".." << c.top;
    }
    const std::pair<double, int> tilts[]{{-90, 0}, {-60, 0}, {0, 64}, {30, 95}, {60, 127}, {75, 127}};
    for (const auto& [degrees, value] : tilts) EXPECT_EQ(TiltLevel(degrees), value) << degrees;
}

TEST(ExpressionChoices, NamesReadBackWithoutRegardToCaseAndOutOfRangeSettingsAreRefused)
{
    EXPECT_EQ(ChoiceNamed<TPitchMode>("gLIDE"), TPitchMode::Glide);
    EXPECT_EQ(ChoiceNamed<TAfterAttack>("Controller"), TAfterAttack::Controller);
    EXPECT_EQ(ChoiceNamed<TVelocityCurve>("soft"), TVelocityCurve::Soft);
    EXPECT_EQ(ChoiceNamed<TVelocityCurve>("Softer"), std::nullopt);
    EXPECT_EQ(ChoiceNamed<TPitchMode>(""), std::nullopt);
    for (const auto& change : std::vector<void (*)(TPlayingSettings&)>{
             [](TPlayingSettings& s) { s.bendRange = 0; }, [](TPlayingSettings& s) { s.bendRange = 49; },
             [](TPlayingSettings& s) { s.afterAttackController = 120; },
             [](TPlayingSettings& s) { s.pitchMode = TPitchMode(2); },
             [](TPlayingSettings& s) { s.afterAttack = TAfterAttack(3); },
             [](TPlayingSettings& s) { s.velocityCurve = TVelocityCurve(3); }}) {
        TPlayingSettings settings;
        change(settings);
        EXPECT_THROW(TPlayingMap{settings}, ERangeError);
    }
}

} // namespace
