#include "app/command_line.h"

#include <QtGlobal>

#include <string_view>

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: pixono [OPTION]\n"
    "Play MIDI notes and controllers with the mouse over a picture.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Other arguments are ignored. The settings are kept in pixono.INI; see pixono(1).\n");

// Printing succeeded only when everything reached the output (a full disk or a closed pipe fails).
int printed(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1; }

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::FILE* out, const HelpText& translated)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            std::fputs(translated ? translated(kHelp).c_str() : kHelp, out);
            return printed(out);
        }
        if (argument == "--version") {
            std::fputs("pixono " PIXONO_VERSION "\n", out);
            return printed(out);
        }
    }
    return std::nullopt;
}
