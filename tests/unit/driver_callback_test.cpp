// The driver callback relay: what it posts for each driver message, what it stores in the ring,
// and that it allocates nothing and is safe to call from the driver's own threads.
#include "midi/callback_instance.h"
#include "midi/driver_callback.h"
#include "platform/notify_window.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>
#include <vector>

namespace {

constexpr HMIDIOUT kDevice = nullptr;

class RelayTest : public WithQtApplication, public ::testing::Test {
protected:
    void SetUp() override { instance.TargetWindow = &window; }

    // Gives the relay a ring of `capacity` slots.
    void attachRing(uint16_t capacity)
    {
        ring.SlotStart = ring.WritePosition = slots.data();
        ring.SlotEnd = slots.data() + capacity;
        ring.Capacity = capacity;
        instance.EventRing = &ring;
    }

    void relay(uint32_t message, uintptr_t param1, uintptr_t param2 = 0)
    {
        DriverCallback(kDevice, message, reinterpret_cast<uintptr_t>(&instance), param1, param2);
    }

    std::vector<PostedMessage> drained()
    {
        window.drain();
        return std::exchange(received, {});
    }

    std::vector<PostedMessage> received;
    NotifyWindow window{[this](const PostedMessage& message) { received.push_back(message); }};
    std::array<RingEvent, 8> slots{};
    EventRing ring;
    CallbackInstance instance;
};

TEST_F(RelayTest, DoneNotificationPostsTheHeaderAddress)
{
    MIDIHDR header{};
    relay(MOM_DONE, reinterpret_cast<uintptr_t>(&header), 77);
    const auto posts = drained();
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].message, MOM_DONE);
    EXPECT_EQ(posts[0].wParam, 0u);
    EXPECT_EQ(posts[0].lParam, reinterpret_cast<uintptr_t>(&header));
}

TEST_F(RelayTest, OtherDriverMessagesPostNothing)
{
    attachRing(8);
    for (uint32_t message : {961u, 962u, 965u, 967u, 968u, 0u, 970u, WM_USER}) relay(message, 0x90, 1);
    EXPECT_TRUE(drained().empty());
    EXPECT_EQ(ring.Count, 0);
}

TEST_F(RelayTest, InputWithoutARingIsDropped)
{
    for (uint32_t message : {MIM_DATA, MIM_LONGDATA, MIM_LONGERROR}) relay(message, 0x407F90, 5);
    EXPECT_TRUE(drained().empty());

    for (uint32_t message : {MIM_DATA, MIM_LONGDATA, MOM_DONE})
        DriverCallback(kDevice, message, 0, 0x407F90, 5);   // no instance record at all
    EXPECT_TRUE(drained().empty());
}

TEST_F(RelayTest, InputIsStoredAndAnnounced)
{
    attachRing(8);
    MIDIHDR header{};
    relay(MIM_DATA, 0x407F90, 11);
    relay(MIM_LONGDATA, reinterpret_cast<uintptr_t>(&header), 12);
    relay(MIM_LONGERROR, reinterpret_cast<uintptr_t>(&header), 13);
    ASSERT_EQ(ring.Count, 3);
    EXPECT_EQ(slots[0].Timestamp, 11u);
    EXPECT_EQ(slots[0].ShortData, 0x407F90u);
    EXPECT_EQ(slots[0].LongHeader, nullptr);
    for (int i : {1, 2}) {
        EXPECT_EQ(slots[i].Timestamp, 11u + i);
        EXPECT_EQ(slots[i].ShortData, 0u);
        EXPECT_EQ(slots[i].LongHeader, &header);
    }
    const auto posts = drained();
    ASSERT_EQ(posts.size(), 3u);
    for (const PostedMessage& post : posts) {
        EXPECT_EQ(post.message, MIM_DATA);
        EXPECT_EQ(post.wParam, 0u);
        EXPECT_EQ(post.lParam, 0u);
    }
}

TEST_F(RelayTest, LoneActiveSensingAndClockAreDropped)
{
    attachRing(8);
    for (uint32_t message : {MIM_DATA, MIM_LONGDATA}) {
        relay(message, kActiveSensing);
        relay(message, kTimingClock);
    }
    EXPECT_EQ(ring.Count, 0);
    EXPECT_TRUE(drained().empty());

    relay(MIM_DATA, kActiveSensing | 0x100);
    relay(MIM_DATA, kTimingClock | 0x10000);
    EXPECT_EQ(ring.Count, 2);
}

TEST_F(RelayTest, DropShortDataKeepsLongData)
{
    attachRing(8);
    instance.DropShortData = 1;
    MIDIHDR header{};
    relay(MIM_DATA, 0x407F90);
    relay(MIM_LONGDATA, reinterpret_cast<uintptr_t>(&header));
    relay(MIM_LONGERROR, reinterpret_cast<uintptr_t>(&header));
    EXPECT_EQ(ring.Count, 2);
    EXPECT_EQ(slots[0].LongHeader, &header);
    EXPECT_EQ(drained().size(), 2u);
}

TEST_F(RelayTest, FullRingCostsTheEventAndPostsOverflow)
{
    attachRing(2);
    relay(MIM_DATA, 0x90);
    relay(MIM_DATA, 0x91);
    const std::array<RingEvent, 8> before = slots;
    relay(MIM_DATA, 0x92, 3);
    EXPECT_EQ(ring.Count, 2);
    EXPECT_EQ(ring.WritePosition, slots.data());
    EXPECT_EQ(slots[0].ShortData, before[0].ShortData);
    EXPECT_EQ(slots[1].ShortData, before[1].ShortData);
    const auto posts = drained();
    ASSERT_EQ(posts.size(), 3u);
    EXPECT_EQ(posts[2].message, WM_USER);
}

TEST_F(RelayTest, RelayAllocatesNothing)
{
    attachRing(8);
    MIDIHDR header{};
    relay(MOM_DONE, 1);   // warm up anything lazily created
    const AllocationScope scope;
    for (int i = 0; i < 200; ++i) {
        relay(MOM_DONE, reinterpret_cast<uintptr_t>(&header));
        relay(MIM_DATA, 0x407F90);   // stored until the ring is full, then overflow posts
        relay(MIM_DATA, kActiveSensing);
        relay(965, 0);
    }
    EXPECT_EQ(scope.count(), 0u);
    EXPECT_EQ(drained().size(), 401u);
}

TEST_F(RelayTest, PostsFromDriverThreadsArriveOnTheGuiThreadInEachThreadsOrder)
{
    constexpr uintptr_t kPerThread = 3000;
    constexpr long kBacklog = NotifyWindow::kCapacity / 4;   // two threads never fill the window
    std::vector<std::thread> drivers;
    for (uintptr_t thread = 0; thread < 2; ++thread) {
        drivers.emplace_back([this, thread] {
            for (uintptr_t i = 0; i < kPerThread; ++i) {
                while (NotifyPostsInFlight() >= kBacklog) std::this_thread::yield();
                relay(MOM_DONE, thread << 32 | i);
            }
        });
    }
    const bool all = processEventsUntil([this] { return received.size() == 2 * kPerThread; }, 20000);
    for (std::thread& driver : drivers) driver.join();
    ASSERT_TRUE(all);

    std::array<uintptr_t, 2> next{0, 0};
    for (const PostedMessage& post : received) {
        const uintptr_t thread = post.lParam >> 32;
        ASSERT_LT(thread, 2u);
        EXPECT_EQ(post.lParam & 0xFFFFFFFF, next[thread]++);
    }
}

TEST(EventRing, FillingTheRingWrapsTheWritePositionAndThenRefuses)
{
    std::array<RingEvent, 4> slots{};
    EventRing ring{slots.data(), slots.data() + 3, slots.data() + 1, 3, 0};
    for (uint32_t i = 0; i < 3; ++i) EXPECT_TRUE(RingPutEvent(ring, RingEvent{i, 100 + i, nullptr}));
    EXPECT_EQ(ring.WritePosition, slots.data() + 1);
    EXPECT_EQ(ring.Count, 3);
    EXPECT_EQ(slots[1].ShortData, 100u);
    EXPECT_EQ(slots[2].ShortData, 101u);
    EXPECT_EQ(slots[0].ShortData, 102u);
    EXPECT_EQ(slots[0].Timestamp, 2u);

    EXPECT_FALSE(RingPutEvent(ring, RingEvent{9, 999, nullptr}));
    EXPECT_EQ(ring.Count, 3);
    EXPECT_EQ(ring.WritePosition, slots.data() + 1);
    EXPECT_EQ(slots[1].ShortData, 100u);
    EXPECT_EQ(slots[3].ShortData, 0u);   // never past SlotEnd
}

TEST(EventRing, CountAboveCapacityStillRefuses)
{
    std::array<RingEvent, 2> slots{};
    EventRing ring{slots.data(), slots.data() + 2, slots.data(), 2, 5};
    EXPECT_FALSE(RingPutEvent(ring, RingEvent{1, 1, nullptr}));
    EventRing empty{slots.data(), slots.data(), slots.data(), 0, 0};
    EXPECT_FALSE(RingPutEvent(empty, RingEvent{1, 1, nullptr}));
}

} // namespace
