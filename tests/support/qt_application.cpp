// The test programs' shared QApplication and a bounded event-loop spin.
#include "tests/support/qt_application.h"

#include <QApplication>

#include <chrono>
#include <thread>

void ensureQtApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pixono_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

void processEventsOnce()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
