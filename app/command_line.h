// The command line's two options, answered before any window or display is needed: --help and
// --version print to standard output and end the program. Every other argument is ignored.
#pragma once

#include <cstdio>
#include <optional>

// The exit status when an argument asked to print and stop (the first of --help and --version wins;
// 1 when the text could not be written), else nothing: then the program starts as usual.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::FILE* out);
