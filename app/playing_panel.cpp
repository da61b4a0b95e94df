// The Playing panel's controls, laid out in the Settings page's style: labels over their controls,
// rows 48 pixels apart, the panic button at the right end of the second row and the expression
// choices in the fourth. Every letter of "Pitch" has its use elsewhere, so its label alone has no
// accelerator.
#include "app/playing_panel.h"

#include "app/page_building.h"
#include "app/spin_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

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

TPlayingPanel::TPlayingPanel() : QGroupBox(tr("Playing"))
{
    setObjectName("PanelPlaying");
    setFixedHeight(218);
    const auto list = [this](const char* name, const char* labelName, const QString& caption, QRect bounds) {
        auto* control = named(new QComboBox(this), name);
        control->setGeometry(bounds);
        makeLabel(labelName, caption, {bounds.left(), bounds.top() - 16, 40, 13}, this)->setBuddy(control);
        return control;
    };
    const auto spin = [this](const char* name, const char* labelName, const QString& caption, QPoint at, int max,
                             int min = 0) {
        auto* control = named(new TSpinEdit(min, max, this), name);
        control->setGeometry(at.x(), at.y(), 57, 22);
        makeLabel(labelName, caption, {at.x(), at.y() - 16, 40, 13}, this)->setBuddy(control);
        return control;
    };
    ComboBoxNoteLow = list("ComboBoxNoteLow", "LabelNoteLow", tr("&Lowest note"), {24, 40, 80, 21});
    ComboBoxNoteHigh = list("ComboBoxNoteHigh", "LabelNoteHigh", tr("&Highest note"), {112, 40, 80, 21});
    for (int note = 0; note <= 127; ++note) {
        const QString entry = QString::fromStdString(NoteName(note)) + QString(" (%1)").arg(note);
        ComboBoxNoteLow->addItem(entry);
        ComboBoxNoteHigh->addItem(entry);
    }
    ComboBoxScale = list("ComboBoxScale", "LabelScale", tr("Sc&ale"), {200, 40, 113, 21});
    for (int scale = 0; scale < kScaleCount; ++scale)
        ComboBoxScale->addItem(choiceText(ScaleName(TScale(scale))));
    ComboBoxScaleRoot = list("ComboBoxScaleRoot", "LabelScaleRoot", tr("R&oot"), {321, 40, 48, 21});
    for (int root = 0; root < 12; ++root)
        ComboBoxScaleRoot->addItem(latin1Text(RootName(root)));

    SpinEditVelocityTop = spin("SpinEditVelocityTop", "LabelVelocityTop", tr("Velocity &top"), {24, 88}, 127);
    SpinEditVelocityBottom = spin("SpinEditVelocityBottom", "LabelVelocityBottom", tr("Velocity &bottom"), {112, 88}, 127);
    SpinEditWheelController =
        spin("SpinEditWheelController", "LabelWheelController", tr("&Wheel CC"), {24, 136}, kHighestController);
    SpinEditRedController =
        spin("SpinEditRedController", "LabelRedController", tr("&Red CC"), {112, 136}, kHighestController);
    SpinEditGreenController =
        spin("SpinEditGreenController", "LabelGreenController", tr("&Green CC"), {200, 136}, kHighestController);
    SpinEditBlueController =
        spin("SpinEditBlueController", "LabelBlueController", tr("Bl&ue CC"), {288, 136}, kHighestController);
    BitBtnPanic = named(new QPushButton(tr("Pa&nic"), this), "BitBtnPanic");
    BitBtnPanic->setGeometry(296, 86, 73, 25);
    const auto addChoices = [](QComboBox* control, auto last) {
        for (int i = 0; i <= static_cast<int>(last); ++i)
            control->addItem(choiceText(ChoiceName(decltype(last)(i))));
        return control;
    };
    ComboBoxVelocityCurve = addChoices(list("ComboBoxVelocityCurve", "LabelVelocityCurve", tr("Cur&ve"), {216, 88, 72, 21}),
                                       TVelocityCurve::Hard);
    ComboBoxPitchMode =
        addChoices(list("ComboBoxPitchMode", "LabelPitchMode", tr("Pitch"), {24, 184, 80, 21}), TPitchMode::Glide);
    SpinEditBendRange = spin("SpinEditBendRange", "LabelBendRange", tr("Ben&d range"), {112, 184}, kHighestBendRange,
                             kLowestBendRange);
    ComboBoxAfterAttack =
        addChoices(list("ComboBoxAfterAttack", "LabelAfterAttack", tr("A&fter the attack"), {200, 184, 105, 21}),
                   TAfterAttack::Controller);
    SpinEditAfterAttackController = spin("SpinEditAfterAttackController", "LabelAfterAttackController", tr("Aft&er CC"),
                                         {312, 184}, kHighestController);
    setTabOrder(SpinEditVelocityBottom, ComboBoxVelocityCurve);
    connectControls();
}

// Only the user's changes: choices the program selects raise neither signal.
void TPlayingPanel::connectControls()
{
    for (QComboBox* list : {ComboBoxNoteLow, ComboBoxNoteHigh, ComboBoxScale, ComboBoxScaleRoot, ComboBoxVelocityCurve,
                            ComboBoxPitchMode, ComboBoxAfterAttack})
        connect(list, &QComboBox::activated, this, [this, list] { emit Changed(list); });
    for (TSpinEdit* spin : {SpinEditVelocityTop, SpinEditVelocityBottom, SpinEditWheelController,
                            SpinEditRedController, SpinEditGreenController, SpinEditBlueController, SpinEditBendRange,
                            SpinEditAfterAttackController})
        connect(spin, &TSpinEdit::Changed, this, [this, spin] { emit Changed(spin); });
}

// A lowest note chosen above the highest one takes the highest along, and the other way round.
TPlayingSettings TPlayingPanel::Read(const QObject* changed) const
{
    TPlayingSettings settings;
    settings.noteLow = listIndex(*ComboBoxNoteLow);
    settings.noteHigh = listIndex(*ComboBoxNoteHigh);
    if (settings.noteLow > settings.noteHigh) {
        if (changed == ComboBoxNoteHigh) settings.noteLow = settings.noteHigh;
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
    return settings;
}

// The spin edits' change events would read controls not yet written.
void TPlayingPanel::Show(const TPlayingSettings& settings)
{
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
