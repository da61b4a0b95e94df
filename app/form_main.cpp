// TFormMain's composition: the units made and bound to each other and to the pages' controls, the
// creation and destruction handlers, the window's events, and the settings that it loads, saves and
// gives a session as its document.
#include "app/form_main.h"

#include "app/about_page.h"
#include "app/application_title.h"
#include "app/display_loss.h"
#include "app/error_display.h"
#include "app/exit_signals.h"
#include "app/form_input_preview.h"
#include "app/pad_page.h"
#include "app/pad_pointer_input.h"
#include "app/picture_dialog.h"
#include "app/playing_panel.h"
#include "app/port_selector.h"
#include "app/program_paths.h"
#include "app/refreshing_combo_box.h"
#include "app/session/nsm_client.h"
#include "app/settings_page.h"
#include "app/spin_edit.h"
#include "app/start_up.h"
#include "app/window_settings.h"
#include "pad/pad_image.h"
#include "platform/file_name.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr QRect kInitialBounds(0, 106, 416, 454);

QtPictureDialog& qtPictureDialog()
{
    static QtPictureDialog dialog;
    return dialog;
}

// The controls' font: the design's 8-point dialog font, 11 pixels high, by the nearest installed face.
QFont dialogFont()
{
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

// The window as the settings steps see it.
class TFormSettingsHost final : public SettingsHost {
public:
    explicit TFormSettingsHost(TFormMain& form) : form_(form) {}

    WindowBounds outerBounds() const override { return form_.Settings().bounds; }
    bool isWindowStateNormal() const override { return form_.Placement().IsWindowStateNormal(); }
    void setOuterBounds(const WindowBounds& bounds) override
    {
        form_.Placement().SetOuterBounds(QRect(bounds.left, bounds.top, bounds.width, bounds.height));
    }
    WindowBounds minimumSize() const override
    {
        return {0, 0, TFormMain::kMinimumSize.width(), TFormMain::kMinimumSize.height()};
    }
    std::string imageFileName() const override { return form_.Settings().imageFile; }
    void SetImageFile(const std::string& name) override { form_.SetImageFile(fileNameFromBytes(name)); }
    std::string midiOutPortName() const override { return form_.Settings().midiOutPort; }
    // Opened when the ports start, once the window shows.
    void SetMidiOutPort(const std::string& name) override { form_.Ports().Remember(QString::fromStdString(name)); }
    int32_t GetMidiOutChannel() const override { return form_.GetMidiOutChannel(); }
    void SetMidiOutChannel(int32_t value) override { form_.SetMidiOutChannel(value); }
    TPlayingSettings GetPlaying() const override { return form_.Settings().playing; }
    void SetPlaying(const TPlayingSettings& settings) override { form_.SetPlaying(settings); }
    void showError(const std::exception& error) override { form_.ShowError(error); }

private:
    TFormMain& form_;
};

} // namespace

TFormMain::TFormMain(QWidget* parent, NsmClient* session)
    : QWidget(parent),
      startUp_(*this, {[this] { return ports_->GetReadyToStart(); }, [this] { Guarded([this] { ports_->Start(); }); }}),
      TabSheetPad(new TPadPage(*this)), MidiOutput(new TMidiOutput(this)),
      performer_(*TabSheetPad, *MidiOutput, [this](const std::exception& error) { ShowError(error); }),
      ports_(new TPortSelector(*MidiOutput,
                               {[this] { performer_.EndSounding(); }, [this] { performer_.SendSetUp(); },
                                [this](const std::exception& error) { ShowError(error); }},
                               this)),
      session_(session), pictureDialog_(&qtPictureDialog())
{
    setObjectName("FormMain");
    MidiOutput->setObjectName("MidiOutput");
    BuildPages();
    ConnectHandlers();
    placement_.SetOuterBounds(kInitialBounds);
    inputPreview_ = new TFormInputPreview(*this);
    qApp->installEventFilter(inputPreview_);
    new ExitSignals([this] { CloseWithoutUser(false); }, this);
    new DisplayLoss([this] { CloseWithoutUser(true); }, this);
    FormCreate();
}

TFormMain::~TFormMain()
{
    FormDestroy();
    if (session_) session_->SetDocument(nullptr);
    qApp->removeEventFilter(inputPreview_);
}

void TFormMain::BuildPages()
{
    setFont(dialogFont());
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    PageControl->addTab(TabSheetPad, TPadPage::tr("&Pad"));
    new TPadPointerInput(*TabSheetPad, *this, performer_);
    // The Settings page's many controls would hold up the first frame, which shows only the pad.
    TabSheetSettings.Place(*PageControl, TSettingsPage::tr("&Settings"), [this] { return MakeSettingsPage(); });
    // Made inside the window, the page's controls take its font as they are made, rather than all
    // over again when it is added.
    TabSheetAbout = new TAboutPage(PageControl);
    PageControl->addTab(TabSheetAbout, TAboutPage::tr("About"));
}

void TFormMain::ConnectHandlers()
{
    connect(TabSheetAbout->BitBtnExit, &QPushButton::clicked, this, [this] { BitBtnExitClick(); });
    connect(&startUp_, &TStartUp::FirstFrameShown, this, [this] { TabSheetSettings.get(); });
    // The drop-down follows the selector once its page is made, which shows the whole list then.
    connect(ports_, &TPortSelector::ViewChanged, this, [this](bool listed) {
        if (TabSheetSettings.Made()) TabSheetSettings->ShowPorts(*ports_, listed);
    });
    connect(ports_, &TPortSelector::ChoiceChanged, this, [this] { SettingsMayHaveChanged(); });
    // Another page in front can no longer receive the pad's left release.
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { performer_.EndGestures(); });
}

// Made inside the window, the page's controls take its font as they are made. It shows the settings
// in effect, and only then are its controls bound.
TSettingsPage* TFormMain::MakeSettingsPage()
{
    TSettingsPage& settings = *new TSettingsPage(*TabSheetPad->PadImage, PageControl);
    settings.ShowPlaying(performer_.Playing());
    settings.SpinEditMidiOutChannel->SetValue(GetMidiOutChannel());
    settings.ShowPorts(*ports_, true);
    connect(settings.BitBtnBrowseImageFile, &QPushButton::clicked, this, [this] { BitBtnBrowseImageFileClick(); });
    connect(settings.PanelPlaying->BitBtnPanic, &QPushButton::clicked, this, [this] { Panic(); });
    connect(settings.PanelPlaying, &TPlayingPanel::Changed, this,
            [this](const QObject* control) { PlayingControlChange(control); });
    // The user's choice of an entry (also of the one already shown) and every typed edit; entries
    // the program selects raise neither.
    QComboBox* ports = settings.ComboBoxMidiOutPort;
    connect(ports, &QComboBox::activated, this, [this] { ComboBoxMidiOutPortChange(true); });
    connect(ports->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBoxMidiOutPortChange(false); });
    // The list shows the ports installed now; opened before the start, it starts the ports.
    connect(static_cast<TRefreshingComboBox*>(ports), &TRefreshingComboBox::PopupAboutToShow, this, [this, ports] {
        Guarded([this, ports] {
            if (ports_->Started()) ports_->RefreshMidiOutPorts(ports->currentText());
            else startUp_.StartPorts();
        });
    });
    connect(settings.SpinEditMidiOutChannel, &TSpinEdit::Changed, this, [this] { SpinEditMidiOutChannelChange(); });
    return &settings;
}

void TFormMain::FormCreate()
{
    Guarded([this] {
        // The application title titles every message box. It is neither the application name (the
        // window class, "Pixono") nor the display name: some platforms append that to every window
        // title, and the caption must be the status line and nothing more.
        SetApplicationTitle("=== Pixono ===");
        performer_.Pad().SetWheel(7680);
        PageControl->setCurrentWidget(TabSheetPad);
        if (session_) session_->SetDocument(this);
        else OpenSettings();
    });
}

// The manager's quit is a signal: the session keeps what its last save wrote.
void TFormMain::FormDestroy()
{
    Guarded([this] {
        if (!session_ || session_->SavesOnClose(closingBySignal_)) SaveSettingsNow();
        performer_.EndAll();
        MidiOutput->Close();
    });
}

void TFormMain::SetPictureDialog(PictureDialog* dialog)
{
    pictureDialog_ = dialog ? dialog : &qtPictureDialog();
}

void TFormMain::ShowError(const std::exception& error) noexcept
{
    performer_.EndGestures();
    ErrorDisplay().Show(error);
}

// A signal closes as the Exit button does, once every box and dialog is closed; a lost display ends
// the process as soon as this returns, so the closing steps run now. Errors from here on go to
// standard error: nothing waits for a user who may be gone.
void TFormMain::CloseWithoutUser(bool destroyNow)
{
    closingBySignal_ = true;
    ErrorDisplay().WriteToStandardError(true);
    if (destroyNow) FormDestroy();
    else BitBtnExitClick();
}

// A window that is deactivated, hidden or minimised may never see the pad's left release, so the
// drag ends there.
bool TFormMain::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate || type == QEvent::Hide ||
        (type == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMinimized)))
        performer_.EndGestures();
    if (placement_.Follow(type)) SettingsMayHaveChanged();
    return handled;
}

// Without a session this runs while the window is made, and the ports start after the first frame;
// a session's open comes later and starts them at once.
void TFormMain::OpenSettings()
{
    Guarded([this] {
        TFormSettingsHost host(*this);
        loadWindowSettings(host, SettingsFileName());
    });
    startUp_.SettingsOpened(session_ != nullptr);
}

void TFormMain::SaveSettingsNow()
{
    const TFormSettingsHost host(*this);
    createSettingsFolder();
    saveWindowSettings(host, SettingsFileName());
}

// Minimised or maximised, the document keeps the bounds the window will have again when restored.
TSettingsDocument TFormMain::Settings() const
{
    const QRect bounds = placement_.NormalBounds();
    return {{bounds.left(), bounds.top(), bounds.width(), bounds.height()},
            fileNameToBytes(TabSheetPad->PadImage->ImageFileName()),
            ports_->StoredMidiOutPortName().toStdString(),
            GetMidiOutChannel(),
            performer_.Playing()};
}

void TFormMain::SettingsMayHaveChanged()
{
    if (session_) session_->SettingsMayHaveChanged();
}
