#include "platform/profile_file.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace {

std::string read(const std::string& file, const char* key, const char* defaultValue = "default",
                 uint32_t size = 2048)
{
    std::string buffer(size, '#');
    const uint32_t count = GetPrivateProfileStringA("Settings", key, defaultValue, buffer.data(), size, file.c_str());
    EXPECT_EQ(buffer[count], '\0');
    return buffer.substr(0, count);
}

int32_t write(const std::string& file, const char* key, const std::string& value)
{
    return WritePrivateProfileStringA("Settings", key, value.c_str(), file.c_str());
}

size_t entriesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

} // namespace

TEST(ProfileFileReading, MissingOrUnreadableFileYieldsTheDefault)
{
    TempFolder folder;
    EXPECT_EQ(read(folder.file("none.INI"), "Left"), "default");
    EXPECT_EQ(read(folder.path(), "Left"), "default");
    EXPECT_EQ(read(folder.file("none.INI"), "Left", nullptr), "");
    writeFileBytes(folder.file("p.INI"), "[Settings]\nLeft=5\n");
    EXPECT_EQ(read(folder.file("p.INI"), "left"), "5");
    EXPECT_EQ(read(folder.file("p.INI"), "Top"), "default");
}

// Settings files that are no regular file of sane size read as missing, at once, and are not written over.
TEST(ProfileFileReading, PipesDevicesAndHugeFilesAreNeitherReadNorWritten)
{
    TempFolder folder;
    const std::string pipe = folder.file("pipe.INI"), device = folder.file("zero.INI"), huge = folder.file("huge.INI");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", device);
    writeFileBytes(huge, "[Settings]\nLeft=5\n");
    std::filesystem::resize_file(huge, 16 * 1024 * 1024 + 1);
    for (const std::string& file : {pipe, device, huge}) {
        EXPECT_EQ(read(file, "Left"), "default") << file;
        EXPECT_EQ(write(file, "Left", "1"), 0) << file;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(std::filesystem::file_size(huge), 16u * 1024 * 1024 + 1);
    std::filesystem::resize_file(huge, 16 * 1024 * 1024);
    EXPECT_EQ(read(huge, "Left"), "5");
}

TEST(ProfileFileReading, AtMost2047CharactersAndNoMoreThanTheBufferHolds)
{
    TempFolder folder;
    const std::string file = folder.file("p.INI");
    const std::string exact(2047, 'e');
    const std::string longer = std::string(2047, 'l') + "tail";
    ASSERT_EQ(write(file, "Exact", exact), 1);
    ASSERT_EQ(write(file, "Longer", longer), 1);
    EXPECT_EQ(read(file, "Exact"), exact);
    EXPECT_EQ(read(file, "Longer"), longer.substr(0, 2047));
    EXPECT_EQ(read(file, "Longer", "", 4096), longer.substr(0, 2047));
    EXPECT_EQ(read(file, "Exact", "", 10), exact.substr(0, 9));
    EXPECT_EQ(read(file, "None", std::string(3000, 'd').c_str()), std::string(2047, 'd'));
    EXPECT_EQ(GetPrivateProfileStringA("Settings", "Exact", "", nullptr, 0, file.c_str()), 0u);
}

TEST(ProfileFileWriting, FileWrittenFromScratchHoldsTheEntriesInWritingOrder)
{
    TempFolder folder;
    const std::string file = folder.file("p.INI");
    for (const char* key : {"Left", "Top", "Width"}) ASSERT_EQ(write(file, key, "1"), 1);
    ASSERT_EQ(write(file, "top", "2"), 1);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nLeft=1\nTop=2\nWidth=1\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(ProfileFileWriting, EverythingButTheValueKeepsItsBytesAndPermissions)
{
    TempFolder folder;
    const std::string file = folder.file("p.INI");
    const std::string before = "\xEF\xBB\xBF; by hand\r\n[Other]\r\nLeft=9\r\n\r\n[settings]\r\nLEFT = 1\r\nstray line\r\n";
    writeFileBytes(file, before);
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(write(file, "Left", "2"), 1);
    ASSERT_EQ(write(file, "Top", "3"), 1);
    EXPECT_EQ(readFileBytes(file),
              "\xEF\xBB\xBF; by hand\r\n[Other]\r\nLeft=9\r\n\r\n[settings]\r\nLEFT =2\r\nTop=3\r\nstray line\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(ProfileFileWriting, WritingThroughASymbolicLinkReplacesItsTarget)
{
    TempFolder folder;
    writeFileBytes(folder.file("real.INI"), "[Settings]\nLeft=1\n");
    std::filesystem::create_symlink(folder.file("real.INI"), folder.file("link.INI"));
    ASSERT_EQ(write(folder.file("link.INI"), "Left", "2"), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.INI")));
    EXPECT_EQ(readFileBytes(folder.file("real.INI")), "[Settings]\nLeft=2\n");
}

TEST(ProfileFileWriting, RefusedWriteReturnsZeroAndLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    const std::string file = folder.file("p.INI");
    const std::string before = "[Settings]\nImageFile=/old.bmp\n";
    writeFileBytes(file, before);
    EXPECT_EQ(write(file, "ImageFile", "/a\nLeft=-5000"), 0);
    EXPECT_EQ(write(file, "Image=File", "x"), 0);
    EXPECT_EQ(WritePrivateProfileStringA("Settings", "ImageFile", nullptr, file.c_str()), 0);
    EXPECT_EQ(readFileBytes(file), before);

    EXPECT_EQ(write(folder.file("missing/p.INI"), "Left", "1"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    std::filesystem::create_directory(folder.file("taken.INI"));
    EXPECT_EQ(write(folder.file("taken.INI"), "Left", "1"), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.INI")));
    EXPECT_EQ(entriesIn(folder.path()), 2u);
}
