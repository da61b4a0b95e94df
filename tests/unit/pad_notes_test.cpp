// Notes from left-button gestures: every note started is ended, by the drag or by the release.
#include "tests/unit/pad_controller_fixture.h"

namespace {

using PadNotesTest = PadControllerTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(PadNotesTest, PressAndReleaseAtOneSpotSendsNoteOnThenNoteOff)
{
    click(P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100)));
    EXPECT_FALSE(pad->state().noteSounding);
}

TEST_F(PadNotesTest, DragReleaseAndPressElsewhereEndEveryNote)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    pad->ImagePadMouseDown(kLeft, P3x, P3y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100), noteOn(61, 44), noteOff(61, 44), noteOn(91, 114)));
    EXPECT_TRUE(pad->state().noteSounding);
}

TEST_F(PadNotesTest, ClickingTheSameSpotAgainPlaysAgain)
{
    click(P1x, P1y);
    click(P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100), noteOn(30, 100), noteOff(30, 100)));
}

TEST_F(PadNotesTest, DragReplacesTheNoteOnlyWhenThePositionChanges)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseMove(P3x, P3y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100), noteOn(61, 44), noteOff(61, 44), noteOn(91, 114)));
    EXPECT_EQ(pad->state().lastNote, 91);
    EXPECT_EQ(pad->state().lastVelocity, 114);
}

TEST_F(PadNotesTest, ReleaseOutsideThePadEndsTheNoteWithItsOwnNumberAndVelocity)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseUp(kNone, -1, -1);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100)));
    EXPECT_EQ(pad->state().x, -1);
    EXPECT_FALSE(pad->state().leftHeld);
}

TEST_F(PadNotesTest, RightButtonDuringADragNeitherStartsNorEndsNotes)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseDown(kBoth, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseUp(kLeft, P2x, P2y);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100), noteOn(61, 44), noteOff(61, 44)));
}

TEST_F(PadNotesTest, MovesWithoutTheLeftButtonKeepThePositionAndSendNothing)
{
    click(P1x, P1y);
    driver.clearRecords();
    const auto captions = host.captions.size();
    pad->ImagePadMouseMove(P2x, P2y);
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_EQ(host.captions.size(), captions);
    EXPECT_EQ(pad->state().x, P1x);
    EXPECT_EQ(host.samples.back(), std::make_pair(P2x, P2y));  // the colour is still read where the pointer is
}

TEST_F(PadNotesTest, NoteAndVelocityComeFromTheOuterWindowSizeAndClamp)
{
    click(399, 398);    // the pad's last column and row
    click(-3, -5);      // beyond the top left: 0 and 128
    click(600, 700);    // beyond the bottom right: 183 and -68
    EXPECT_THAT(sent(), ElementsAre(noteOn(121, 16), noteOff(121, 16), noteOn(0, 127), noteOff(0, 127),
                                    noteOn(127, 0), noteOff(127, 0)));
}

TEST_F(PadNotesTest, EndSoundingNoteEndsItOnce)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->EndSoundingNote();
    pad->EndSoundingNote();
    pad->ImagePadMouseUp(kNone, P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100), noteOff(30, 100)));
}

TEST_F(PadNotesTest, ChannelSixteenStatuses)
{
    pad->setChannel(15);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->FormMouseWheel(120);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100, 15), noteOff(30, 100, 15), noteOn(61, 44, 15), control(1, 65, 15)));
    EXPECT_EQ(sent()[0].status, 159);
    EXPECT_EQ(sent()[1].status, 143);
    EXPECT_EQ(sent()[3].status, 191);
}

TEST_F(PadNotesTest, NoteOffGoesToTheChannelTheNoteWasStartedOn)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->setChannel(3);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(30, 100, 0), noteOff(30, 100, 0), noteOn(61, 44, 3), noteOff(61, 44, 3)));
    EXPECT_THROW(pad->setChannel(16), ERangeError);
    EXPECT_THROW(pad->setChannel(-1), ERangeError);
    EXPECT_EQ(pad->channel(), 3);
}

TEST_F(PadNotesTest, ClosedPortSendsNothingButKeepsTheCaptionLive)
{
    port->Close();
    pad->ImagePadMouseDown(kBoth, P1x, P1y);
    host.colourAt = [](int32_t, int32_t) { return 0x00FF00u; };
    pad->ImagePadMouseMove(P2x, P2y);
    pad->FormMouseWheel(120);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    pad->EndSoundingNote();
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_EQ(lastCaption(), "=== Pixono ===  (W65) (X63,Y32) (R0,G255,B0)");
    EXPECT_EQ(pad->state().lastNote, 61);
    EXPECT_FALSE(pad->state().noteSounding);
}

} // namespace
