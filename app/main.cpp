// Entry: takes the exit signals, answers --help and --version, fixes the program paths, creates the
// main window and runs the event loop until it closes.
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/exit_signals.h"
#include "app/form_main.h"
#include "app/program_paths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    installExitSignals();
    if (const auto status = AnswerCommandLine(argc, argv, stdout)) return *status;
    initProgramPaths();
    QApplication application(argc, argv);
    applyDesktopIdentity();
    TFormMain formMain;
    return runUntilClosed(formMain);
}
