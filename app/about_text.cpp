// The About page's text. Line 23 ends in a blank and the last line is a single blank, as shown.
#include "app/about_text.h"

#include <QCoreApplication>

namespace {

// A paragraph at a time, so that a translation may break its lines where its language needs.
const char* const kParagraphs[] = {
    QT_TRANSLATE_NOOP("About", "Mouse to MIDI"),
    QT_TRANSLATE_NOOP("About", "Mouse X -> Note Nr\n"
                               "Mouse Y -> Velocity\n"
                               "Mouse wheel -> Controller 1 (Modulation Wheel)\n"
                               "Red -> Controller 2 (Breath control)\n"
                               "Green -> Controller 3 ()\n"
                               "Blue -> Controller 4 (Foot control)"),
    QT_TRANSLATE_NOOP("About", "Holding the left mouse button activates sending of note on\n"
                               "and note off messages."),
    QT_TRANSLATE_NOOP("About", "Holding the right mouse button activates sending color changes\n"
                               "as CC values."),
    QT_TRANSLATE_NOOP("About", "When the mouse wheel won't work :"),
    QT_TRANSLATE_NOOP("About", "Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)\n"
                               "and kill that process, this will disable mousewheel support for some\n"
                               "programs but enable it for others, as long as you don't remove em_exec\n"
                               "from the registry wm_exec will be launched again after restarting windows, \n"
                               "so it's rather harmless to kill it."),
};

} // namespace

QStringList AboutLines()
{
    QStringList lines{"Pixono (" PIXONO_VERSION ")"};
    for (const char* paragraph : kParagraphs) {
        lines << QString();
        lines << QCoreApplication::translate("About", paragraph).split(u'\n');
    }
    lines << " ";
    return lines;
}
