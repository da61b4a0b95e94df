// The built-in synthesizer's feed with a load the test holds back: what waits for the load plays in
// order after it, a full queue still takes what ends a note, and a failed load refuses what follows.
#include "platform/synth_feed.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Message = std::vector<uint8_t>;

class SynthFeedHeldLoad : public testing::Test {
protected:
    // The load ends, with `succeeds`, when the test lets it.
    SynthFeed& start(bool succeeds = true)
    {
        feed_.emplace([this, succeeds] { loaded_.get_future().wait(); return succeeds; },
                      [this](const uint8_t* bytes, size_t length) {
                          const std::lock_guard<std::mutex> lock(mutex_);
                          played_.emplace_back(bytes, bytes + length);
                          threads_.push_back(std::this_thread::get_id());
                      });
        return *feed_;
    }
    void endLoad() { loaded_.set_value(); }
    MMRESULT send(const Message& message, bool loads = false) { return feed_->send(message.data(), message.size(), loads); }
    std::vector<Message> played()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return played_;
    }

    std::mutex mutex_;
    std::vector<Message> played_;
    std::vector<std::thread::id> threads_;
    std::promise<void> loaded_;
    std::optional<SynthFeed> feed_;
};

TEST_F(SynthFeedHeldLoad, WhatWaitsForTheLoadPlaysInOrderThenTheRestAtOnceUntilAnotherLoad)
{
    start();
    ASSERT_EQ(send({0x90, 60, 100}), MMSYSERR_NOERROR);
    ASSERT_EQ(send({0x80, 60, 0}), MMSYSERR_NOERROR);
    EXPECT_TRUE(played().empty()) << "played before the SoundFont was in";
    endLoad();
    feed_->settle();
    ASSERT_EQ(send({0x90, 62, 90}), MMSYSERR_NOERROR);
    EXPECT_EQ(threads_.back(), std::this_thread::get_id()) << "an idle feed plays on the sender's thread";
    ASSERT_EQ(send({0xC0, 40}, true), MMSYSERR_NOERROR);
    ASSERT_EQ(send({0x80, 62, 0}), MMSYSERR_NOERROR);
    feed_->settle();
    EXPECT_EQ(played(), (std::vector<Message>{{0x90, 60, 100}, {0x80, 60, 0}, {0x90, 62, 90}, {0xC0, 40}, {0x80, 62, 0}}));
    EXPECT_NE(threads_[3], std::this_thread::get_id()) << "a program change loaded on the sender's thread";
}

TEST_F(SynthFeedHeldLoad, FullQueueRefusesNotesYetTakesAWholePanic)
{
    start();
    size_t accepted = 0;
    while (send({0x90, 60, 100}) == MMSYSERR_NOERROR) ++accepted;
    EXPECT_EQ(send({0xB0, 1, 64}), MIDIERR_NOTREADY);
    for (uint8_t channel = 0; channel < 16; ++channel) {
        for (uint8_t note = 0; note < 128; ++note) ASSERT_EQ(send({uint8_t(0x80 | channel), note, 0}), MMSYSERR_NOERROR);
        ASSERT_EQ(send({uint8_t(0xB0 | channel), 123, 0}), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(send(Message(SynthFeed::kMaxQueuedMessage + 1, 0)), MMSYSERR_INVALPARAM);
    endLoad();
    feed_->settle();
    EXPECT_EQ(played().size(), accepted + 16 * 129);
    EXPECT_EQ(played().back(), (Message{0xBF, 123, 0}));
}

TEST_F(SynthFeedHeldLoad, FailedLoadPlaysNothingAndRefusesWhatFollows)
{
    start(false);
    ASSERT_EQ(send({0x90, 60, 100}), MMSYSERR_NOERROR);
    endLoad();
    feed_->settle();
    EXPECT_EQ(send({0x80, 60, 0}), MMSYSERR_ERROR);
    EXPECT_TRUE(played().empty());
}

TEST_F(SynthFeedHeldLoad, EndsWhileTheLoadRuns)
{
    start();
    ASSERT_EQ(send({0x90, 60, 100}), MMSYSERR_NOERROR);
    std::thread release([this] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); endLoad(); });
    feed_.reset();
    release.join();
}

} // namespace
