// The pad's playing map: notes of a range and scale across the pad, velocities between the top and
// bottom rows, and the names the settings file and the Playing panel use.
#include "pad/playing.h"
#include "platform/exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TPlayingSettings range(int low, int high, TScale scale, int root)
{
    TPlayingSettings settings;
    settings.noteLow = uint8_t(low);
    settings.noteHigh = uint8_t(high);
    settings.scale = scale;
    settings.scaleRoot = uint8_t(root);
    return settings;
}

TEST(PlayingMap, NoteAtTableOfRangesAndScales)
{
    struct Case {
        TPlayingSettings settings;
        int32_t x, width;
        int note;
    };
    const TPlayingSettings cMajor = range(60, 84, TScale::Major, 0);  // 15 notes, C4 to C6
    const std::vector<Case> cases{
        {{}, 399, 400, 126},  {{}, 400, 400, 127},  {{}, -3, 400, 0},  {{}, 600, 400, 127},  {{}, 200, 800, 31},
        {cMajor, 0, 400, 60}, {cMajor, 26, 400, 60}, {cMajor, 27, 400, 62}, {cMajor, 200, 400, 72},
        {cMajor, 399, 400, 84}, {cMajor, -50, 400, 60}, {cMajor, 1000, 400, 84},
        {range(60, 71, TScale::Chromatic, 5), 399, 400, 71},       // a range alone makes zones
        {range(57, 69, TScale::MinorPentatonic, 9), 100, 400, 60},  // A3 C4 D4 E4 G4 A4
        {range(64, 76, TScale::Blues, 4), 300, 400, 74},            // E G A A# B D E
        {range(68, 69, TScale::HarmonicMinor, 9), 199, 400, 68},    // G# A
        {range(68, 69, TScale::HarmonicMinor, 9), 200, 400, 69},
        {range(60, 65, TScale::Dorian, 2), 150, 400, 62},           // C D E F
        {range(65, 67, TScale::Mixolydian, 7), 399, 400, 67},       // F G
        {range(63, 64, TScale::NaturalMinor, 0), 399, 400, 63},     // Eb only
        {range(60, 62, TScale::WholeTone, 1), 0, 400, 61},          // C# only
        {range(65, 66, TScale::MajorPentatonic, 0), 399, 400, 65},  // none: the lowest note
    };
    for (const Case& c : cases) {
        const TPlayingMap map(c.settings);
        EXPECT_EQ(map.NoteAt(c.x, c.width), c.note)
            << int(c.settings.noteLow) << ".." << int(c.settings.noteHigh) << " " << ScaleName(c.settings.scale)
            << " x " << c.x << " of " << c.width;
    }
    EXPECT_TRUE(TPlayingMap().IsContinuous());
    EXPECT_EQ(TPlayingMap(cMajor).ZoneCount(), 15);
    EXPECT_EQ(TPlayingMap(cMajor).ZoneAt(27, 400), 1);
}

TEST(PlayingMap, VelocityAtTableOfRanges)
{
    struct Case {
        int top, bottom;
        int32_t y, height;
        int velocity;
    };
    const std::vector<Case> cases{
        {127, 0, 0, 399, 127},  {127, 0, 100, 399, 96}, {127, 0, 398, 399, 1}, {127, 0, 399, 399, 0},
        {127, 0, -5, 399, 127}, {127, 0, 700, 399, 0},  {100, 20, 0, 400, 100}, {100, 20, 200, 400, 60},
        {100, 20, 400, 400, 20}, {100, 20, -100, 400, 100}, {100, 20, 800, 400, 20},
        {0, 127, 0, 399, 0},    {0, 127, 398, 399, 126}, {0, 127, -10, 399, 0},  {64, 64, 300, 399, 64},
    };
    for (const Case& c : cases) {
        TPlayingSettings settings;
        settings.velocityTop = uint8_t(c.top);
        settings.velocityBottom = uint8_t(c.bottom);
        EXPECT_EQ(TPlayingMap(settings).VelocityAt(c.y, c.height), c.velocity)
            << c.top << ".." << c.bottom << " y " << c.y << " of " << c.height;
    }
}

TEST(PlayingMap, SettingsOutOfTheirRangesAreRefused)
{
    TPlayingSettings controller;
    controller.blueController = 120;
    for (const TPlayingSettings& settings : {range(70, 60, TScale::Major, 0), range(0, 128, TScale::Major, 0),
                                             range(0, 127, TScale::Major, 12), range(0, 127, TScale(kScaleCount), 0),
                                             controller})
        EXPECT_THROW(TPlayingMap{settings}, ERangeError);
}

TEST(PlayingNames, NotesScalesAndRoots)
{
    EXPECT_EQ(NoteName(0), "C-1");
    EXPECT_EQ(NoteName(60), "C4");
    EXPECT_EQ(NoteName(61), "C#4");
    EXPECT_EQ(NoteName(127), "G9");
    EXPECT_EQ(ScaleName(TScale::WholeTone), "Whole tone");
    EXPECT_EQ(ScaleNamed("natural MINOR"), TScale::NaturalMinor);
    EXPECT_EQ(ScaleNamed("Major pentatonic"), TScale::MajorPentatonic);
    EXPECT_EQ(ScaleNamed("Lydian"), std::nullopt);
    EXPECT_EQ(ScaleNamed(""), std::nullopt);
    EXPECT_EQ(RootName(10), "A#");
    EXPECT_EQ(RootNamed("a#"), 10);
    EXPECT_EQ(RootNamed("B"), 11);
    EXPECT_EQ(RootNamed("H"), std::nullopt);
}

} // namespace
