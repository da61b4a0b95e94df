#include "app/program_paths.h"

#include <filesystem>
#include <system_error>

namespace {
ProgramPaths paths;
}

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

void initProgramPaths()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    setProgramPaths(programPathsFor(error ? std::string("pixono") : exe.string()));
}

void setProgramPaths(const ProgramPaths& newPaths) { paths = newPaths; }

const std::string& ExeFileName() { return paths.ExeFileName; }
const std::string& ExePath() { return paths.ExePath; }
const std::string& SettingsFileName() { return paths.SettingsFileName; }
