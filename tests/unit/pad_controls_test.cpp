// Controllers from the pad: the wheel drives controller 1, the colour under the right button 2 to 4;
// and the caption that reports them.
#include "tests/unit/pad_controller_fixture.h"

namespace {

using PadControlsTest = PadControllerTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(PadControlsTest, TenNotchesUpSendOneControllerPerNotch)
{
    for (int notch = 0; notch < 10; ++notch) pad->FormMouseWheel(120);
    std::vector<Msg> expected;
    for (int value = 65; value <= 74; ++value) expected.push_back(control(1, value));
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(pad->state().wheel, 8880);
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W74) (X0,Y127) (R0,G0,B0)");
}

TEST_F(PadControlsTest, AccumulatorIsNotClampedSoTheWayBackStartsWhereItWentOver)
{
    for (int notch = 0; notch < 63 + 3; ++notch) pad->FormMouseWheel(120);
    driver.clearRecords();
    for (int notch = 0; notch < 4; ++notch) pad->FormMouseWheel(-120);
    EXPECT_THAT(sent(), ElementsAre(control(1, 127), control(1, 127), control(1, 127), control(1, 126)));
}

TEST_F(PadControlsTest, NegativeAccumulatorTruncatesTowardZero)
{
    pad->FormMouseWheel(-7880);
    EXPECT_EQ(pad->state().wheel, -200);
    EXPECT_THAT(sent(), ElementsAre(control(1, 0)));
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W-1) (X0,Y127) (R0,G0,B0)");
}

TEST_F(PadControlsTest, WheelEventWithoutChangeStillSendsButKeepsTheCaption)
{
    pad->FormMouseWheel(0);
    pad->SetWheel(7680);
    EXPECT_THAT(sent(), ElementsAre(control(1, 64)));
    EXPECT_THAT(host.captions, IsEmpty());
}

TEST_F(PadControlsTest, CaptionScalesThePositionByThePadSizeUnclamped)
{
    pad->ImagePadMouseDown(kLeft, 200, 100);
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W64) (X63,Y96) (R0,G0,B0)");
    pad->ImagePadMouseMove(-3, -5);   // -0.95 and -1.59 truncate toward zero
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W64) (X0,Y128) (R0,G0,B0)");
    host.padW = 200;
    pad->ImagePadMouseMove(800, 798);
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W64) (X508,Y-127) (R0,G0,B0)");
}

TEST_F(PadControlsTest, RightButtonSendsOnlyTheComponentsThatChanged)
{
    host.colourAt = [](int32_t x, int32_t) { return x < 100 ? 0xFF0000u : 0xFF1000u; };   // red 0 green 0 blue 255
    pad->ImagePadMouseDown(kRight, 50, 10);
    EXPECT_THAT(sent(), ElementsAre(control(4, 127)));
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W64) (X15,Y124) (R0,G0,B255)");

    host.colourAt = [](int32_t, int32_t) { return 0x0000FFu; };
    driver.clearRecords();
    pad->ImagePadMouseMove(60, 10);
    EXPECT_THAT(sent(), ElementsAre(control(2, 127), control(4, 0)));
    EXPECT_EQ(pad->state().colour, 0x0000FFu);
}

TEST_F(PadControlsTest, RedPixelAfterBlackThenAGreenChange)
{
    host.colourAt = [](int32_t x, int32_t) { return x < 100 ? 0x0000FFu : 0x0010FFu; };
    pad->ImagePadMouseDown(kRight, 50, 10);
    pad->ImagePadMouseMove(150, 10);
    EXPECT_THAT(sent(), ElementsAre(control(2, 127), control(3, 8)));
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W64) (X15,Y124) (R255,G16,B0)");
}

TEST_F(PadControlsTest, TopByteAloneRewritesTheCaptionWithoutSending)
{
    host.colourAt = [](int32_t, int32_t) { return 0xFF0000FFu; };
    pad->ImagePadMouseDown(kRight, 0, 0);
    host.colourAt = [](int32_t, int32_t) { return 0x000000FFu; };
    driver.clearRecords();
    const auto captions = host.captions.size();
    pad->ImagePadMouseMove(1, 1);
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_EQ(host.captions.size(), captions + 1);
}

TEST_F(PadControlsTest, InvalidColourOutsideThePictureReadsAsFullComponents)
{
    host.colourAt = [](int32_t, int32_t) { return 0xFFFFFFFFu; };
    pad->ImagePadMouseDown(kRight, 500, 10);
    EXPECT_THAT(sent(), ElementsAre(control(2, 127), control(3, 127), control(4, 127)));
}

TEST_F(PadControlsTest, NoColourControllersOnceTheRightButtonIsUp)
{
    host.colourAt = [](int32_t x, int32_t) { return uint32_t(x); };
    pad->ImagePadMouseDown(kRight, 10, 10);
    pad->ImagePadMouseUp(kNone, 20, 10);
    pad->ImagePadMouseMove(30, 10);
    pad->ImagePadMouseMove(40, 10);
    EXPECT_THAT(sent(), ElementsAre(control(2, 5)));
    EXPECT_FALSE(pad->state().rightHeld);
}

TEST_F(PadControlsTest, ChosenControllerNumbersCarryTheWheelAndTheColours)
{
    TPlayingSettings settings;
    settings.wheelController = 11;
    settings.redController = 0;
    settings.greenController = 119;
    settings.blueController = 71;
    pad->SetPlaying(settings);
    host.colourAt = [](int32_t, int32_t) { return 0x8040FFu; };
    pad->FormMouseWheel(120);
    pad->ImagePadMouseDown(kRight, 10, 10);
    EXPECT_THAT(sent(), ElementsAre(control(11, 65), control(0, 127), control(119, 32), control(71, 64)));
}

} // namespace
