// The clean-up before a lost display ends the process; see display_loss.h.
#include "app/display_loss.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

DisplayLoss* watching = nullptr;
QtMessageHandler passedOn = nullptr;
std::atomic_flag cleanedUp = ATOMIC_FLAG_INIT;

// A platform plugin may say so from its own event thread: the clean-up is handed to the GUI thread,
// and the plugin is held back until it is done, for at most this long.
constexpr int kCleanUpMilliseconds = 2000;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (DisplayLoss* loss = watching; loss && type == QtWarningMsg && DisplayLoss::SaysDisplayBroke(message)) {
        if (QThread::currentThread() == loss->thread()) {
            loss->CleanUpOnce();
        } else {
            const auto done = std::make_shared<QSemaphore>();
            QMetaObject::invokeMethod(loss, [loss, done] {
                loss->CleanUpOnce();
                done->release();
            }, Qt::QueuedConnection);
            done->tryAcquire(1, kCleanUpMilliseconds);
        }
    }
    if (passedOn) passedOn(type, context, message);
}

} // namespace

DisplayLoss::DisplayLoss(std::function<void()> cleanUp, QObject* parent) : QObject(parent), cleanUp_(std::move(cleanUp))
{
    watching = this;
    passedOn = qInstallMessageHandler(handleMessage);
}

DisplayLoss::~DisplayLoss()
{
    qInstallMessageHandler(passedOn);
    watching = nullptr;
}

bool DisplayLoss::SaysDisplayBroke(const QString& message)
{
    return message.startsWith(u"The X11 connection broke") || message.startsWith(u"The Wayland connection broke") ||
           message.startsWith(u"The Wayland connection experienced a fatal error");
}

void DisplayLoss::CleanUpOnce()
{
    if (!cleanedUp.test_and_set()) cleanUp_();
}
