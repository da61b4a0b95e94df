#include "app/program_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
ProgramPaths paths;

bool isAbsolute(const char* path) { return path && path[0] == '/'; }
} // namespace

ProgramPaths programPathsFor(const std::string& exeFullPath)
{
    ProgramPaths result;
    const auto slash = exeFullPath.find_last_of('/');
    result.ExePath = slash == std::string::npos ? std::string() : exeFullPath.substr(0, slash + 1);
    result.ExeFileName = slash == std::string::npos ? exeFullPath : exeFullPath.substr(slash + 1);
    const auto dot = result.ExeFileName.find('.');
    result.SettingsFileName = result.ExePath + result.ExeFileName.substr(0, dot) + ".INI";
    return result;
}

std::string settingsFileFor(const ProgramPaths& beside, bool exeFolderWritable, const char* xdgConfigHome,
                            const char* home)
{
    // A copy under the system's prefix is shared by every user: never keep one user's settings there.
    if (exeFolderWritable && !beside.ExePath.starts_with("/usr/")) return beside.SettingsFileName;
    std::string configHome;
    if (isAbsolute(xdgConfigHome)) configHome = xdgConfigHome;
    else if (isAbsolute(home)) configHome = std::string(home) + "/.config";
    else return beside.SettingsFileName;
    return configHome + "/pixono/pixono.INI";
}

void initProgramPaths()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    ProgramPaths found = programPathsFor(error ? std::string("pixono") : exe.string());
    const bool writable = !found.ExePath.empty() && ::access(found.ExePath.c_str(), W_OK) == 0;
    found.SettingsFileName = settingsFileFor(found, writable, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    setProgramPaths(found);
}

void setProgramPaths(const ProgramPaths& newPaths) { paths = newPaths; }

const std::string& ExeFileName() { return paths.ExeFileName; }
const std::string& ExePath() { return paths.ExePath; }
const std::string& SettingsFileName() { return paths.SettingsFileName; }

void createSettingsFolder()
{
    const std::string& file = paths.SettingsFileName;
    for (size_t slash = file.find('/', 1); slash != std::string::npos; slash = file.find('/', slash + 1)) {
        ::mkdir(file.substr(0, slash).c_str(), 0700);
    }
}
