// The scales with their names, note names, and the pad's point-to-note and point-to-velocity map.
#include "pad/playing.h"

#include "pad/clamp.h"
#include "platform/checked_math.h"

#include <QtGlobal>

#include <algorithm>

namespace {

// The names are the settings file's values; the window shows them translated.
struct ScaleEntry {
    std::string_view name;
    uint16_t steps;  // bit n set: n semitones above the root belong to the scale
};

constexpr uint16_t steps(std::initializer_list<int> semitones)
{
    uint16_t mask = 0;
    for (const int semitone : semitones) mask = static_cast<uint16_t>(mask | 1u << semitone);
    return mask;
}

constexpr std::array<ScaleEntry, kScaleCount> kScales{{
    {QT_TRANSLATE_NOOP("Playing", "Chromatic"), 0xFFF},
    {QT_TRANSLATE_NOOP("Playing", "Major"), steps({0, 2, 4, 5, 7, 9, 11})},
    {QT_TRANSLATE_NOOP("Playing", "Natural minor"), steps({0, 2, 3, 5, 7, 8, 10})},
    {QT_TRANSLATE_NOOP("Playing", "Harmonic minor"), steps({0, 2, 3, 5, 7, 8, 11})},
    {QT_TRANSLATE_NOOP("Playing", "Dorian"), steps({0, 2, 3, 5, 7, 9, 10})},
    {QT_TRANSLATE_NOOP("Playing", "Mixolydian"), steps({0, 2, 4, 5, 7, 9, 10})},
    {QT_TRANSLATE_NOOP("Playing", "Major pentatonic"), steps({0, 2, 4, 7, 9})},
    {QT_TRANSLATE_NOOP("Playing", "Minor pentatonic"), steps({0, 3, 5, 7, 10})},
    {QT_TRANSLATE_NOOP("Playing", "Blues"), steps({0, 3, 5, 6, 7, 10})},
    {QT_TRANSLATE_NOOP("Playing", "Whole tone"), steps({0, 2, 4, 6, 8, 10})},
}};

constexpr std::array<std::string_view, 12> kRoots{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

} // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view ScaleName(TScale scale)
{
    return kScales.at(static_cast<size_t>(scale)).name;
}

std::optional<TScale> ScaleNamed(std::string_view name)
{
    for (size_t i = 0; i < kScales.size(); ++i)
        if (SameIgnoringCase(kScales[i].name, name)) return static_cast<TScale>(i);
    return std::nullopt;
}

std::string_view RootName(int root)
{
    return kRoots.at(static_cast<size_t>(root));
}

std::optional<uint8_t> RootNamed(std::string_view name)
{
    for (size_t i = 0; i < kRoots.size(); ++i)
        if (SameIgnoringCase(kRoots[i], name)) return static_cast<uint8_t>(i);
    return std::nullopt;
}

std::string NoteName(int note)
{
    return std::string(RootName(note % 12)) + std::to_string(note / 12 - 1);
}

TPlayingMap::TPlayingMap(const TPlayingSettings& settings) : settings_(settings)
{
    const auto controller = [](uint8_t number) { return number <= kHighestController; };
    if (settings.noteLow > settings.noteHigh || settings.noteHigh > 127 || settings.scaleRoot > 11 ||
        static_cast<int>(settings.scale) >= kScaleCount || settings.velocityTop > 127 ||
        settings.velocityBottom > 127 || !controller(settings.wheelController) ||
        !controller(settings.redController) || !controller(settings.greenController) ||
        !controller(settings.blueController) || ChoiceName(settings.pitchMode).empty() ||
        settings.bendRange < kLowestBendRange || settings.bendRange > kHighestBendRange ||
        ChoiceName(settings.afterAttack).empty() || !controller(settings.afterAttackController) ||
        ChoiceName(settings.velocityCurve).empty() || ChoiceName(settings.polyphony).empty() ||
        settings.mpeChannels < 1 || settings.mpeChannels > kHighestMpeChannels || settings.mpeBendRange < 1 ||
        settings.mpeBendRange > kHighestMpeBendRange || settings.program.value_or(0) > 127 ||
        !controller(settings.penTiltXController.value_or(0)) || !controller(settings.penTiltYController.value_or(0)))
        throw ERangeError();
    if (settings.noteLow == 0 && settings.noteHigh == 127 && settings.scale == TScale::Chromatic) return;
    const uint16_t scale = kScales.at(static_cast<size_t>(settings.scale)).steps;
    for (int note = settings.noteLow; note <= settings.noteHigh; ++note)
        if (scale >> ((note - settings.scaleRoot + 12) % 12) & 1)
            zoneNotes_[static_cast<size_t>(zoneCount_++)] = static_cast<uint8_t>(note);
    if (zoneCount_ == 0) zoneNotes_[static_cast<size_t>(zoneCount_++)] = settings.noteLow;
}

int32_t ScaledTo127(int32_t position, int32_t extent)
{
    return checked::div(checked::mul(position, int32_t{127}), extent);
}

int TPlayingMap::ZoneAt(int32_t x, int32_t width) const
{
    return std::clamp(checked::div(checked::mul(x, zoneCount_), width), 0, zoneCount_ - 1);
}

uint8_t TPlayingMap::NoteAt(int32_t x, int32_t width) const
{
    if (IsContinuous()) return ClampMidiData(ScaledTo127(x, width));
    return ZoneNote(ZoneAt(x, width));
}

uint8_t TPlayingMap::VelocityAt(int32_t y, int32_t height) const
{
    const int32_t top = settings_.velocityTop, bottom = settings_.velocityBottom;
    const int32_t velocity = checked::add(top, checked::div(checked::mul(y, bottom - top), height));
    return CurvedVelocity(settings_.velocityCurve, std::clamp(velocity, std::min(top, bottom), std::max(top, bottom)),
                          bottom, top);
}
