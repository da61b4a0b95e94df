// Entry: fixes the program paths, creates the main window and runs the event loop until it closes.
#include "app/desktop_identity.h"
#include "app/form_main.h"
#include "app/program_paths.h"
#include "app/session/nsm_client.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    initProgramPaths();
    QApplication application(argc, argv);
    applyDesktopIdentity();
    // Announced before the window exists, which waits for the session's open.
    const std::unique_ptr<NsmClient> session = NsmClient::FromEnvironment(argv[0]);
    TFormMain formMain(nullptr, session.get());
    formMain.show();
    return application.exec();
}
