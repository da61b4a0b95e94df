// Which SoundFont the built-in synthesizer picks among the folders it searches.
#include "platform/soundfont_search.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class SoundFontSearch : public testing::Test {
protected:
    std::string folder(const char* name)
    {
        const fs::path path = fs::path(root.path().toStdString()) / name;
        fs::create_directories(path);
        return path.string();
    }
    static std::string touch(const std::string& folder, const char* name)
    {
        const std::string path = (fs::path(folder) / name).string();
        std::ofstream(path) << "sfbk";
        return path;
    }

    QTemporaryDir root;
};

TEST_F(SoundFontSearch, DefaultGmWinsOverOtherNamesInEarlierFolders)
{
    const std::string first = folder("sf2");
    const std::string second = folder("soundfonts");
    touch(first, "TimGM6mb.sf2");
    touch(first, "FluidR3_GM.sf2");
    const std::string chosen = touch(second, "default-GM.sf2");
    EXPECT_EQ(findSoundFont({first, second}), chosen);
}

TEST_F(SoundFontSearch, FallsBackToAnInstalledGmSoundFont)
{
    const std::string first = folder("sf2");
    const std::string second = folder("soundfonts");
    const std::string chosen = touch(second, "TimGM6mb.sf2");
    EXPECT_EQ(findSoundFont({first, second}), chosen);
    const std::string better = touch(first, "FluidR3_GM.sf2");
    EXPECT_EQ(findSoundFont({first, second}), better);
}

TEST_F(SoundFontSearch, SkipsDanglingLinksFoldersAndMissingFolders)
{
    const std::string sf2 = folder("sf2");
    // What an uninstalled alternative leaves behind.
    fs::create_symlink(fs::path(sf2) / "gone.sf2", fs::path(sf2) / "default-GM.sf2");
    fs::create_directory(fs::path(sf2) / "FluidR3_GM.sf2");
    EXPECT_EQ(findSoundFont({sf2, sf2 + "/missing"}), "");
    const std::string chosen = touch(sf2, "TimGM6mb.sf2");
    EXPECT_EQ(findSoundFont({sf2 + "/missing", sf2}), chosen);
}

TEST_F(SoundFontSearch, FollowsALinkToARealFile)
{
    const std::string sf2 = folder("sf2");
    const std::string target = touch(folder("elsewhere"), "Chosen.sf2");
    fs::create_symlink(target, fs::path(sf2) / "default-GM.sf2");
    EXPECT_EQ(findSoundFont({sf2}), sf2 + "/default-GM.sf2");
}

} // namespace
