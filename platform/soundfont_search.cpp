// Looks up the SoundFont with a few file-status checks only: it runs while the device table is
// built at start-up, so it must not open or parse anything.
#include "platform/soundfont_search.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

// default-GM.sf2 is the system's chosen GM SoundFont; the others in the order Debian ranks them.
const char* const kPreferredNames[] = {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"};

bool isReadableFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
}

} // namespace

const std::vector<std::string>& soundFontFolders()
{
    static const std::vector<std::string> folders = {"/usr/share/sounds/sf2", "/usr/share/soundfonts"};
    return folders;
}

std::string findSoundFont(const std::vector<std::string>& folders)
{
    for (const char* name : kPreferredNames) {
        for (const std::string& folder : folders) {
            const std::filesystem::path path = std::filesystem::path(folder) / name;
            if (isReadableFile(path)) return path.string();
        }
    }
    return {};
}
