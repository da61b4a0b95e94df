#include "app/program_paths.h"

#include <gtest/gtest.h>

TEST(ProgramPaths, SettingsFileTakesTheNameUpToItsFirstDot)
{
    const auto paths = programPathsFor("/opt/F/my.pad.tool.exe");
    EXPECT_EQ(paths.ExePath, "/opt/F/");
    EXPECT_EQ(paths.ExeFileName, "my.pad.tool.exe");
    EXPECT_EQ(paths.SettingsFileName, "/opt/F/my.INI");
}

TEST(ProgramPaths, NameWithoutDotIsTakenWhole)
{
    EXPECT_EQ(programPathsFor("/usr/bin/pixono").SettingsFileName, "/usr/bin/pixono.INI");
    EXPECT_EQ(programPathsFor("/F/pixono.exe").SettingsFileName, "/F/pixono.INI");
}

TEST(ProgramPaths, SettingsStayBesideAWritableFolderOutsideTheSystemPrefix)
{
    struct Case {
        const char* exe;
        bool writable;
        const char* xdgConfigHome;
        const char* home;
        const char* settings;
    };
    const Case cases[] = {
        {"/home/u/src/build/pixono", true, "/home/u/cfg", "/home/u", "/home/u/src/build/pixono.INI"},
        {"/home/u/bin/pixono", false, "/home/u/cfg", "/home/u", "/home/u/cfg/pixono/pixono.INI"},
        {"/usr/bin/pixono", true, nullptr, "/home/u", "/home/u/.config/pixono/pixono.INI"},
        {"/usr/local/bin/pixono", true, "/x", "/home/u", "/x/pixono/pixono.INI"},
        {"/usr/bin/pixono", false, "relative/cfg", "/home/u", "/home/u/.config/pixono/pixono.INI"},
        {"/usr/bin/pixono", false, "", "/root", "/root/.config/pixono/pixono.INI"},
        {"/usr/bin/pixono", false, nullptr, nullptr, "/usr/bin/pixono.INI"},
        {"/usrlocal/pixono", true, nullptr, "/home/u", "/usrlocal/pixono.INI"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settingsFileFor(programPathsFor(c.exe), c.writable, c.xdgConfigHome, c.home), c.settings) << c.exe;
    }
}
