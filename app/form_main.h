// TFormMain: the program's only window, with the Pad, Settings and About pages. It owns the output
// port and the pad controller, forwards the pad's pointer and wheel events to the controller, and runs
// every event handler through one guard that hands errors to the application's error display.
#pragma once

#include "app/session/session_document.h"
#include "app/title_writer.h"
#include "pad/held_keys.h"
#include "pad/pad_controller.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <exception>
#include <optional>

class NsmClient;
class PictureDialog;
class TAwaitedPort;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TImagePad;
class TPadImage;
class TSpinEdit;

class TFormMain : public QWidget, public PadHost, public SessionDocument {
    Q_OBJECT

public:
    // The window cannot be made smaller than this, outer frame included.
    static constexpr QSize kMinimumSize{416, 454};

    // Under a session manager (`session`), the ports and the settings wait for the session's open.
    explicit TFormMain(QWidget* parent = nullptr, NsmClient* session = nullptr);
    ~TFormMain() override;

    // Controls, named as the window's design names them.
    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetPad = nullptr;
    QWidget* TabSheetSettings = nullptr;
    QWidget* TabSheetAbout = nullptr;
    TImagePad* ImagePad = nullptr;
    TPadImage* PadImage = nullptr;  // the pad picture and the current image file name
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditImageFile = nullptr;
    QPushButton* BitBtnBrowseImageFile = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBoxMidiOutPort = nullptr;
    QLabel* Label3 = nullptr;
    TSpinEdit* SpinEditMidiOutChannel = nullptr;
    QGroupBox* PanelPlaying = nullptr;
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
    QPushButton* BitBtnPanic = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtnExit = nullptr;
    TMidiOutput* MidiOutput = nullptr;

    // Event handlers; each runs through the guard, so none lets an error escape.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormMouseWheel(int32_t wheelDelta);
    void ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseMove(int32_t x, int32_t y);
    void BitBtnBrowseImageFileClick();
    void BitBtnExitClick();
    // `chosen`: the user picked an entry from the list, rather than editing the text.
    void ComboBoxMidiOutPortChange(bool chosen);
    void SpinEditMidiOutChannelChange();
    // Silences the port: the sounding note ends, then every channel hears All Sound Off and All Notes Off.
    void Panic();
    // Any control of the Playing panel; `control` is the one the user changed.
    void PlayingControlChange(const QObject* control);

    // The port's start-up, run once the settings are open (under a session, once it opens) and the
    // window's first frame is shown, or at the first pointer or key event or drop-down opening should
    // one come sooner: lets the MIDI services go, lists the ports and opens the stored port, or the
    // first one listed when none is stored.
    void StartMidiOutPort();
    bool MidiOutPortStarted() const { return midiOutPortStarted_; }
    // Once the first frame is shown, just before the port starts, for work that frame does not need.
    Q_SIGNAL void FirstFrameShown();
    // A key from the key preview; true when it was a playing key of the Pad page and is taken.
    bool ComputerKey(const QKeyEvent& key);
    const THeldKeys& HeldKeys() const { return heldKeys_; }

    // Settings page operations, also used by the settings file.
    void FillMidiOutPorts();
    // Lists the devices installed now, each time the drop-down opens.
    void RefreshMidiOutPorts();
    int32_t IndexOfMidiOutPort(const QString& name) const;
    // `reopen`: open the port anew when the name is current but its port is closed or went away.
    // An open that fails raises, naming the port and the driver's reason.
    void SetMidiOutPort(const QString& name, bool reopen = false);
    // The name read from the settings file: as SetMidiOutPort, but a port not listed yet stays current.
    void SetStoredMidiOutPort(const QString& name);
    const QString& CurrentPortName() const { return currentPortName_; }
    // The name for the settings file: the stored one until the start-up, then the chosen port's;
    // empty while the open port is only the first listed.
    QString StoredMidiOutPortName() const;
    int32_t GetMidiOutChannel() const;
    void SetMidiOutChannel(int32_t value);
    void BrowseImageFile();
    // The pad's playing choices; setting them ends a sounding note, redraws the zones and shows the
    // choices in the Playing panel. Values out of their ranges raise "Range check error".
    const TPlayingSettings& GetPlaying() const { return pad_.Playing().Settings(); }
    void SetPlaying(const TPlayingSettings& settings);

    // The window's bounds including its frame, as the settings file stores them.
    QRect OuterBounds() const;
    void SetOuterBounds(const QRect& bounds);
    bool IsWindowStateNormal() const;  // neither minimised, maximised nor full screen

    const TPadController& Pad() const { return pad_; }
    // Puts another picture dialog in place of Qt's (not owned); nullptr returns to Qt's.
    void SetPictureDialog(PictureDialog* dialog);

    // PadHost
    int32_t padWidth() const override;
    int32_t padHeight() const override;
    void setCaption(const QString& caption) override;
    uint32_t sampleColour(int32_t x, int32_t y) override;

    // SessionDocument
    void OpenSettings() override;
    void SaveSettingsNow() override;
    std::string SettingsText() const override;

protected:
    bool event(QEvent* event) override;

private:
    friend class TFormMainSettingsHost;

    void FormCreate();
    void FormDestroy();
    void LoadSettings();
    bool IsMidiOutPortWell() const;
    void AddInstalledMidiOutPorts();
    void ListMidiOutPortsAhead();
    void OpenFirstMidiOutPort();
    void OpenMidiOutPort(const QString& name, int32_t i);
    bool OpenAwaitedMidiOutPort();
    void TellMidiOutPortMissing();
    void SaveSettings();
    bool SavesOnClose() const;
    void SettingsMayHaveChanged();

    QString currentImageFileName() const;
    void setImageFile(const QString& name);

    void buildPages();
    void buildPadPage();
    void buildSettingsPage();
    void buildPlayingPanel();
    void ShowPlaying();
    void buildAboutPage();
    void connectHandlers();

    template <class Body> void Guarded(Body&& body) noexcept;
    void ShowHandlerError(const std::exception& error) noexcept;
    void CancelPointerCapture() noexcept;
    void CloseOnSignal();
    void EndForLostDisplay();

    TTitleWriter titleWriter_{*this};
    TSoundingNotes soundingNotes_;  // shared by the pad and the held keys
    TPadController pad_;
    THeldKeys heldKeys_;
    NsmClient* session_ = nullptr;
    bool closingBySignal_ = false;
    QObject* inputPreview_ = nullptr;
    PictureDialog* pictureDialog_ = nullptr;
    QString currentPortName_;
    std::optional<QString> storedPortName_ = QString();  // as loaded, until StartMidiOutPort uses it
    bool portIsFirstListed_ = false;  // the open port was opened as the default, not chosen
    bool settingsOpened_ = false;     // OpenSettings has run: the port may start
    bool midiOutPortStarted_ = false;
    bool firstFrameShown_ = false;
    TAwaitedPort* awaitedPort_ = nullptr;
    QString lastPictureFile_;
    bool leftCaptured_ = false;  // a left press on the pad has not yet been released
    // Outer bounds set before the window's frame was known, with the frame they were fitted to.
    std::optional<QRect> unfittedBounds_;
    QRect normalBounds_;  // the outer bounds when the window was last in its normal state
    QSize fittedFrame_;
};

// Runs one handler body; an error that ends it is shown, and nothing crosses back into Qt.
template <class Body> void TFormMain::Guarded(Body&& body) noexcept
{
    try {
        body();
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    }
}
