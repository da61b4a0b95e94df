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

namespace {

// The test program's own folder, removed with the program's statics at its exit.
const TempFolder& testFolder()
{
    static const TempFolder folder;
    return folder;
}

} // namespace

void ensureQtApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would otherwise make a runtime folder of its own under the temporary folder and keep it.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", testFolder().path().c_str());
    static int argc = 1;
    static char name[] = "pixono_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics made after it (the input device list) are gone
    // already, and its destructor would reach into them.
    [[maybe_unused]] static const QApplication* const application = new QApplication(argc, argv);
    useTestProgramPaths();
    InstallMessagePresenter(&testMessagePresenter());
}

// Each test program keeps its settings file in its own folder, never beside the binary.
void useTestProgramPaths()
{
    setProgramPaths(programPathsFor(testFolder().file("pixono")));
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
