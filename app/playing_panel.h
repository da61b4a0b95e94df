// TPlayingPanel: the Settings page's Playing panel. It shows the pad's playing choices (note range and
// scale, velocity range and curve, controller numbers, expression, polyphony, the pen's tilt and the
// instrument) and reads
// them back as the user changes them; it also holds the Panic button.
#pragma once

#include "pad/playing.h"

#include <QGroupBox>

class QComboBox;
class QPushButton;
class TSpinEdit;

class TPlayingPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TPlayingPanel(QWidget* parent = nullptr);

    QComboBox* ComboBoxNoteLow = nullptr;
    QComboBox* ComboBoxNoteHigh = nullptr;
    QComboBox* ComboBoxScale = nullptr;
    QComboBox* ComboBoxScaleRoot = nullptr;
    TSpinEdit* SpinEditVelocityTop = nullptr;
    TSpinEdit* SpinEditVelocityBottom = nullptr;
    TSpinEdit* SpinEditWheelController = nullptr;
    TSpinEdit* SpinEditRedController = nullptr;
    TSpinEdit* SpinEditGreenController = nullptr;
    TSpinEdit* SpinEditBlueController = nullptr;
    QComboBox* ComboBoxVelocityCurve = nullptr;
    QComboBox* ComboBoxPitchMode = nullptr;
    TSpinEdit* SpinEditBendRange = nullptr;
    QComboBox* ComboBoxAfterAttack = nullptr;
    TSpinEdit* SpinEditAfterAttackController = nullptr;
    QComboBox* ComboBoxPolyphony = nullptr;
    TSpinEdit* SpinEditMpeChannels = nullptr;
    TSpinEdit* SpinEditMpeBendRange = nullptr;
    QComboBox* ComboBoxPenTiltXController = nullptr;  // "None", then the controllers from 0
    QComboBox* ComboBoxPenTiltYController = nullptr;
    QComboBox* ComboBoxInstrument = nullptr;  // "None", then the General MIDI programs from 1
    QPushButton* BitBtnPanic = nullptr;

    // Writes the choices into the controls without raising Changed.
    void Show(const TPlayingSettings& settings);
    // The choices the controls show; `changed` is the control the user changed, whose note wins
    // when the lowest note would lie above the highest.
    TPlayingSettings Read(const QObject* changed) const;

signals:
    // The user changed `control`.
    void Changed(const QObject* control);

private:
    void connectControls();
};
