// Entry: fixes the program paths, creates the main window and runs the event loop until it closes.
#include "app/desktop_identity.h"
#include "app/form_main.h"
#include "app/program_paths.h"
#include "platform/midi_services.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    initProgramPaths();
    deferSystemMidiServices();  // the window starts them after its first frame
    QApplication application(argc, argv);
    applyDesktopIdentity();
    TFormMain formMain;
    formMain.show();
    return application.exec();
}
