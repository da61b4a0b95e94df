#include "app/settings_file.h"

#include "platform/exception.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

TEST(SettingsInteger, StoredFormsAndTheirDefaults)
{
    EXPECT_EQ(settingsInteger("0x200", 7), 512);
    EXPECT_EQ(settingsInteger("0X1f", 7), 31);
    EXPECT_EQ(settingsInteger("$FFFFFFFF", 7), -1);
    EXPECT_EQ(settingsInteger("$80000000", 7), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(settingsInteger("  -5000", 7), -5000);
    for (const char* unreadable : {"", "0x", "12px", "-2147483649", "2147483648", "-$1", "$123456789"}) {
        EXPECT_EQ(settingsInteger(unreadable, 7), 7) << unreadable;
    }
}

// The file is read once and stored once: until Flush() it stays as it was, and a file changed
// behind the object's back is written over whole.
TEST(SettingsFile, ValuesReadBackAsWrittenAndAreStoredTogetherByFlush)
{
    TempFolder folder;
    TSettingsFile settings(folder.file("pixono.INI"));
    EXPECT_EQ(settings.ReadString("Settings", "MidiOutPort", "none"), "none");
    EXPECT_EQ(settings.ReadInteger("Settings", "Left", -3), -3);
    settings.WriteInteger("Settings", "Left", -2147483647 - 1);
    settings.WriteString("Settings", "MidiOutPort", " Synth \"A\" ");
    EXPECT_EQ(settings.ReadInteger("settings", "left", 0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(settings.ReadString("Settings", "MidiOutPort", ""), " Synth \"A\" ");
    EXPECT_EQ(readFileBytes(settings.FileName()), "");
    writeFileBytes(settings.FileName(), "[Settings]\nTop=1\n");
    EXPECT_FALSE(settings.ValueExists("Settings", "Top"));
    settings.Flush();
    EXPECT_EQ(readFileBytes(settings.FileName()), "[Settings]\nLeft=-2147483648\nMidiOutPort=\" Synth \"A\" \"\n");
}

TEST(SettingsFile, FailedWriteRaisesWithTheFileNameAndKeepsTheOldFile)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.file("taken.INI"));
    for (const std::string& name : {folder.file("missing/pixono.INI"), folder.file("taken.INI")}) {
        TSettingsFile settings(name);
        try {
            settings.WriteInteger("Settings", "Left", 1);
            settings.Flush();
            ADD_FAILURE() << "no error for " << name;
        } catch (const Exception& error) {
            EXPECT_EQ(error.message(), "Unable to write to " + name);
        }
    }
    // A refused entry keeps what was written before it and skips the rest.
    writeFileBytes(folder.file("pixono.INI"), "[Settings]\nImageFile=/old.bmp\n");
    TSettingsFile settings(folder.file("pixono.INI"));
    settings.WriteInteger("Settings", "Left", 1);
    EXPECT_THROW(settings.WriteString("Settings", "ImageFile", "/new\n.bmp"), Exception);
    EXPECT_EQ(readFileBytes(settings.FileName()), "[Settings]\nImageFile=/old.bmp\nLeft=1\n");
}
