// The ALSA output's answers to a scripted run of the sequencer's announce events, alone and through the
// announce handling that reads them and subscribes again.
#include "platform/alsa_destination_follower.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <vector>

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

// A sequencer whose announce events, ports and subscriptions a test scripts.
struct ScriptedSequencer final : AnnounceSequencer {
    std::optional<Announce> nextAnnounce() override
    {
        if (waiting.empty()) return std::nullopt;
        const Announce next = waiting.front();
        waiting.pop_front();
        return next;
    }
    std::optional<PortDescription> describe(SeqPortAddress address) override
    {
        const auto port = ports.find({address.client, address.port});
        if (port == ports.end()) return std::nullopt;
        return port->second;
    }
    bool resubscribe(const std::string& name) override
    {
        resubscribed.push_back(name);
        return subscribes;
    }

    std::deque<Announce> waiting;
    std::map<std::pair<int, int>, PortDescription> ports;
    bool subscribes = true;
    std::vector<std::string> resubscribed;
};

TEST(AlsaAnnounceHandling, SubscribesAgainToThePortOfTheNameAndStaysLostWhileThatFails)
{
    ScriptedSequencer sequencer;
    AlsaDestinationFollower follower("Synth:in", kSynth);
    sequencer.ports[{129, 0}] = {"Synth:in", true};
    sequencer.waiting = {{AnnounceKind::PortExit, kSynth}, {AnnounceKind::ClientExit, {128, 0}},
                         {AnnounceKind::PortStart, {140, 0}},   // gone again before it was described
                         {AnnounceKind::PortStart, {129, 0}}};
    sequencer.subscribes = false;
    followAnnounces(follower, sequencer);
    EXPECT_EQ(sequencer.resubscribed, std::vector<std::string>{"Synth:in"});
    EXPECT_TRUE(follower.gone()) << "a subscription that failed leaves the destination lost";
    EXPECT_TRUE(sequencer.waiting.empty());

    sequencer.subscribes = true;
    sequencer.ports[{130, 1}] = {"Synth:in", true};
    sequencer.waiting = {{AnnounceKind::PortChange, {130, 1}}};
    followAnnounces(follower, sequencer);
    EXPECT_EQ(sequencer.resubscribed.size(), 2u);
    EXPECT_FALSE(follower.gone());
    EXPECT_EQ(follower.address(), (SeqPortAddress{130, 1}));

    sequencer.waiting = {{AnnounceKind::Other, {130, 1}}, {AnnounceKind::ClientExit, {130, 0}}};
    followAnnounces(follower, sequencer);
    EXPECT_TRUE(follower.gone());
}

} // namespace
