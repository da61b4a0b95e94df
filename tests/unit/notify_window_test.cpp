// The notify window: bounded, ordered, woken by the event loop, and safe to delete from its handler.
#include "platform/notify_window.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace {

class NotifyWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApplication(); }
};

TEST_F(NotifyWindowTest, FullWindowRefusesPostsUntilDrained)
{
    std::vector<uintptr_t> seen;
    NotifyWindow window([&](const PostedMessage& m) { seen.push_back(m.lParam); });
    for (uintptr_t i = 0; i < NotifyWindow::kCapacity; ++i) ASSERT_TRUE(PostMessageA(&window, 1, 0, i));
    EXPECT_FALSE(PostMessageA(&window, 1, 0, 9999));
    window.drain();
    ASSERT_EQ(seen.size(), NotifyWindow::kCapacity);
    for (uintptr_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], i);
    EXPECT_TRUE(PostMessageA(&window, 1, 0, 5));
    window.drain();
    EXPECT_EQ(seen.back(), 5u);
}

TEST_F(NotifyWindowTest, PostingToNoWindowFails)
{
    EXPECT_FALSE(PostMessageA(nullptr, 1, 2, 3));
}

TEST_F(NotifyWindowTest, EventLoopDeliversPostsFromAnotherThread)
{
    std::vector<PostedMessage> seen;
    std::thread::id handledOn;
    NotifyWindow window([&](const PostedMessage& m) {
        seen.push_back(m);
        handledOn = std::this_thread::get_id();
    });
    std::thread poster([&] {
        PostMessageA(&window, 969, 1, 2);
        PostMessageA(&window, 963, 3, 4);
    });
    poster.join();
    ASSERT_TRUE(processEventsUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(handledOn, std::this_thread::get_id());
    EXPECT_EQ(seen[0].message, 969u);
    EXPECT_EQ(seen[0].wParam, 1u);
    EXPECT_EQ(seen[0].lParam, 2u);
    EXPECT_EQ(seen[1].message, 963u);
    EXPECT_EQ(NotifyPostsInFlight(), 0);
}

TEST_F(NotifyWindowTest, HandlerMayDeleteItsWindow)
{
    int handled = 0;
    NotifyWindow* window = nullptr;
    window = new NotifyWindow([&](const PostedMessage&) {
        ++handled;
        delete window;
    });
    PostMessageA(window, 1, 0, 0);
    PostMessageA(window, 2, 0, 0);
    window->drain();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(NotifyPostsInFlight(), 0);   // the rest was discarded with the window
}

TEST_F(NotifyWindowTest, NestedDrainKeepsThePostingOrder)
{
    std::vector<uint32_t> seen;
    std::unique_ptr<NotifyWindow> window;
    window = std::make_unique<NotifyWindow>([&](const PostedMessage& m) {
        seen.push_back(m.message);
        if (m.message == 1) window->drain();   // as a modal loop inside a handler would
    });
    for (uint32_t message : {1u, 2u, 3u}) PostMessageA(window.get(), message, 0, 0);
    window->drain();
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
}

} // namespace
