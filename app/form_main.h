// TFormMain: the program's only window. It composes the units that do the work (app/README.md): the
// Pad, Settings and About pages, the port selector, the performer, the start-up order and the window's
// placement. It binds the pages' controls to them, runs every event handler through one guard that
// hands errors to the application's error display, and is the document that a session saves.
#pragma once

#include "app/guarded.h"
#include "app/page_on_demand.h"
#include "app/performer.h"
#include "app/session/session_document.h"
#include "app/start_up.h"
#include "app/window_placement.h"

#include <QWidget>

class NsmClient;
class PictureDialog;
class QKeyEvent;
class QTabWidget;
class TAboutPage;
class TPadPage;
class TPortSelector;
class TSettingsPage;

class TFormMain : public QWidget, public SessionDocument {
    // First made: it holds the system's MIDI services before the output asks them for devices.
    TStartUp startUp_;

public:
    static constexpr QSize kMinimumSize{416, 454};  // outer frame included

    // Under a session manager, the ports and the settings wait for the session's open.
    explicit TFormMain(QWidget* parent = nullptr, NsmClient* session = nullptr);
    ~TFormMain() override;

    QTabWidget* PageControl = nullptr;
    TPadPage* TabSheetPad = nullptr;
    TPageOnDemand<TSettingsPage> TabSheetSettings;  // made after the first frame, or when first asked for
    TAboutPage* TabSheetAbout = nullptr;
    TMidiOutput* MidiOutput = nullptr;

    TPerformer& Performer() { return performer_; }
    const TPerformer& Performer() const { return performer_; }
    TPortSelector& Ports() const { return *ports_; }
    TStartUp& StartUp() { return startUp_; }
    TWindowPlacement& Placement() { return placement_; }

    // Event handlers; each runs through the guard, so none lets an error escape.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormMouseWheel(int32_t wheelDelta);
    void ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y);
    void ImagePadMouseMove(int32_t x, int32_t y);
    void BitBtnBrowseImageFileClick();
    void BitBtnExitClick();
    void ComboBoxMidiOutPortChange(bool chosen);  // `chosen`: picked from the list, not typed
    void SpinEditMidiOutChannelChange();
    void Panic();  // ends every note, then silences every channel
    void PlayingControlChange(const QObject* control);
    // A key from the key preview; true when it was a playing key of the Pad page and is taken.
    bool ComputerKey(const QKeyEvent& key);

    // The settings' operations. Those that fail raise; the guard is the caller's.
    int32_t GetMidiOutChannel() const { return performer_.Channel() + 1; }
    void SetMidiOutChannel(int32_t value);
    // Out of their ranges, the choices raise "Range check error" and the panel shows those in effect.
    void SetPlaying(const TPlayingSettings& settings);
    void SetImageFile(const QString& name);
    void BrowseImageFile();
    // Puts another picture dialog in place of Qt's (not owned); nullptr returns to Qt's.
    void SetPictureDialog(PictureDialog* dialog);
    // Shows an error in the error display, once a drag in progress has ended.
    void ShowError(const std::exception& error) noexcept;
    void OpenSettings() override;
    void SaveSettingsNow() override;
    TSettingsDocument Settings() const override;

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void SettingsMayHaveChanged();
    void BuildPages();
    void ConnectHandlers();
    TSettingsPage* MakeSettingsPage();
    void CloseWithoutUser(bool destroyNow);
    template <class Body> void Guarded(Body&& body) noexcept
    {
        runGuarded(body, [this](const std::exception& error) { ShowError(error); });
    }

    TWindowPlacement placement_{*this, kMinimumSize};
    TPerformer performer_;
    TPortSelector* ports_ = nullptr;
    NsmClient* session_ = nullptr;
    bool closingBySignal_ = false;
    QObject* inputPreview_ = nullptr;
    PictureDialog* pictureDialog_ = nullptr;
    QString lastPictureFile_;
};
