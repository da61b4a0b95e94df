// The ALSA output's answers to a scripted run of the sequencer's announce events.
#include "platform/alsa_destination_follower.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Step {
    const char* event;
    std::function<FollowAction(AlsaDestinationFollower&)> apply;
    FollowAction expected;
    SeqPortAddress addressAfter;
};

const SeqPortAddress kSynth{128, 0};

TEST(AlsaDestinationFollower, LosesTheDestinationOnceAndSubscribesAgainToAPortOfItsName)
{
    const Step steps[] = {
        {"another port starts", [](auto& f) { return f.portStarted({129, 0}, "Other:in", true); }, FollowAction::None, kSynth},
        {"another port exits", [](auto& f) { return f.portExited({128, 1}); }, FollowAction::None, kSynth},
        {"the synth's port exits", [](auto& f) { return f.portExited(kSynth); }, FollowAction::Lost, kSynth},
        {"then its client exits", [](auto& f) { return f.clientExited(128); }, FollowAction::None, kSynth},
        {"a port of another name", [](auto& f) { return f.portStarted({130, 0}, "Synth:out", true); }, FollowAction::None, kSynth},
        {"its name, read only", [](auto& f) { return f.portStarted({130, 1}, "Synth:in", false); }, FollowAction::None, kSynth},
        {"its name, writable", [](auto& f) { return f.portStarted({130, 2}, "Synth:in", true); }, FollowAction::Resubscribe, {130, 2}},
        {"its name once more", [](auto& f) { return f.portStarted({131, 0}, "Synth:in", true); }, FollowAction::None, {130, 2}},
        {"the old address exits", [](auto& f) { return f.clientExited(128); }, FollowAction::None, {130, 2}},
        {"the new client exits", [](auto& f) { return f.clientExited(130); }, FollowAction::Lost, {130, 2}},
    };
    AlsaDestinationFollower follower("Synth:in", kSynth);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.event);
        EXPECT_EQ(step.apply(follower), step.expected);
        EXPECT_EQ(follower.address(), step.addressAfter);
    }
    EXPECT_TRUE(follower.gone());
}

} // namespace
