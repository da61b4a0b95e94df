// The About page's text. Line 23 ends in a blank and the last line is a single blank, as shown.
#include "app/about_text.h"

QStringList AboutLines()
{
    return {
        "Pixono (" PIXONO_VERSION ")",
        "",
        "Mouse to MIDI",
        "",
        "Mouse X -> Note Nr",
        "Mouse Y -> Velocity",
        "Mouse wheel -> Controller 1 (Modulation Wheel)",
        "Red -> Controller 2 (Breath control)",
        "Green -> Controller 3 ()",
        "Blue -> Controller 4 (Foot control)",
        "",
        "Holding the left mouse button activates sending of note on",
        "and note off messages.",
        "",
        "Holding the right mouse button activates sending color changes",
        "as CC values.",
        "",
        "When the mouse wheel won't work :",
        "",
        "Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)",
        "and kill that process, this will disable mousewheel support for some",
        "programs but enable it for others, as long as you don't remove em_exec",
        "from the registry wm_exec will be launched again after restarting windows, ",
        "so it's rather harmless to kill it.",
        " ",
    };
}
