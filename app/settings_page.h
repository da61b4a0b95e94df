// TSettingsPage: the Settings page: the pad's image file, the MIDI output port and channel in the top
// panel, and the Playing panel under it. The port drop-down shows the port selector's list and choice.
#pragma once

#include "pad/playing.h"

#include <QCoreApplication>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TPadImage;
class TPlayingPanel;
class TPortSelector;
class TSpinEdit;

class TSettingsPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TSettingsPage)

public:
    // The image file field shows `image`'s file name.
    explicit TSettingsPage(const TPadImage& image, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditImageFile = nullptr;
    QPushButton* BitBtnBrowseImageFile = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBoxMidiOutPort = nullptr;
    QLabel* Label3 = nullptr;
    TSpinEdit* SpinEditMidiOutChannel = nullptr;
    TPlayingPanel* PanelPlaying = nullptr;

    // The Playing panel shows `playing`; the channel shows disabled where MPE chooses the channels.
    void ShowPlaying(const TPlayingSettings& playing);
    // Shows the entry or text that `ports` shows as chosen; with `listed`, its list anew first.
    void ShowPorts(const TPortSelector& ports, bool listed);
};
