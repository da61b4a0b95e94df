// The Playing panel's controls, laid out in the Settings page's style: labels over their controls,
// rows 40 pixels apart, the panic button at the right end of the second row, the expression choices
// in the fourth, the voices in the fifth and the pen's tilt and the instrument in the sixth. Every
// letter of "Pitch", "MPE channels", "MPE bend range", "Tilt X CC", "Tilt Y CC" and "Instrument" has
// its use elsewhere, so their labels alone have no accelerator.
#include "app/playing_panel.h"

#include "app/general_midi_programs.h"
#include "app/page_building.h"
#include "app/spin_edit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace {

// The top of each row's controls, labels above them.
constexpr int row(int index)
{
    return 36 + 40 * index;
}

// A spin edit's value brought into its range, as leaving the field would show it.
uint8_t spinValue(const TSpinEdit& spin)
{
    return static_cast<uint8_t>(std::clamp(spin.Value(), spin.MinValue(), spin.MaxValue()));
}

QLabel* labelOf(const QWidget* control)
{
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == control) return label;
    return nullptr;
}

// A row whose labels are wider than their controls: each control and its label start past the label
// and control before them; with `stretchLast` the last control reaches the row's right end.
void flowRow(std::initializer_list<QWidget*> controls, bool stretchLast)
{
    constexpr int gap = 8, rightEnd = 369;
    int x = (*controls.begin())->x();
    for (QWidget* control : controls) {
        QLabel* label = labelOf(control);
        control->move(x, control->y());
        label->move(x, label->y());
        x = std::max(control->geometry().right(), label->geometry().right()) + 1 + gap;
    }
    QWidget* last = *std::prev(controls.end());
    if (stretchLast) last->resize(rightEnd - last->x(), last->height());
}

// A list whose first entry is "None" and the others the numbers from 0.
std::optional<uint8_t> entryOrNone(const QComboBox& list)
{
    if (list.currentIndex() <= 0) return std::nullopt;
    return static_cast<uint8_t>(list.currentIndex() - 1);
}

uint8_t listIndex(const QComboBox& list)
{
    return static_cast<uint8_t>(std::max(list.currentIndex(), 0));
}

} // namespace

TPlayingPanel::TPlayingPanel(QWidget* parent) : QGroupBox(tr("Playing"), parent)
{
    setObjectName("PanelPlaying");
    setFixedHeight(row(5) + 28);
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
    ComboBoxNoteLow = list("ComboBoxNoteLow", "LabelNoteLow", tr("&Lowest note"), {24, row(0), 80, 21});
    ComboBoxNoteHigh = list("ComboBoxNoteHigh", "LabelNoteHigh", tr("&Highest note"), {112, row(0), 80, 21});
    for (int note = 0; note <= 127; ++note) {
        const QString entry = QString::fromStdString(NoteName(note)) + QString(" (%1)").arg(note);
        ComboBoxNoteLow->addItem(entry);
        ComboBoxNoteHigh->addItem(entry);
    }
    ComboBoxScale = list("ComboBoxScale", "LabelScale", tr("Sc&ale"), {200, row(0), 113, 21});
    for (int scale = 0; scale < kScaleCount; ++scale)
        ComboBoxScale->addItem(choiceText(ScaleName(TScale(scale))));
    ComboBoxScaleRoot = list("ComboBoxScaleRoot", "LabelScaleRoot", tr("R&oot"), {321, row(0), 48, 21});
    for (int root = 0; root < 12; ++root)
        ComboBoxScaleRoot->addItem(latin1Text(RootName(root)));

    SpinEditVelocityTop = spin("SpinEditVelocityTop", "LabelVelocityTop", tr("Velocity &top"), {24, row(1)}, 127);
    SpinEditVelocityBottom = spin("SpinEditVelocityBottom", "LabelVelocityBottom", tr("Velocity &bottom"), {112, row(1)}, 127);
    SpinEditWheelController =
        spin("SpinEditWheelController", "LabelWheelController", tr("&Wheel CC"), {24, row(2)}, kHighestController);
    SpinEditRedController =
        spin("SpinEditRedController", "LabelRedController", tr("&Red CC"), {112, row(2)}, kHighestController);
    SpinEditGreenController =
        spin("SpinEditGreenController", "LabelGreenController", tr("&Green CC"), {200, row(2)}, kHighestController);
    SpinEditBlueController =
        spin("SpinEditBlueController", "LabelBlueController", tr("Bl&ue CC"), {288, row(2)}, kHighestController);
    BitBtnPanic = named(new QPushButton(tr("Pa&nic"), this), "BitBtnPanic");
    BitBtnPanic->setGeometry(296, row(1) - 2, 73, 25);
    const auto addChoices = [](QComboBox* control, auto last) {
        for (int i = 0; i <= static_cast<int>(last); ++i)
            control->addItem(choiceText(ChoiceName(decltype(last)(i))));
        return control;
    };
    ComboBoxVelocityCurve = addChoices(list("ComboBoxVelocityCurve", "LabelVelocityCurve", tr("Cur&ve"), {216, row(1), 72, 21}),
                                       TVelocityCurve::Hard);
    ComboBoxPitchMode =
        addChoices(list("ComboBoxPitchMode", "LabelPitchMode", tr("Pitch"), {24, row(3), 80, 21}), TPitchMode::Glide);
    SpinEditBendRange = spin("SpinEditBendRange", "LabelBendRange", tr("Ben&d range"), {112, row(3)}, kHighestBendRange,
                             kLowestBendRange);
    ComboBoxAfterAttack =
        addChoices(list("ComboBoxAfterAttack", "LabelAfterAttack", tr("A&fter the attack"), {200, row(3), 105, 21}),
                   TAfterAttack::Controller);
    SpinEditAfterAttackController = spin("SpinEditAfterAttackController", "LabelAfterAttackController", tr("Aft&er CC"),
                                         {312, row(3)}, kHighestController);
    ComboBoxPolyphony =
        addChoices(list("ComboBoxPolyphony", "LabelPolyphony", tr("Pol&yphony"), {24, row(4), 72, 21}), TPolyphony::Mpe);
    SpinEditMpeChannels =
        spin("SpinEditMpeChannels", "LabelMpeChannels", tr("MPE channels"), {104, row(4)}, kHighestMpeChannels, 1);
    SpinEditMpeBendRange = spin("SpinEditMpeBendRange", "LabelMpeBendRange", tr("MPE bend range"), {176, row(4)},
                                kHighestMpeBendRange, kLowestBendRange);
    flowRow({ComboBoxPolyphony, SpinEditMpeChannels, SpinEditMpeBendRange}, false);
    const QString none = choiceText(ChoiceName(TAfterAttack::None));
    const auto controllerOrNone = [&](const char* name, const char* labelName, const QString& caption) {
        QComboBox* control = list(name, labelName, caption, {24, row(5), 76, 21});
        control->addItem(none);
        for (int controller = 0; controller <= kHighestController; ++controller)
            control->addItem(QString::number(controller));
        return control;
    };
    ComboBoxPenTiltXController = controllerOrNone("ComboBoxPenTiltXController", "LabelPenTiltXController", tr("Tilt X CC"));
    ComboBoxPenTiltYController = controllerOrNone("ComboBoxPenTiltYController", "LabelPenTiltYController", tr("Tilt Y CC"));
    ComboBoxInstrument = list("ComboBoxInstrument", "LabelInstrument", tr("Instrument"), {24, row(5), 113, 21});
    flowRow({ComboBoxPenTiltXController, ComboBoxPenTiltYController, ComboBoxInstrument}, true);
    ComboBoxInstrument->addItem(none);
    int widest = 0;
    for (int program = 0; program < GeneralMidiProgramCount; ++program) {
        ComboBoxInstrument->addItem(QString("%1 %2").arg(program + 1).arg(generalMidiProgramName(program)));
        const QString entry = ComboBoxInstrument->itemText(program + 1);
        widest = std::max(widest, ComboBoxInstrument->fontMetrics().horizontalAdvance(entry));
    }
    // The list opens as wide as its longest name.
    ComboBoxInstrument->view()->setMinimumWidth(widest + 24);
    setTabOrder(SpinEditVelocityBottom, ComboBoxVelocityCurve);
    connectControls();
}

// Only the user's changes: choices the program selects raise neither signal.
void TPlayingPanel::connectControls()
{
    for (QComboBox* list : {ComboBoxNoteLow, ComboBoxNoteHigh, ComboBoxScale, ComboBoxScaleRoot, ComboBoxVelocityCurve,
                            ComboBoxPitchMode, ComboBoxAfterAttack, ComboBoxPolyphony, ComboBoxInstrument,
                            ComboBoxPenTiltXController, ComboBoxPenTiltYController})
        connect(list, &QComboBox::activated, this, [this, list] { emit Changed(list); });
    for (TSpinEdit* spin : {SpinEditVelocityTop, SpinEditVelocityBottom, SpinEditWheelController,
                            SpinEditRedController, SpinEditGreenController, SpinEditBlueController, SpinEditBendRange,
                            SpinEditAfterAttackController, SpinEditMpeChannels, SpinEditMpeBendRange})
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
    settings.polyphony = static_cast<TPolyphony>(listIndex(*ComboBoxPolyphony));
    settings.mpeChannels = spinValue(*SpinEditMpeChannels);
    settings.mpeBendRange = spinValue(*SpinEditMpeBendRange);
    settings.program = entryOrNone(*ComboBoxInstrument);
    settings.penTiltXController = entryOrNone(*ComboBoxPenTiltXController);
    settings.penTiltYController = entryOrNone(*ComboBoxPenTiltYController);
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
    ComboBoxPolyphony->setCurrentIndex(static_cast<int>(settings.polyphony));
    for (const auto& [list, value] : {std::pair{ComboBoxInstrument, settings.program},
                                      {ComboBoxPenTiltXController, settings.penTiltXController},
                                      {ComboBoxPenTiltYController, settings.penTiltYController}})
        list->setCurrentIndex(value ? *value + 1 : 0);
    // What a polyphony does not use shows disabled and keeps its value: one bend per channel in Poly,
    // each voice's own bend range in MPE.
    const bool mono = settings.polyphony == TPolyphony::Mono, mpe = settings.polyphony == TPolyphony::Mpe;
    ComboBoxPitchMode->setEnabled(settings.polyphony != TPolyphony::Poly);
    SpinEditBendRange->setEnabled(mono);
    SpinEditMpeChannels->setEnabled(mpe);
    SpinEditMpeBendRange->setEnabled(mpe);
    const std::pair<TSpinEdit*, uint8_t> spins[]{
        {SpinEditVelocityTop, settings.velocityTop},         {SpinEditVelocityBottom, settings.velocityBottom},
        {SpinEditWheelController, settings.wheelController}, {SpinEditRedController, settings.redController},
        {SpinEditGreenController, settings.greenController}, {SpinEditBlueController, settings.blueController},
        {SpinEditBendRange, settings.bendRange},             {SpinEditAfterAttackController, settings.afterAttackController},
        {SpinEditMpeChannels, settings.mpeChannels},         {SpinEditMpeBendRange, settings.mpeBendRange},
    };
    for (const auto& [spin, value] : spins) {
        const QSignalBlocker quiet(spin);
        spin->SetValue(value);
    }
}
