// Reading and writing the settings document in the settings file.
#include "app/settings_document.h"

#include "app/settings_file.h"
#include "platform/parse_int.h"

#include <algorithm>

namespace {

const std::string section = "Settings";

// The playing choices stored as numbers, in the order they are written around the choices' names.
struct NumberKey {
    const char* key;
    uint8_t TPlayingSettings::*field;
    int32_t highest;
    int32_t lowest = 0;
};
constexpr NumberKey kRangeKeys[]{{"NoteLow", &TPlayingSettings::noteLow, 127},
                                 {"NoteHigh", &TPlayingSettings::noteHigh, 127}};
constexpr NumberKey kLevelKeys[]{
    {"VelocityTop", &TPlayingSettings::velocityTop, 127},
    {"VelocityBottom", &TPlayingSettings::velocityBottom, 127},
    {"WheelController", &TPlayingSettings::wheelController, kHighestController},
    {"RedController", &TPlayingSettings::redController, kHighestController},
    {"GreenController", &TPlayingSettings::greenController, kHighestController},
    {"BlueController", &TPlayingSettings::blueController, kHighestController},
};
constexpr NumberKey kExpressionKeys[]{
    {"BendRange", &TPlayingSettings::bendRange, kHighestBendRange, kLowestBendRange},
    {"AfterAttackController", &TPlayingSettings::afterAttackController, kHighestController},
};
constexpr NumberKey kMpeKeys[]{
    {"MpeChannels", &TPlayingSettings::mpeChannels, kHighestMpeChannels, 1},
    {"MpeBendRange", &TPlayingSettings::mpeBendRange, kHighestMpeBendRange, kLowestBendRange},
};
const std::string kNone = "None";

// A choice stored by its name; an unknown name gives the default.
template <class Choice>
Choice readChoice(const TSettingsFile& settings, const char* key, Choice current)
{
    return ChoiceNamed<Choice>(settings.ReadString(section, key, std::string(ChoiceName(current)))).value_or(Choice{});
}

// A number held to 0..highest, or none: "None", or what is no number, is none.
std::optional<uint8_t> readOptional(const TSettingsFile& settings, const char* key, const std::optional<uint8_t>& current,
                                    int32_t highest)
{
    const std::string text = settings.ReadString(section, key, current ? std::to_string(*current) : kNone);
    const std::optional<int32_t> number = parseInt32(text, true);
    if (!number) return std::nullopt;
    return static_cast<uint8_t>(std::clamp(*number, 0, highest));
}

TPlayingSettings readPlaying(const TSettingsFile& settings, const TPlayingSettings& current)
{
    TPlayingSettings stored = current;
    const auto readNumbers = [&](const auto& keys) {
        for (const NumberKey& k : keys)
            stored.*k.field = static_cast<uint8_t>(
                std::clamp(settings.ReadLevel(section, k.key, current.*k.field), k.lowest, k.highest));
    };
    readNumbers(kRangeKeys);
    readNumbers(kLevelKeys);
    readNumbers(kExpressionKeys);
    readNumbers(kMpeKeys);
    if (stored.noteLow > stored.noteHigh) std::swap(stored.noteLow, stored.noteHigh);
    stored.scale = ScaleNamed(settings.ReadString(section, "Scale", std::string(ScaleName(current.scale))))
                       .value_or(TScale::Chromatic);
    stored.scaleRoot =
        RootNamed(settings.ReadString(section, "ScaleRoot", std::string(RootName(current.scaleRoot)))).value_or(0);
    stored.pitchMode = readChoice(settings, "PitchMode", current.pitchMode);
    stored.afterAttack = readChoice(settings, "AfterAttack", current.afterAttack);
    stored.velocityCurve = readChoice(settings, "VelocityCurve", current.velocityCurve);
    stored.polyphony = readChoice(settings, "Polyphony", current.polyphony);
    stored.program = readOptional(settings, "Program", current.program, 127);
    stored.penTiltXController = readOptional(settings, "PenTiltXController", current.penTiltXController, kHighestController);
    stored.penTiltYController = readOptional(settings, "PenTiltYController", current.penTiltYController, kHighestController);
    return stored;
}

// A choice left at its default is written only over a value already in the file, so that a user who
// never changes one keeps the file as it was.
void writePlaying(TSettingsFile& settings, const TPlayingSettings& playing)
{
    const TPlayingSettings defaults;
    const auto write = [&](const char* key, const std::string& value, bool isDefault) {
        if (!isDefault || settings.ValueExists(section, key)) settings.WriteString(section, key, value);
    };
    const auto writeNumbers = [&](const auto& keys) {
        for (const NumberKey& k : keys)
            write(k.key, std::to_string(playing.*k.field), playing.*k.field == defaults.*k.field);
    };
    writeNumbers(kRangeKeys);
    write("Scale", std::string(ScaleName(playing.scale)), playing.scale == defaults.scale);
    write("ScaleRoot", std::string(RootName(playing.scaleRoot)), playing.scaleRoot == defaults.scaleRoot);
    writeNumbers(kLevelKeys);
    const auto writeChoice = [&](const char* key, auto choice, auto byDefault) {
        write(key, std::string(ChoiceName(choice)), choice == byDefault);
    };
    writeChoice("PitchMode", playing.pitchMode, defaults.pitchMode);
    writeChoice("AfterAttack", playing.afterAttack, defaults.afterAttack);
    writeChoice("VelocityCurve", playing.velocityCurve, defaults.velocityCurve);
    writeNumbers(kExpressionKeys);
    writeChoice("Polyphony", playing.polyphony, defaults.polyphony);
    writeNumbers(kMpeKeys);
    const auto writeOptional = [&](const char* key, const std::optional<uint8_t>& value) {
        write(key, value ? std::to_string(*value) : kNone, !value);
    };
    writeOptional("Program", playing.program);
    writeOptional("PenTiltXController", playing.penTiltXController);
    writeOptional("PenTiltYController", playing.penTiltYController);
}

} // namespace

TSettingsDocument TSettingsDocument::Load(const std::string& fileName, const TSettingsDocument& current)
{
    const TSettingsFile settings(fileName);
    TSettingsDocument stored;
    stored.bounds = {settings.ReadInteger(section, "Left", current.bounds.left),
                     settings.ReadInteger(section, "Top", current.bounds.top),
                     settings.ReadInteger(section, "Width", current.bounds.width),
                     settings.ReadInteger(section, "Height", current.bounds.height)};
    stored.imageFile = settings.ReadString(section, "ImageFile", current.imageFile);
    stored.midiOutPort = settings.ReadString(section, "MidiOutPort", current.midiOutPort);
    stored.midiOutChannel = settings.ReadInteger(section, "MidiOutChannel", current.midiOutChannel);
    stored.playing = readPlaying(settings, current.playing);
    return stored;
}

void TSettingsDocument::Save(const std::string& fileName, bool withBounds) const
{
    TSettingsFile settings(fileName);
    if (withBounds) {
        settings.WriteInteger(section, "Left", bounds.left);
        settings.WriteInteger(section, "Top", bounds.top);
        settings.WriteInteger(section, "Width", bounds.width);
        settings.WriteInteger(section, "Height", bounds.height);
    }
    settings.WriteString(section, "MidiOutPort", midiOutPort);
    settings.WriteInteger(section, "MidiOutChannel", midiOutChannel);
    if (!imageFile.empty()) settings.WriteString(section, "ImageFile", imageFile);
    writePlaying(settings, playing);
    settings.Flush();
}
