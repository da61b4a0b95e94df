// The choices that shape a note after its attack: pitch by steps or gliding with pitch bend, a second
// axis sent while the note is held, and the curve from pad height to velocity; with their names as
// the settings file and the Playing panel use them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class TPitchMode : uint8_t { Steps, Glide };
enum class TAfterAttack : uint8_t { None, Pressure, Controller };
enum class TVelocityCurve : uint8_t { Linear, Soft, Hard };
// One voice on the channel, a voice per source on the channel, or a voice per source on a channel of
// its own (MPE).
enum class TPolyphony : uint8_t { Mono, Poly, Mpe };

inline constexpr int kLowestBendRange = 1, kHighestBendRange = 48;  // semitones
inline constexpr int kHighestMpeBendRange = 96, kHighestMpeChannels = 15;

// "Steps", "Glide"; "None", "Pressure", "Controller"; "Linear", "Soft", "Hard"; "Mono", "Poly", "MPE";
// "" for a value out of its enumeration.
std::string_view ChoiceName(TPitchMode mode);
std::string_view ChoiceName(TAfterAttack axis);
std::string_view ChoiceName(TVelocityCurve curve);
std::string_view ChoiceName(TPolyphony polyphony);
// The choice of that name, without regard to case; nothing for an unknown name.
template <class Choice>
std::optional<Choice> ChoiceNamed(std::string_view name);

// The velocity `linear` (between `bottom` and `top`, either way round) bent by the curve: with u its
// place from bottom (0) to top (1), Soft gives bottom + round((top − bottom) × √u), Hard
// bottom + round((top − bottom) × u²).
uint8_t CurvedVelocity(TVelocityCurve curve, int32_t linear, int32_t bottom, int32_t top);
// A pen's pressure (0 none .. 1 full) as the value after the attack: bottom + round((top − bottom) ×
// pressure), bent by the curve, so no pressure gives the bottom velocity's value and full the top's.
uint8_t PressureLevel(double pressure, TVelocityCurve curve, int32_t bottom, int32_t top);
// A pen's tilt in degrees as a controller value: round((tilt + 60) × 127 ÷ 120) held to 0..127, 64 upright.
uint8_t TiltLevel(double degrees);
