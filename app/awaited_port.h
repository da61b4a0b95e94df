// A stored MIDI output port that is not listed yet: synths are often started after Pixono, so the
// port is looked for again every half second until it is there, and the user is told once when it
// is still missing after the first few seconds.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

class TAwaitedPort : public QObject {
public:
    struct Timing {
        int lookEveryMs = 500;
        int quietForMs = 5000;   // a port that appears within this time needs no word
    };

    // `openIfListed()` opens the port when it is listed now and says whether it was; `stillMissing()`
    // runs at most once per wait.
    TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent,
                 Timing timing);
    TAwaitedPort(std::function<bool()> openIfListed, std::function<void()> stillMissing, QObject* parent)
        : TAwaitedPort(std::move(openIfListed), std::move(stillMissing), parent, Timing{})
    {
    }

    void Start();
    void Stop();
    bool Waiting() const { return timer_.isActive(); }

private:
    void Look();

    std::function<bool()> openIfListed_;
    std::function<void()> stillMissing_;
    Timing timing_;
    QTimer timer_;
    QElapsedTimer since_;
    bool told_ = false;
};
