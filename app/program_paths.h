// The executable's own name and folder and the settings file beside it, fixed once at start-up.
#pragma once

#include <string>

struct ProgramPaths {
    std::string ExeFileName;       // file-name part of the executable's path
    std::string ExePath;           // folder part, with the trailing separator
    std::string SettingsFileName;  // ExePath + name up to its first "." + ".INI"
};

// Splits an executable's full path into the three program paths.
ProgramPaths programPathsFor(const std::string& exeFullPath);

// Computes the paths from /proc/self/exe; called once, before the main window exists.
void initProgramPaths();

// Fixes the paths as given; tests use it to keep the settings file in a folder of their own.
void setProgramPaths(const ProgramPaths& paths);

const std::string& ExeFileName();
const std::string& ExePath();
const std::string& SettingsFileName();
