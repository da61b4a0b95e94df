// The test programs' shared QApplication and a bounded event-loop spin.
#include "tests/support/qt_application.h"

#include "tests/support/temp_folder.h"
#include "tests/support/test_message_presenter.h"
#include "app/program_paths.h"

#include <QApplication>

#include <cstdlib>
#include <string>

#include <chrono>
#include <thread>

void ensureQtApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pixono_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics made after it (the input device list) are gone
    // already, and its destructor would reach into them.
    [[maybe_unused]] static const QApplication* const application = new QApplication(argc, argv);
    useTestProgramPaths();
    InstallMessagePresenter(&testMessagePresenter());
}

// Each test program keeps its settings file in a fresh folder of its own, never beside the binary,
// removed with the program's statics at its exit.
void useTestProgramPaths()
{
    static const TempFolder folder;
    setProgramPaths(programPathsFor(folder.file("pixono")));
}

TestMessagePresenter& testMessagePresenter()
{
    static TestMessagePresenter presenter;
    return presenter;
}

void TestMessagePresenter::showError(const QString& title, const QString& text)
{
    shown.push_back({Kind::Error, title, text});
}

void TestMessagePresenter::showNotice(const QString& title, const QString& text)
{
    shown.push_back({Kind::Notice, title, text});
}

void processEventsOnce()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
