// What a refused send or an overflow leaves behind, and the allocation-free way to the driver.
#include "tests/unit/pad_controller_fixture.h"

#include <limits>

namespace {

using PadFailureTest = PadControllerTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kRefused = FakeMidiDriver::errorText(MMSYSERR_ERROR);

template <class Action>
void expectError(Action action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "no error raised, expected \"" << message << "\"";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), message);
    }
}

TEST_F(PadFailureTest, RefusedNoteOnKeepsTheLastNoteAndSkipsTheColourSample)
{
    click(P1x, P1y);
    host.colourAt = [](int32_t, int32_t) { return 0x0000FFu; };
    const auto samples = host.samples.size();
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);
    expectError([&] { pad->ImagePadMouseDown(kBoth, P2x, P2y); }, kRefused);
    EXPECT_EQ(pad->state().lastNote, 31);
    EXPECT_EQ(pad->state().lastVelocity, 96);
    EXPECT_EQ(host.samples.size(), samples);
    EXPECT_EQ(pad->state().colour, 0u);

    // The window then cancels the drag: nothing sounds, so nothing is sent.
    driver.clearRecords();
    pad->ImagePadMouseUp(kNone, -1, -1);
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_FALSE(pad->state().leftHeld);
    EXPECT_FALSE(pad->state().rightHeld);
}

TEST_F(PadFailureTest, RefusedNoteOffDuringADragIsRetriedByTheCancellingRelease)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);
    expectError([&] { pad->ImagePadMouseMove(P2x, P2y); }, kRefused);
    EXPECT_EQ(pad->state().lastNote, 31);
    pad->ImagePadMouseUp(kNone, -1, -1);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96)));
}

TEST_F(PadFailureTest, NoteOffRefusedBecauseThePortWentAwayEndsTheNoteAllTheSame)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    driver.fail(MidiCall::ShortMsg, MIDIERR_NODEVICE);
    expectError([&] { pad->ImagePadMouseMove(P2x, P2y); }, FakeMidiDriver::errorText(MIDIERR_NODEVICE));
    EXPECT_FALSE(pad->state().noteSounding);
    // The cancelling release and the window's own note end have nothing left to send.
    pad->ImagePadMouseUp(kNone, -1, -1);
    pad->EndSoundingNote();
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96)));
}

TEST_F(PadFailureTest, RefusedNoteOffAtTheReleaseStillLiftsTheButtonsAndTheNextPressEndsTheNote)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);
    expectError([&] { pad->ImagePadMouseUp(kNone, P1x, P1y); }, kRefused);
    EXPECT_FALSE(pad->state().leftHeld);
    EXPECT_TRUE(pad->state().noteSounding);
    pad->ImagePadMouseDown(kLeft, P2x, P2y);
    EXPECT_THAT(sent(), ElementsAre(noteOn(31, 96), noteOff(31, 96), noteOn(63, 32)));
}

// A full queue refuses exactly when Panic is needed: whatever is refused, the rest still goes out,
// and the first refusal is the one reported.
TEST_F(PadFailureTest, PanicSendsEverythingItCanAndReportsTheFirstRefusalOnce)
{
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    driver.fail(MidiCall::ShortMsg, MIDIERR_NOTREADY, std::nullopt, 1);   // the note off
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, std::nullopt, 1);     // channel 1's All Sound Off
    expectError([&] { pad->Panic(); }, FakeMidiDriver::errorText(MIDIERR_NOTREADY));
    std::vector<Msg> expected = {noteOn(31, 96), control(123, 0, 0)};
    for (int channel = 1; channel < 16; ++channel) {
        expected.push_back(control(120, 0, channel));
        expected.push_back(control(123, 0, channel));
    }
    EXPECT_EQ(sent(), expected);
    EXPECT_TRUE(pad->state().noteSounding) << "a refused note off is tried again";
}

TEST_F(PadFailureTest, AbsurdCoordinatesAndWheelRaiseIntegerOverflow)
{
    expectError([&] { pad->ImagePadMouseDown(kLeft, 20'000'000, 0); }, "Integer overflow");
    expectError([&] { pad->ImagePadMouseDown(kLeft, 0, -20'000'000); }, "Integer overflow");
    pad->ImagePadMouseUp(kNone, 0, 0);
    pad->SetWheel(std::numeric_limits<int32_t>::max() - 10);
    expectError([&] { pad->FormMouseWheel(120); }, "Integer overflow");
    EXPECT_EQ(pad->state().wheel, std::numeric_limits<int32_t>::max() - 10);
    EXPECT_THAT(sent(), IsEmpty());
}

TEST_F(PadFailureTest, NothingIsAllocatedBetweenTheSendsAndTheDriver)
{
    // What a move allocates up to its colour sample, which follows its messages; only the caption's
    // text, written last, may allocate.
    const auto allocatedBeforeSample = [&](int32_t x, int32_t y) {
        const uint64_t start = threadAllocationCount();
        pad->ImagePadMouseMove(x, y);
        return host.allocationsAtSample - start;
    };
    pad->ImagePadMouseDown(kLeft, P1x, P1y);
    pad->ImagePadMouseMove(P2x, P2y);   // warm up

    // A drag move: note off and note on.
    EXPECT_EQ(allocatedBeforeSample(P3x, P3y), 0u);

    // A wheel event whose value does not change: the send alone.
    const AllocationScope wheelSend;
    pad->FormMouseWheel(0);
    EXPECT_EQ(wheelSend.count(), 0u);
    EXPECT_EQ(sent().size(), 1u + 2 + 2 + 1);

    // A drag move into another zone of a scale.
    TPlayingSettings zones;
    zones.noteLow = 60;
    zones.noteHigh = 84;
    zones.scale = TScale::Major;
    pad->SetPlaying(zones);
    pad->ImagePadMouseMove(P1x, P1y);
    EXPECT_EQ(allocatedBeforeSample(P2x, P2y), 0u);
    EXPECT_EQ(sent().size(), 6u + 1 + 1 + 2);

    // Gliding with pressure: a bend and a pressure, then a handover.
    zones.pitchMode = TPitchMode::Glide;
    zones.afterAttack = TAfterAttack::Pressure;
    pad->SetPlaying(zones);
    pad->ImagePadMouseMove(P1x, P1y);
    const size_t before = sent().size();
    EXPECT_EQ(allocatedBeforeSample(P1x + 5, P2y), 0u);
    EXPECT_EQ(allocatedBeforeSample(P3x, P3y), 0u);
    EXPECT_EQ(sent().size(), before + 2 + 4);
}

} // namespace
