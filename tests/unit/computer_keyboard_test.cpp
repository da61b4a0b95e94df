#include "pad/computer_keyboard.h"

#include <gtest/gtest.h>

#include <optional>

// Every key by its XKB key code on a US keyboard, in the order of the rows as a player sees them:
// Z S X D C V G B H N J M , L . ; / from C4, and Q 2 W 3 E R 5 T 6 Y 7 U I 9 O 0 P from C5.
TEST(ComputerKeyboard, EveryKeyOfBothRowsPlaysItsSemitoneAndNoOtherKeyPlays)
{
    const uint32_t bottomRow[] = {52, 39, 53, 40, 54, 55, 42, 56, 43, 57, 44, 58, 59, 46, 60, 47, 61};
    const uint32_t topRow[] = {24, 11, 25, 12, 26, 27, 14, 28, 15, 29, 16, 30, 31, 18, 32, 19, 33};
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(KeyboardNote(bottomRow[i], 0), 60 + i) << bottomRow[i];
        EXPECT_EQ(KeyboardNote(topRow[i], 0), 72 + i) << topRow[i];
    }
    int noteKeys = 0;
    for (uint32_t code = 0; code < 300; ++code) noteKeys += IsNoteKey(code);
    EXPECT_EQ(noteKeys, 34);
}

TEST(ComputerKeyboard, OctaveShiftMovesBothRowsAndStaysWithinTheNotes)
{
    struct Case {
        uint32_t scanCode;
        int32_t shift;
        std::optional<uint8_t> note;
    };
    // XKB key codes: Z 52, Q 24, P 33, A 38 (between the rows, no note), Escape 9.
    const Case cases[] = {{52, -5, 0},   {52, -9, 0},           {52, 5, 120},          {24, 4, 120},
                          {33, 3, 124},  {33, 4, std::nullopt}, {38, 0, std::nullopt}, {9, 0, std::nullopt},
                          {1000, 0, std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(KeyboardNote(c.scanCode, c.shift), c.note) << c.scanCode << " " << c.shift;
    EXPECT_EQ(ShiftedOctave(5, 1), 5);
    EXPECT_EQ(ShiftedOctave(-5, -1), -5);
    EXPECT_EQ(ShiftedOctave(0, -1), -1);
}

TEST(ComputerKeyboard, VelocityIs100HeldWithinTheRangeEitherWayRoundAndNeverZero)
{
    EXPECT_EQ(KeyboardVelocity(1, 127), 100);
    EXPECT_EQ(KeyboardVelocity(20, 90), 90);
    EXPECT_EQ(KeyboardVelocity(127, 110), 110);
    EXPECT_EQ(KeyboardVelocity(64, 64), 64);
    EXPECT_EQ(KeyboardVelocity(0, 0), 1);  // a note on of velocity 0 would be a note off
}
