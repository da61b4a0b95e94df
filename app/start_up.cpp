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

// The icon, the port list and the port each take tens of milliseconds.
void TStartUp::AfterFirstFrame()
{
    emit FirstFrameShown();
    QTimer::singleShot(0, this, [this] {
        if (!portsStarted_ && settingsOpened_) {
            holdSystemMidiServices(false);
            steps_.listPortsAhead();
        }
        QTimer::singleShot(0, this, [this] {
            StartPorts();
            // Much of the heap that the start-up used is free again (the icon's images, the port scan):
            // handed back, it leaves the program small at rest.
            malloc_trim(0);
        });
    });
}
