// Random files edited again and again: each edit must read back, and change nothing else; one text
// kept in memory through all the edits must come out as the texts edited one at a time.
#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> sections = {"Settings", "Other", "Third"};
const std::vector<std::string> keys = {"Left", "Top", "ImageFile", "MidiOutPort"};

class RandomProfile {
public:
    explicit RandomProfile(unsigned seed) : random_(seed) {}

    std::string file()
    {
        const std::string lineEnd = chance(2) ? "\r\n" : "\n";
        std::string text = chance(8) ? "\xEF\xBB\xBF" : "";
        const int lineCount = pick(0, 14);
        for (int i = 0; i < lineCount; ++i) text += line() + (chance(20) ? "\n" : lineEnd);
        if (chance(4)) text += line();
        return text;
    }

    std::string name(const std::vector<std::string>& pool)
    {
        std::string name = pool[static_cast<size_t>(pick(0, static_cast<int>(pool.size()) - 1))];
        for (char& c : name) {
            if (chance(4)) c = static_cast<char>(c ^ 0x20);
        }
        return name;
    }

    std::string value()
    {
        static const std::string alphabet = " \t\"'=;#[]abcXYZ/.019";
        std::string value;
        const int length = pick(0, 12);
        for (int i = 0; i < length; ++i) value += alphabet[static_cast<size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))];
        return value;
    }

private:
    std::string blanks() { return chance(3) ? std::string(static_cast<size_t>(pick(1, 2)), chance(2) ? ' ' : '\t') : ""; }

    std::string line()
    {
        switch (pick(0, 7)) {
        case 0: return blanks() + "[" + blanks() + name(sections) + blanks() + "]" + (chance(3) ? " ; note" : "");
        case 1: return "; comment " + value();
        case 2: return "#" + name(keys) + "=" + value();
        case 3: return chance(2) ? "" : blanks();
        case 4: return chance(2) ? "words without equals" : "[unclosed";
        default: return blanks() + name(keys) + blanks() + "=" + value();
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }

    std::mt19937 random_;
};

bool sameName(std::string a, std::string b)
{
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    return lower(std::move(a)) == lower(std::move(b));
}

// The bytes that differ between two texts lie within one line of the old one.
void expectOneLocalChange(const std::string& before, const std::string& after)
{
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string removed = before.substr(prefix, before.size() - prefix - suffix);
    const std::string added = after.substr(prefix, after.size() - prefix - suffix);
    EXPECT_EQ(removed.find('\n'), std::string::npos) << "lines lost:\n" << before << "\n---\n" << after;
    EXPECT_LE(std::count(added.begin(), added.end(), '\n'), 3) << after;
}

} // namespace

TEST(ProfileRoundTrip, RandomEditsReadBackAndLeaveEveryOtherValueAndLineAloneAlsoInOneKeptText)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        RandomProfile random(seed);
        std::string text = random.file();
        ProfileText kept(text);
        for (int edit = 0; edit < 10; ++edit) {
            const std::string section = random.name(sections);
            const std::string key = random.name(keys);
            const std::string value = random.value();
            ASSERT_TRUE(isWritableProfileEntry(section, key, value));
            const std::string edited = withProfileValue(text, section, key, value);
            ASSERT_EQ(profileValue(edited, section, key), value) << text << "\n---\n" << edited;
            EXPECT_EQ(kept.setValue(section, key, value), edited != text);
            ASSERT_EQ(kept.text(), edited) << text;
            for (const auto& otherSection : sections) {
                for (const auto& otherKey : keys) {
                    EXPECT_EQ(kept.value(otherSection, otherKey), profileValue(edited, otherSection, otherKey));
                    if (sameName(otherSection, section) && sameName(otherKey, key)) continue;
                    EXPECT_EQ(profileValue(edited, otherSection, otherKey), profileValue(text, otherSection, otherKey))
                        << otherSection << "/" << otherKey << " in\n" << edited;
                }
            }
            expectOneLocalChange(text, edited);
            text = edited;
        }
    }
}
