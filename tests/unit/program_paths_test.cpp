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
