// The command line's two options, answered before any window or display is needed: --help and
// --version print to standard output and end the program. Every other argument is ignored.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// The help text in the user's language and encoding, from its English source.
using HelpText = std::function<std::string(const char* source)>;

// The exit status when an argument asked to print and stop (the first of --help and --version wins;
// 1 when the text could not be written), else nothing: then the program starts as usual. Without
// `translated` the help is English.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::FILE* out,
                                     const HelpText& translated = {});
