// The pad's playing choices (note range and scale, velocity range, controller numbers) and the map
// from pad points to notes and velocities that follows from them. The zone notes are worked out once,
// when the choices change, so a pointer event only scales and looks up.
#pragma once

#include "pad/expression.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TScale : uint8_t {
    Chromatic,
    Major,
    NaturalMinor,
    HarmonicMinor,
    Dorian,
    Mixolydian,
    MajorPentatonic,
    MinorPentatonic,
    Blues,
    WholeTone,
};
inline constexpr int kScaleCount = 10;
inline constexpr int kHighestController = 119;  // 120..127 are channel mode messages

struct TPlayingSettings {
    uint8_t noteLow = 0, noteHigh = 127;
    TScale scale = TScale::Chromatic;
    uint8_t scaleRoot = 0;  // 0 = C .. 11 = B
    uint8_t velocityTop = 127, velocityBottom = 0;
    uint8_t wheelController = 1, redController = 2, greenController = 3, blueController = 4;
    TPitchMode pitchMode = TPitchMode::Steps;
    uint8_t bendRange = 2;  // kLowestBendRange..kHighestBendRange
    TAfterAttack afterAttack = TAfterAttack::None;
    uint8_t afterAttackController = 11;
    TVelocityCurve velocityCurve = TVelocityCurve::Linear;
    TPolyphony polyphony = TPolyphony::Mono;
    uint8_t mpeChannels = kHighestMpeChannels;  // member channels, 1..kHighestMpeChannels
    uint8_t mpeBendRange = 48;                  // the member channels' bend range, 1..kHighestMpeBendRange
    std::optional<uint8_t> program = {};        // the instrument, 0..127; none sends no program change
    std::optional<uint8_t> penTiltXController = {}, penTiltYController = {};  // 0..kHighestController

    bool operator==(const TPlayingSettings&) const = default;
};

// "Chromatic", "Major", ... "Whole tone"; the name of a scale read back without regard to case.
std::string_view ScaleName(TScale scale);
std::optional<TScale> ScaleNamed(std::string_view name);
// "C", "C#", ... "B" for 0..11, and back without regard to case.
std::string_view RootName(int root);
std::optional<uint8_t> RootNamed(std::string_view name);
// position × 127 ÷ extent, truncated toward zero: the caption's X and Y, and the note where the pad has
// no zones. Absurd positions raise "Integer overflow".
int32_t ScaledTo127(int32_t position, int32_t extent);
// Whether two names are the same when ASCII letters are compared without regard to case.
bool SameIgnoringCase(std::string_view a, std::string_view b);
// "C-1" for 0 up to "G9" for 127; middle C, 60, is "C4".
std::string NoteName(int note);

class TPlayingMap {
public:
    // Settings out of their ranges (a low note above the high one among them) raise "Range check error".
    explicit TPlayingMap(const TPlayingSettings& settings = {});

    const TPlayingSettings& Settings() const { return settings_; }
    // The full range, chromatic: every pad column has a note of its own, with no zones.
    bool IsContinuous() const { return zoneCount_ == 0; }
    // The notes of the scale in the range, rising; the range's lowest note when it holds none.
    int ZoneCount() const { return zoneCount_; }
    uint8_t ZoneNote(int zone) const { return zoneNotes_[static_cast<size_t>(zone)]; }
    // The zone of pad column x on a pad `width` wide, clamped to the first or last zone.
    int ZoneAt(int32_t x, int32_t width) const;

    // x × 127 ÷ width clamped into 0..127 when continuous, else the note of x's zone.
    uint8_t NoteAt(int32_t x, int32_t width) const;
    // The map from the top row's velocity to the bottom's, clamped between the two and bent by the
    // velocity curve. The note on of a velocity of 0 is the note controller's to raise.
    uint8_t VelocityAt(int32_t y, int32_t height) const;

private:
    TPlayingSettings settings_;
    std::array<uint8_t, 128> zoneNotes_{};
    int zoneCount_ = 0;
};
