// The executable's own name and folder and the settings file, fixed once at start-up.
#pragma once

#include <string>

struct ProgramPaths {
    std::string ExeFileName;       // file-name part of the executable's path
    std::string ExePath;           // folder part, with the trailing separator
    std::string SettingsFileName;  // ExePath + name up to its first "." + ".INI", or the user's copy
};

// Splits an executable's full path into the three program paths.
ProgramPaths programPathsFor(const std::string& exeFullPath);

// The settings file for `beside` (as programPathsFor gives it): beside.SettingsFileName when the
// executable's folder is writable and not under /usr/; otherwise "pixono/pixono.INI" in the user's
// configuration folder, which is `xdgConfigHome` when that is an absolute path, else `home` + "/.config".
// Null stands for an unset variable; with neither usable, the file stays beside the executable.
std::string settingsFileFor(const ProgramPaths& beside, bool exeFolderWritable, const char* xdgConfigHome,
                            const char* home);

// Computes the paths from /proc/self/exe and the environment; called once, before anything is read.
void initProgramPaths();

// Fixes the paths as given; tests use it to keep the settings file in a folder of their own.
void setProgramPaths(const ProgramPaths& paths);

const std::string& ExeFileName();
const std::string& ExePath();
const std::string& SettingsFileName();

// Creates the settings file's missing folders, private to the user (mode 0700); a folder that cannot
// be made shows up as the settings write's own error.
void createSettingsFolder();
