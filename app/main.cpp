// Entry: takes the exit signals, loads the user's language, answers --help and --version, fixes the
// program paths, creates the main window and runs the event loop until it closes.
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/exit_signals.h"
#include "app/form_main.h"
#include "app/program_paths.h"
#include "app/session/nsm_client.h"
#include "app/start_up.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    installExitSignals();
    Translations translations;
    const auto help = [&translations](const char* source) {
        return translations.Text("CommandLine", source).toLocal8Bit().toStdString();
    };
    if (const auto status = AnswerCommandLine(argc, argv, stdout, help)) return *status;
    initProgramPaths();
    QApplication application(argc, argv);
    translations.Install();
    applyDesktopIdentity();
    // Announced before the window exists, which waits for the session's open.
    const std::unique_ptr<NsmClient> session = NsmClient::FromEnvironment(argv[0]);
    TFormMain formMain(nullptr, session.get());
    QObject::connect(&formMain.StartUp(), &TStartUp::FirstFrameShown, &applyWindowIcon);
    return runUntilClosed(formMain);
}
