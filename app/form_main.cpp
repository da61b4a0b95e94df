// TFormMain's life: construction, the creation and destruction handlers, the handler guard with its
// pointer-capture cancel, the window bounds and the window's side of the pad controller.
#include "app/form_main.h"

#include "app/application_title.h"
#include "app/display_loss.h"
#include "app/awaited_port.h"
#include "app/error_display.h"
#include "app/exit_signals.h"
#include "app/form_input_preview.h"
#include "app/picture_dialog.h"
#include "app/session/nsm_client.h"
#include "pad/image_pad.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <malloc.h>

#include <algorithm>

namespace {

constexpr QRect kInitialBounds(0, 106, 416, 454);

QtPictureDialog& qtPictureDialog()
{
    static QtPictureDialog dialog;
    return dialog;
}

} // namespace

TFormMain::TFormMain(QWidget* parent, NsmClient* session)
    : QWidget(parent), MidiOutput(new TMidiOutput(this)), pad_(*this, *MidiOutput, soundingNotes_),
      heldKeys_(*MidiOutput, soundingNotes_),
      session_(session), pictureDialog_(&qtPictureDialog()),
      awaitedPort_(new TAwaitedPort([this] { return OpenAwaitedMidiOutPort(); },
                                    [this] { TellMidiOutPortMissing(); }, this))
{
    setObjectName("FormMain");
    MidiOutput->setObjectName("MidiOutput");
    // A synth that comes back, or a connection others make to our port, starts with its own bend range.
    MidiOutput->SetOnDestinationConnected([this](TMidiOutput*) { Guarded([this] { pad_.SendBendRange(); }); });
    buildPages();
    connectHandlers();
    SetOuterBounds(kInitialBounds);
    inputPreview_ = new TFormInputPreview(*this);
    qApp->installEventFilter(inputPreview_);
    new ExitSignals([this] { CloseOnSignal(); }, this);
    new DisplayLoss([this] { EndForLostDisplay(); }, this);
    FormCreate();
}

TFormMain::~TFormMain()
{
    FormDestroy();
    if (session_) session_->SetDocument(nullptr);
    qApp->removeEventFilter(inputPreview_);
}

void TFormMain::FormCreate()
{
    Guarded([this] {
        // The application title titles every message box. It is neither the application name (the
        // window class, "Pixono") nor the display name: some platforms append that to every window
        // title, and the caption must be the status line and nothing more.
        SetApplicationTitle("=== Pixono ===");
        pad_.SetWheel(7680);
        EditImageFile->clear();
        PageControl->setCurrentWidget(TabSheetPad);
        if (session_) session_->SetDocument(this);
        else OpenSettings();
    });
}

void TFormMain::FormDestroy()
{
    Guarded([this] {
        if (SavesOnClose()) SaveSettings();
        heldKeys_.ReleaseAll();
        pad_.EndSoundingNote();
        MidiOutput->Close();
    });
}

void TFormMain::SetPictureDialog(PictureDialog* dialog)
{
    pictureDialog_ = dialog ? dialog : &qtPictureDialog();
}

void TFormMain::ShowHandlerError(const std::exception& error) noexcept
{
    CancelPointerCapture();
    ErrorDisplay().Show(error);
}

// A left drag in progress ends before any box opens: the pad sees the left released, with nothing
// held, at (-1, -1). An error of that release is shown first, through the same guard. Held computer
// keys may never see their releases either, so their notes end too.
void TFormMain::CancelPointerCapture() noexcept
{
    if (heldKeys_.AnySounding()) Guarded([this] { heldKeys_.ReleaseAll(); });
    if (!leftCaptured_) return;
    leftCaptured_ = false;
    Guarded([this] { pad_.ImagePadMouseUp(TShiftState{}, -1, -1); });
}

QRect TFormMain::OuterBounds() const
{
    return frameGeometry();
}

namespace {

// The width of the widest screen and the height of the tallest.
QSize largestScreenSize()
{
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens()) largest = largest.expandedTo(screen->size());
    return largest;
}

// Whether enough of the window's top edge lies in `area` to grab its title bar and drag it back: the
// bar's full height over 100 pixels of its width.
bool titleBarGrabbable(const QRect& bounds, const QRect& area)
{
    constexpr QSize kGrip(100, 24);
    const QRect shown = QRect(bounds.topLeft(), QSize(bounds.width(), kGrip.height())).intersected(area);
    return shown.height() >= kGrip.height() && shown.width() >= std::min(kGrip.width(), bounds.width());
}

// Bounds whose title bar cannot be grabbed on any screen (left from a monitor since unplugged) go to
// the primary screen's corner, keeping their size; bounds that can stay exactly where they are.
QPoint visibleTopLeft(const QRect& bounds)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (titleBarGrabbable(bounds, screen->availableGeometry())) return bounds.topLeft();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry().topLeft() : bounds.topLeft();
}

} // namespace

// Qt sizes a window by its client area; the frame's extra width and height, as far as the platform
// reports them, are taken off so that the outer bounds come out as asked.
void TFormMain::SetOuterBounds(const QRect& bounds)
{
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumSize - frame);
    // No larger than a screen: a stored size of any value would otherwise be allocated as it is.
    const QSize largest = largestScreenSize();
    const QSize outer = largest.isEmpty() ? bounds.size() : bounds.size().boundedTo(largest);
    const QRect placed(visibleTopLeft(QRect(bounds.topLeft(), outer.expandedTo(kMinimumSize))), bounds.size());
    move(placed.topLeft());
    resize(outer - frame);
    // A window not yet shown has no frame yet; its bounds are fitted again once the frame is known.
    unfittedBounds_ = isVisible() ? std::nullopt : std::optional(placed);
    fittedFrame_ = frame;
}

// Fits the outer bounds set before the first show to the frame, as soon as the platform reports it
// and the window is in its normal state; otherwise every start would grow the window by its frame.
// A window that is deactivated, hidden or minimised may never see the pad's left release, so the
// drag ends there. The first paint starts the port.
bool TFormMain::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    const QEvent::Type type = event->type();
    // Queued behind the first paint, so the port starts once the first frame is on the screen.
    if (type == QEvent::Paint && !firstFrameShown_) {
        firstFrameShown_ = true;
        // The icon, the port list and the port each take tens of milliseconds: in event loop passes of
        // their own, the window answers between them.
        QTimer::singleShot(0, this, [this] {
            emit FirstFrameShown();
            QTimer::singleShot(0, this, [this] {
                ListMidiOutPortsAhead();
                QTimer::singleShot(0, this, [this] {
                    StartMidiOutPort();
                    // Much of the heap that the start-up used is free again (the icon's images, the port
                    // scan): handed back, it leaves the program small at rest.
                    malloc_trim(0);
                });
            });
        });
    }
    if (type == QEvent::WindowDeactivate || type == QEvent::Hide ||
        (type == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMinimized)))
        CancelPointerCapture();
    const bool placed = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
    if (placed && unfittedBounds_ && isVisible() && IsWindowStateNormal() &&
        frameGeometry().size() - size() != fittedFrame_)
        SetOuterBounds(*unfittedBounds_);
    if (placed && IsWindowStateNormal()) normalBounds_ = OuterBounds();
    if (placed || type == QEvent::WindowStateChange) SettingsMayHaveChanged();
    return handled;
}

bool TFormMain::IsWindowStateNormal() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

int32_t TFormMain::padWidth() const
{
    return ImagePad->width();
}

int32_t TFormMain::padHeight() const
{
    return ImagePad->height();
}

void TFormMain::setCaption(const QString& caption)
{
    titleWriter_.write(caption);
}
