// The window's start-up order and the hold on the system's MIDI services.
#include "app/start_up.h"

#include "platform/midi_services.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <malloc.h>

namespace {

// At most a second of checks for the port made ready ahead.
constexpr int kReadyCheckMs = 5;
constexpr int kReadyChecks = 200;

} // namespace

TStartUp::TStartUp(QWidget& window, Steps steps) : window_(window), steps_(std::move(steps))
{
    holdSystemMidiServices(true);
    window_.installEventFilter(this);
}

TStartUp::~TStartUp()
{
    holdSystemMidiServices(false);
}

void TStartUp::SettingsOpened(bool startNow)
{
    settingsOpened_ = true;
    if (startNow) StartPorts();
}

void TStartUp::StartPorts()
{
    if (portsStarted_ || !settingsOpened_) return;
    portsStarted_ = true;
    holdSystemMidiServices(false);
    steps_.startPorts();
}

// Seen before the window paints, and queued behind that paint: the passes run once the first frame
// is on the screen.
bool TStartUp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Paint && !firstFrameShown_) {
        firstFrameShown_ = true;
        QTimer::singleShot(0, this, [this] { AfterFirstFrame(); });
    }
    return false;
}

// The icon, the port list and the port each take tens of milliseconds.
// The MIDI services are made on another thread while the icon is made here.
void TStartUp::AfterFirstFrame()
{
    const bool mayList = !portsStarted_ && settingsOpened_;
    if (mayList) {
        holdSystemMidiServices(false);
        prepareSystemMidiServices();
    }
    emit FirstFrameShown();
    if (mayList) QTimer::singleShot(0, this, [this] { ListWhenReady(kReadyChecks); });
    else QTimer::singleShot(0, this, [this] { StartWhenReady(0); });
}

void TStartUp::ListWhenReady(int checksLeft)
{
    if (checksLeft > 0 && !portsStarted_ && !prepareSystemMidiServices()) {
        QTimer::singleShot(kReadyCheckMs, this, [this, checksLeft] { ListWhenReady(checksLeft - 1); });
        return;
    }
    if (!portsStarted_) steps_.listPortsAhead();
    QTimer::singleShot(0, this, [this] { StartWhenReady(kReadyChecks); });
}

// What the port needs is made on other threads meanwhile; opened before it is ready, the open would
// wait for it. A first press, wheel or key does not wait.
void TStartUp::StartWhenReady(int checksLeft)
{
    if (checksLeft > 0 && !portsStarted_ && settingsOpened_ && !steps_.portsReady()) {
        QTimer::singleShot(kReadyCheckMs, this, [this, checksLeft] { StartWhenReady(checksLeft - 1); });
        return;
    }
    StartPorts();
    // Much of the heap that the start-up used is free again (the icon's images, the port scan): handed
    // back, it leaves the program small at rest.
    malloc_trim(0);
}
