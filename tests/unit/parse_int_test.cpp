#include "platform/parse_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using std::nullopt;

TEST(ParseInt32, DecimalWithOptionalSignAndLeadingBlanks)
{
    EXPECT_EQ(parseInt32("0"), 0);
    EXPECT_EQ(parseInt32("16"), 16);
    EXPECT_EQ(parseInt32("+7"), 7);
    EXPECT_EQ(parseInt32("-5000"), -5000);
    EXPECT_EQ(parseInt32("0005"), 5);
    EXPECT_EQ(parseInt32("  \t 42"), 42);
    EXPECT_EQ(parseInt32("-0"), 0);
}

TEST(ParseInt32, DecimalRangeIsExactlyThatOfSigned32Bit)
{
    EXPECT_EQ(parseInt32("2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseInt32("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseInt32("2147483648"), nullopt);
    EXPECT_EQ(parseInt32("-2147483649"), nullopt);
    EXPECT_EQ(parseInt32("99999999999999999999999"), nullopt);
    EXPECT_EQ(parseInt32("000000000000000000002147483647"), std::numeric_limits<int32_t>::max());
}

TEST(ParseInt32, SaturatingReadHoldsNumbersPastThirtyTwoBitsAtTheLimit)
{
    constexpr int32_t largest = std::numeric_limits<int32_t>::max(), smallest = std::numeric_limits<int32_t>::min();
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"2147483648", largest},   {"4294967308", largest},  {"99999999999999999999999", largest},
        {"-2147483649", smallest}, {"-99999999999", smallest}, {"$100000000", largest},
        {"-2147483648", smallest}, {"$FFFFFFFF", -1},        {"42", 42},
        {"99999999999px", nullopt}, {"", nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseInt32(text, true), value) << text;
}

TEST(ParseInt32, HexadecimalPrefixesAndDigitsOfEitherCase)
{
    EXPECT_EQ(parseInt32("$1F"), 31);
    EXPECT_EQ(parseInt32("x1f"), 31);
    EXPECT_EQ(parseInt32("X1F"), 31);
    EXPECT_EQ(parseInt32("0x200"), 512);
    EXPECT_EQ(parseInt32("0XaBc"), 0xABC);
    EXPECT_EQ(parseInt32(" $10"), 16);
}

TEST(ParseInt32, HexadecimalIsASigned32BitPatternOfAtMostEightSignificantDigits)
{
    EXPECT_EQ(parseInt32("$FFFFFFFF"), -1);
    EXPECT_EQ(parseInt32("$80000000"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseInt32("$7FFFFFFF"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseInt32("$00000000FFFFFFFF"), -1);
    EXPECT_EQ(parseInt32("$100000000"), nullopt);
    EXPECT_EQ(parseInt32("$0"), 0);
}

TEST(ParseInt32, AnythingElseIsUnreadable)
{
    for (const char* text : {"", " ", "+", "-", "$", "0x", "x", "12px", "12 ", "1.5", "1,5", "- 1", "+-1",
                             "-$10", "+0x10", "$G", "0x1g", "00x10", "$ 1"}) {
        EXPECT_EQ(parseInt32(text), nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(parseInt32(std::string_view("1\0", 2)), nullopt);
}
