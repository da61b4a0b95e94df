// The window's start-up order and the hold on the system's MIDI services.
#include "app/start_up.h"

#include "platform/midi_services.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <malloc.h>

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

// After the icon, the MIDI services are made on another thread; then the port that will open gets
// ready on threads of its own. Each waits in short passes, so the window answers meanwhile;
// a first press, wheel or key does not wait.
void TStartUp::AfterFirstFrame()
{
    emit FirstFrameShown();
    QTimer::singleShot(0, this, [this] {
        if (portsStarted_ || !settingsOpened_) return FinishStart();
        holdSystemMidiServices(false);
        WhenReady(&prepareSystemMidiServices, [this] {
            QTimer::singleShot(0, this, [this] { WhenReady(steps_.portReady, [this] { FinishStart(); }); });
        });
    });
}

// Runs `then` once `ready` says so, the ports have started, or a second of checks has gone by.
void TStartUp::WhenReady(const std::function<bool()>& ready, const std::function<void()>& then, int checksLeft)
{
    if (checksLeft > 0 && !portsStarted_ && !ready()) {
        QTimer::singleShot(kReadyCheckMs, this, [=, this] { WhenReady(ready, then, checksLeft - 1); });
        return;
    }
    then();
}

void TStartUp::FinishStart()
{
    StartPorts();
    // Much of the heap that the start-up used is free again (the icon's images, the port scan): handed
    // back, it leaves the program small at rest.
    malloc_trim(0);
}
