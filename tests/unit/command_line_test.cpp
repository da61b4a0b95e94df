// --help and --version print and end the program; any other argument lets it start.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Answer {
    std::optional<int> status;
    std::string printed;
};

Answer answer(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "pixono");
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    Answer result{AnswerCommandLine(int(arguments.size()), arguments.data(), out), {}};
    std::fclose(out);
    result.printed.assign(text, size);
    std::free(text);
    return result;
}

TEST(CommandLine, HelpAndVersionPrintAndEndTheProgram)
{
    const Answer help = answer({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.printed.starts_with("Usage: pixono [OPTION]\n"));
    EXPECT_NE(help.printed.find("--version"), std::string::npos);

    const Answer version = answer({"-platform", "offscreen", "--version", "--help"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.printed.starts_with("pixono 1."));
    EXPECT_EQ(version.printed.find('\n'), version.printed.size() - 1);
}

TEST(CommandLine, OtherArgumentsLetTheProgramStartAndPrintNothing)
{
    for (const auto& arguments : std::vector<std::vector<const char*>>{{}, {"-help"}, {"--helps"}, {"x.bmp"}}) {
        const Answer other = answer(arguments);
        EXPECT_EQ(other.status, std::nullopt);
        EXPECT_EQ(other.printed, "");
    }
}

TEST(CommandLine, AnOutputThatCannotBeWrittenEndsWithAFailure)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    const char* arguments[] = {"pixono", "--version"};
    EXPECT_EQ(AnswerCommandLine(2, arguments, full), 1);
    std::fclose(full);
}

} // namespace
