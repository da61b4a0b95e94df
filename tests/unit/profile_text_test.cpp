#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <string>

using std::nullopt;

TEST(ProfileTextReading, NamesMatchWithoutRegardToLetterCaseAndBlanks)
{
    const std::string text = "[ settINGS ]\n  midioutport = Synth A \n";
    EXPECT_EQ(profileValue(text, "Settings", "MidiOutPort"), "Synth A");
    EXPECT_EQ(profileValue(text, "SETTINGS", "MIDIOUTPORT"), "Synth A");
    EXPECT_EQ(profileValue(text, " Settings\t", " MidiOutPort "), "Synth A");
}

TEST(ProfileTextReading, MissingSectionOrKeyYieldsNothingButAnEmptyValueIsAValue)
{
    const std::string text = "[Settings]\nLeft=\nTop = \n[Other]\nWidth=5\n";
    EXPECT_EQ(profileValue(text, "Settings", "Left"), "");
    EXPECT_EQ(profileValue(text, "Settings", "Top"), "");
    EXPECT_EQ(profileValue(text, "Settings", "Width"), nullopt);
    EXPECT_EQ(profileValue(text, "Nowhere", "Left"), nullopt);
    EXPECT_EQ(profileValue("", "Settings", "Left"), nullopt);
}

TEST(ProfileTextReading, OnePairOfEnclosingQuotesIsDropped)
{
    const std::string text = "[S]\na=\"quoted\"\nb='single'\nc=\"\"twice\"\"\nd=\"open\ne=\"mixed'\nf=  \" padded \"  \ng=\"\n";
    EXPECT_EQ(profileValue(text, "S", "a"), "quoted");
    EXPECT_EQ(profileValue(text, "S", "b"), "single");
    EXPECT_EQ(profileValue(text, "S", "c"), "\"twice\"");
    EXPECT_EQ(profileValue(text, "S", "d"), "\"open");
    EXPECT_EQ(profileValue(text, "S", "e"), "\"mixed'");
    EXPECT_EQ(profileValue(text, "S", "f"), " padded ");
    EXPECT_EQ(profileValue(text, "S", "g"), "\"");
}

TEST(ProfileTextReading, LinesThatAreNoKeysAreSkipped)
{
    const std::string text = "Left=1\n; comment\n[Settings]\n;Left=2\n#Left=3\njust words\n=orphan\n"
                             "[broken\nLeft = a=b ; not a comment\n";
    EXPECT_EQ(profileValue(text, "Settings", "Left"), "a=b ; not a comment");
    EXPECT_EQ(profileValue(text, "Settings", ";Left"), nullopt);
    EXPECT_EQ(profileValue(text, "Settings", ""), nullopt);
    EXPECT_EQ(profileValue(text, "", "Left"), nullopt);
}

TEST(ProfileTextReading, CrLfLineEndsAndAByteOrderMarkAreUnderstood)
{
    EXPECT_EQ(profileValue("\xEF\xBB\xBF[Settings]\r\nTop=106\r\nLeft=0", "Settings", "Top"), "106");
    EXPECT_EQ(profileValue("\xEF\xBB\xBF[Settings]\r\nTop=106\r\nLeft=0", "Settings", "Left"), "0");
    EXPECT_EQ(profileValue("[S]\nkey=a\rb\n", "S", "key"), "a\rb");
    EXPECT_EQ(profileValue("[S]\nkey=a\r", "S", "key"), "a");
}

TEST(ProfileTextReading, FirstOfDuplicateSectionsAndKeysCounts)
{
    const std::string text = "[S]\nk=1\nk=2\n[s]\nk=3\nonly=4\n";
    EXPECT_EQ(profileValue(text, "S", "k"), "1");
    EXPECT_EQ(profileValue(text, "S", "only"), nullopt);
    EXPECT_EQ(withProfileValue(text, "S", "K", "9"), "[S]\nk=9\nk=2\n[s]\nk=3\nonly=4\n");
}

TEST(ProfileTextWriting, ExistingKeyIsReplacedInPlaceKeepingEverythingElse)
{
    const std::string text = "; mine\r\n[Other]\r\nLeft=7\r\n\r\n[SETTINGS]\r\n  left = 5\r\nTop=6\r\n# end";
    EXPECT_EQ(withProfileValue(text, "Settings", "Left", "-5000"),
              "; mine\r\n[Other]\r\nLeft=7\r\n\r\n[SETTINGS]\r\n  left =-5000\r\nTop=6\r\n# end");
}

TEST(ProfileTextWriting, MissingKeyGoesAfterTheLastKeyOfItsSection)
{
    const std::string text = "[Settings]\nLeft=0\n; about Other\n\n[Other]\nx=1\n";
    EXPECT_EQ(withProfileValue(text, "settings", "Top", "106"),
              "[Settings]\nLeft=0\nTop=106\n; about Other\n\n[Other]\nx=1\n");
    EXPECT_EQ(withProfileValue("[Settings]\n\n[Other]\n", "Settings", "Top", "1"), "[Settings]\nTop=1\n\n[Other]\n");
    EXPECT_EQ(withProfileValue("[Settings]\r\nLeft=0", "Settings", "Top", "1"), "[Settings]\r\nLeft=0\r\nTop=1");
    EXPECT_EQ(withProfileValue("[Settings]\nLeft=0\r\n", "Settings", "Top", "1"), "[Settings]\nLeft=0\r\nTop=1\r\n");
    EXPECT_EQ(withProfileValue("[Settings]\nLeft=0\r", "Settings", "Top", "1"), "[Settings]\nLeft=0\r\nTop=1");
}

TEST(ProfileTextWriting, MissingSectionIsAddedAtTheEndInTheFilesLineEnds)
{
    EXPECT_EQ(withProfileValue("", "Settings", "Left", "0"), "[Settings]\nLeft=0\n");
    EXPECT_EQ(withProfileValue("\xEF\xBB\xBF", "Settings", "Left", "0"), "\xEF\xBB\xBF[Settings]\nLeft=0\n");
    EXPECT_EQ(withProfileValue("a=1\r\n[Other]", "Settings", "Left", "0"), "a=1\r\n[Other]\r\n[Settings]\r\nLeft=0\r\n");
    EXPECT_EQ(withProfileValue("x=1\n", " Settings ", " Left ", "0"), "x=1\n[Settings]\nLeft=0\n");
}

TEST(ProfileTextWriting, ValuesThatWouldChangeOnReadingAreQuoted)
{
    for (const std::string value : {" lead", "trail\t", "\"both\"", "'both'", "\"", "a=b;c", "", "x\"y\"z"}) {
        const std::string text = withProfileValue("[S]\nk=old\n", "S", "k", value);
        EXPECT_EQ(profileValue(text, "S", "k"), value) << text;
        EXPECT_EQ(profileValue(withProfileValue("", "S", "k", value), "S", "k"), value);
    }
    EXPECT_EQ(withProfileValue("", "S", "k", "plain value"), "[S]\nk=plain value\n");
}

TEST(ProfileTextWriting, EntriesThatCannotReadBackAreRefused)
{
    EXPECT_TRUE(isWritableProfileEntry("Settings", "ImageFile", "/home/me/a b=c;d[e].bmp"));
    EXPECT_TRUE(isWritableProfileEntry("Settings", "Left", ""));
    EXPECT_FALSE(isWritableProfileEntry("Settings", "ImageFile", "/tmp/a\nLeft=-5000"));
    EXPECT_FALSE(isWritableProfileEntry("Settings", "ImageFile", "a\rb"));
    EXPECT_FALSE(isWritableProfileEntry("Settings", "a=b", "1"));
    EXPECT_FALSE(isWritableProfileEntry("Settings", "  ", "1"));
    EXPECT_FALSE(isWritableProfileEntry("Settings", ";Left", "1"));
    EXPECT_FALSE(isWritableProfileEntry("Settings", "[Left", "1"));
    EXPECT_FALSE(isWritableProfileEntry("Set]tings", "Left", "1"));
    EXPECT_FALSE(isWritableProfileEntry("", "Left", "1"));
    EXPECT_FALSE(isWritableProfileEntry("Set\ntings", "Left", "1"));
}
