// TFormMain's Playing panel: the pad's note range and scale, velocity range and curve, controller
// numbers and expression choices, taken from the panel's controls as the user changes them and shown
// there when set otherwise.
#include "app/form_main.h"

#include "app/spin_edit.h"
#include "pad/image_pad.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A spin edit's value brought into its range, as leaving the field would show it.
uint8_t spinValue(const TSpinEdit& spin)
{
    return static_cast<uint8_t>(std::clamp(spin.Value(), spin.MinValue(), spin.MaxValue()));
}

uint8_t listIndex(const QComboBox& list)
{
    return static_cast<uint8_t>(std::max(list.currentIndex(), 0));
}

} // namespace

// A lowest note chosen above the highest one takes the highest along, and the other way round.
void TFormMain::PlayingControlChange(const QObject* control)
{
    Guarded([&] {
        TPlayingSettings settings;
        settings.noteLow = listIndex(*ComboBoxNoteLow);
        settings.noteHigh = listIndex(*ComboBoxNoteHigh);
        if (settings.noteLow > settings.noteHigh) {
            if (control == ComboBoxNoteHigh) settings.noteLow = settings.noteHigh;
            else settings.noteHigh = settings.noteLow;
        }
        settings.scale = static_cast<TScale>(listIndex(*ComboBoxScale));
        settings.scaleRoot = listIndex(*ComboBoxScaleRoot);
        settings.velocityTop = spinValue(*SpinEditVelocityTop);
        settings.velocityBottom = spinValue(*SpinEditVelocityBottom);
        settings.wheelController = spinValue(*SpinEditWheelController);
        settings.redController = spinValue(*SpinEditRedController);
        settings.greenController = spinValue(*SpinEditGreenController);
        settings.blueController = spinValue(*SpinEditBlueController);
        settings.velocityCurve = static_cast<TVelocityCurve>(listIndex(*ComboBoxVelocityCurve));
        settings.pitchMode = static_cast<TPitchMode>(listIndex(*ComboBoxPitchMode));
        settings.bendRange = spinValue(*SpinEditBendRange);
        settings.afterAttack = static_cast<TAfterAttack>(listIndex(*ComboBoxAfterAttack));
        settings.afterAttackController = spinValue(*SpinEditAfterAttackController);
        SetPlaying(settings);
    });
}

// A change that fails (ending the sounding note can) leaves the panel showing the choices in effect.
void TFormMain::SetPlaying(const TPlayingSettings& settings)
{
    if (settings == GetPlaying()) return;
    try {
        pad_.SetPlaying(settings);
    } catch (...) {
        ShowPlaying();
        throw;
    }
    ImagePad->SetZones(pad_.Playing());
    ShowPlaying();
    SettingsMayHaveChanged();
}

// Writes the choices into the controls without raising their change events, which would read
// controls not yet written.
void TFormMain::ShowPlaying()
{
    const TPlayingSettings& settings = GetPlaying();
    ComboBoxNoteLow->setCurrentIndex(settings.noteLow);
    ComboBoxNoteHigh->setCurrentIndex(settings.noteHigh);
    ComboBoxScale->setCurrentIndex(static_cast<int>(settings.scale));
    ComboBoxScaleRoot->setCurrentIndex(settings.scaleRoot);
    ComboBoxVelocityCurve->setCurrentIndex(static_cast<int>(settings.velocityCurve));
    ComboBoxPitchMode->setCurrentIndex(static_cast<int>(settings.pitchMode));
    ComboBoxAfterAttack->setCurrentIndex(static_cast<int>(settings.afterAttack));
    const std::pair<TSpinEdit*, uint8_t> spins[]{
        {SpinEditVelocityTop, settings.velocityTop},         {SpinEditVelocityBottom, settings.velocityBottom},
        {SpinEditWheelController, settings.wheelController}, {SpinEditRedController, settings.redController},
        {SpinEditGreenController, settings.greenController}, {SpinEditBlueController, settings.blueController},
        {SpinEditBendRange, settings.bendRange},             {SpinEditAfterAttackController, settings.afterAttackController},
    };
    for (const auto& [spin, value] : spins) {
        const QSignalBlocker quiet(spin);
        spin->SetValue(value);
    }
}
