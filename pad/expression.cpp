// The names of the expression choices and the velocity curves: the settings file's values, which the
// window shows translated.
#include "pad/expression.h"

#include "pad/playing.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

template <size_t N>
std::string_view nameIn(const std::array<std::string_view, N>& names, uint8_t index)
{
    return index < N ? names[index] : std::string_view();
}

} // namespace

std::string_view ChoiceName(TPitchMode mode)
{
    return nameIn(std::array<std::string_view, 2>{QT_TRANSLATE_NOOP("Playing", "Steps"), QT_TRANSLATE_NOOP("Playing", "Glide")}, static_cast<uint8_t>(mode));
}

std::string_view ChoiceName(TAfterAttack axis)
{
    return nameIn(std::array<std::string_view, 3>{QT_TRANSLATE_NOOP("Playing", "None"), QT_TRANSLATE_NOOP("Playing", "Pressure"), QT_TRANSLATE_NOOP("Playing", "Controller")}, static_cast<uint8_t>(axis));
}

std::string_view ChoiceName(TVelocityCurve curve)
{
    return nameIn(std::array<std::string_view, 3>{QT_TRANSLATE_NOOP("Playing", "Linear"), QT_TRANSLATE_NOOP("Playing", "Soft"), QT_TRANSLATE_NOOP("Playing", "Hard")}, static_cast<uint8_t>(curve));
}

std::string_view ChoiceName(TPolyphony polyphony)
{
    return nameIn(std::array<std::string_view, 3>{QT_TRANSLATE_NOOP("Playing", "Mono"), QT_TRANSLATE_NOOP("Playing", "Poly"),
                                                  QT_TRANSLATE_NOOP("Playing", "MPE")},
                  static_cast<uint8_t>(polyphony));
}

template <class Choice>
std::optional<Choice> ChoiceNamed(std::string_view name)
{
    for (uint8_t i = 0; !ChoiceName(Choice(i)).empty(); ++i)
        if (SameIgnoringCase(ChoiceName(Choice(i)), name)) return Choice(i);
    return std::nullopt;
}
template std::optional<TPitchMode> ChoiceNamed(std::string_view);
template std::optional<TAfterAttack> ChoiceNamed(std::string_view);
template std::optional<TVelocityCurve> ChoiceNamed(std::string_view);
template std::optional<TPolyphony> ChoiceNamed(std::string_view);

uint8_t CurvedVelocity(TVelocityCurve curve, int32_t linear, int32_t bottom, int32_t top)
{
    const double span = top - bottom, above = linear - bottom;
    if (curve == TVelocityCurve::Linear || span == 0) return static_cast<uint8_t>(linear);
    // span × √(above ÷ span) and span × (above ÷ span)², with above and span of one sign.
    const double bent =
        curve == TVelocityCurve::Soft ? std::copysign(std::sqrt(above * span), span) : above * above / span;
    return static_cast<uint8_t>(bottom + std::lround(bent));
}

uint8_t PressureLevel(double pressure, TVelocityCurve curve, int32_t bottom, int32_t top)
{
    const long linear = bottom + std::lround((top - bottom) * std::clamp(pressure, 0.0, 1.0));
    return CurvedVelocity(curve, static_cast<int32_t>(linear), bottom, top);
}

uint8_t TiltLevel(double degrees)
{
    return static_cast<uint8_t>(std::clamp(std::lround((degrees + 60) * 127 / 120), 0L, 127L));
}
