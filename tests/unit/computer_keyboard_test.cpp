#include "pad/computer_keyboard.h"

#include <gtest/gtest.h>

#include <optional>

TEST(ComputerKeyboard, KeysPlayByTheirPlaceAndTheOctaveShiftStaysWithinTheNotes)
{
    struct Case {
        uint32_t scanCode;
        int32_t shift;
        std::optional<uint8_t> note;
    };
    // XKB key codes: Z 52, S 39, / 61, Q 24, 2 11, P 33, A 38 (between the rows, no note), Escape 9.
    const Case cases[] = {{52, 0, 60}, {39, 0, 61},  {61, 0, 76},  {24, 0, 72},   {11, 0, 73},
                          {33, 0, 88}, {52, -5, 0},  {52, -9, 0},  {52, 5, 120},  {24, 4, 120},
                          {33, 3, 124}, {33, 4, std::nullopt}, {38, 0, std::nullopt}, {9, 0, std::nullopt},
                          {1000, 0, std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(KeyboardNote(c.scanCode, c.shift), c.note) << c.scanCode << " " << c.shift;
    EXPECT_EQ(ShiftedOctave(5, 1), 5);
    EXPECT_EQ(ShiftedOctave(-5, -1), -5);
    EXPECT_EQ(ShiftedOctave(0, -1), -1);
}

TEST(ComputerKeyboard, VelocityIs100HeldWithinTheRangeEitherWayRound)
{
    EXPECT_EQ(KeyboardVelocity(1, 127), 100);
    EXPECT_EQ(KeyboardVelocity(20, 90), 90);
    EXPECT_EQ(KeyboardVelocity(127, 110), 110);
    EXPECT_EQ(KeyboardVelocity(64, 64), 64);
}
