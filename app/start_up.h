// TStartUp: the order in which the window's work starts. The system's MIDI services are held (no JACK
// or ALSA client is made) from the window's making until the port may start: once the settings are
// open (under a session, once the session opens them) and the window's first frame is shown, or at the
// first pointer or key event or drop-down opening should one come sooner. After the first frame, the
// MIDI services are made on another thread while the icon is made; the port list, and then the port's
// open, each wait in passes of the event loop until what they need is ready, so that the window
// answers throughout.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

class TStartUp : public QObject {
    Q_OBJECT

public:
    struct Steps {
        std::function<bool()> portReady;   // gets the port that will open ready; true once it is
        std::function<void()> startPorts;  // runs once
    };

    TStartUp(QWidget& window, Steps steps);
    ~TStartUp() override;

    // The settings are loaded; `startNow` when the first frame need not be waited for (a session's
    // open comes after it).
    void SettingsOpened(bool startNow);
    // Starts the ports now, if the settings are open; later calls change nothing.
    void StartPorts();
    bool PortsStarted() const { return portsStarted_; }

signals:
    // Once the first frame is shown, just before the ports start, for work that frame does not need.
    void FirstFrameShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AfterFirstFrame();
    static constexpr int kReadyCheckMs = 5, kReadyChecks = 200;  // at most a second of checks
    void WhenReady(const std::function<bool()>& ready, const std::function<void()>& then,
                   int checksLeft = kReadyChecks);
    void FinishStart();

    QWidget& window_;
    Steps steps_;
    bool settingsOpened_ = false;
    bool firstFrameShown_ = false;
    bool portsStarted_ = false;
};
