// Notes from left-button gestures: every note started is ended, by the drag or by the release.
#include "tests/unit/pad_controller_fixture.h"

namespace {

using PadNotesTest = PadControllerTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(PadNotesTest, PressAndReleaseAtOneSpotSendsNoteOnThenNoteOff)
{
    click(P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96)));
    EXPECT_FALSE(pad->state().noteSounding);
}

TEST_F(PadNotesTest, DragReleaseAndPressElsewhereEndEveryNote)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseUp(kNone, P2x, P2y);
    pad->ImagePadMouseDown(kLeft, P3x, P3y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(63, 32), noteOff(63, 32), noteOn(95, 112)));
    EXPECT_TRUE(pad->state().noteSounding);
}

TEST_F(PadNotesTest, ClickingTheSameSpotAgainPlaysAgain)
{
    click(P1x, P1y);
    click(P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(31, 96), noteOff(31, 96)));
}

TEST_F(PadNotesTest, DragReplacesTheNoteOnlyWhenThePositionChanges)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->ImagePadMouseMove(P3x, P3y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(63, 32), noteOff(63, 32), noteOn(95, 112)));
    EXPECT_EQ(pad->state().lastNote, 95);
    EXPECT_EQ(pad->state().lastVelocity, 112);
}

TEST_F(PadNotesTest, ReleaseOutsideThePadEndsTheNoteWithItsOwnNumberAndVelocity)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseUp(kNone, -1, -1);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96)));
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
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(63, 32), noteOff(63, 32)));
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

TEST_F(PadNotesTest, NoteAndVelocityComeFromThePadSizeAndClamp)
{
    click(399, 398);  // the pad's last column and row
    click(400, 0);    // the pad's right edge and top row, as the caption shows them: X127, Y127
    click(-3, -5);    // beyond the top left: 0 and 128
    click(600, 700);  // beyond the bottom right: 190 and -95, a velocity of 0 played as 1
    EXPECT_THAT(sent(), ElementsAre(noteOn(126, 1), noteOff(126, 1), noteOn(127, 127), noteOff(127, 127),
                                    noteOn(0, 127), noteOff(0, 127), noteOn(127, 1), noteOff(127, 1)));
    host.padW = 800;  // a wider pad spreads the same notes further
    click(400, 0);
    EXPECT_EQ(sent().back(), noteOff(63, 127));
}

TEST_F(PadNotesTest, EndSoundingNoteEndsItOnce)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->EndSoundingNote();
    pad->EndSoundingNote();
    pad->ImagePadMouseUp(kNone, P1x, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96)));
}

TEST_F(PadNotesTest, ChannelSixteenStatuses)
{
    pad->setChannel(15);
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);
    pad->FormMouseWheel(120);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96, 15), noteOff(31, 96, 15), noteOn(63, 32, 15), control(1, 65, 15)));
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
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96, 0), noteOff(31, 96, 0), noteOn(63, 32, 3), noteOff(63, 32, 3)));
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
    EXPECT_EQ(pad->state().lastNote, 63);
    EXPECT_FALSE(pad->state().noteSounding);
}

// C4 to C6 in C major on the 400-pixel pad: 15 zones, 26 or 27 pixels each.
TEST_F(PadNotesTest, ScaleZonesReplaceTheNoteOnlyWhenTheDragChangesZone)
{
    TPlayingSettings settings;
    settings.noteLow = 60;
    settings.noteHigh = 84;
    settings.scale = TScale::Major;
    pad->SetPlaying(settings);
    pad->ImagePadMouseDown(kLeft, 0, P1y);
    pad->ImagePadMouseMove(26, P2y);   // same zone, other velocity: nothing
    pad->ImagePadMouseMove(27, P2y);   // second zone
    pad->ImagePadMouseMove(399, P3y);  // last zone
    pad->ImagePadMouseMove(900, P1y);  // beyond the pad: still the last zone
    pad->ImagePadMouseMove(-50, P1y);  // beyond the left edge: the first zone
    pad->ImagePadMouseUp(kNone, -50, P1y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(60, 96), noteOff(60, 96), noteOn(62, 32), noteOff(62, 32), noteOn(84, 112),
                                    noteOff(84, 112), noteOn(60, 96), noteOff(60, 96)));
    EXPECT_EQ(pad->state().x, -50);
}

TEST_F(PadNotesTest, ChangingThePlayingChoicesEndsTheSoundingNoteOnItsChannel)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->setChannel(5);
    TPlayingSettings settings;
    settings.velocityTop = 50;
    pad->SetPlaying(settings);
    pad->SetPlaying(settings);  // unchanged: nothing more
    pad->ImagePadMouseMove(P2x, P2y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(63, 13, 5)));
    EXPECT_EQ(pad->Playing().Settings(), settings);
    settings.noteLow = 100;
    settings.noteHigh = 90;
    EXPECT_THROW(pad->SetPlaying(settings), ERangeError);
    EXPECT_TRUE(pad->state().noteSounding);  // a refused choice ends nothing
}

} // namespace
