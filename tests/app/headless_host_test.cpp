// The headless host: event order, the feeder, the virtual clock, close, tasks and nested pumps.
#include "platform/headless/headless_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

struct recorder : plat::HostHandler {
  plat::HeadlessHost* host = nullptr;
  std::vector<std::string> seen;
  bool nest_on_press = false;
  void on_timer() override { seen.push_back("tick " + std::to_string(host->clock_ms())); }
  void on_press(plat::MouseButton b, int x, int y) override {
    seen.push_back(std::string(b == plat::MouseButton::left ? "press " : "rpress ") +
                   std::to_string(x) + "," + std::to_string(y));
    if (nest_on_press) {
      // A click wait inside the handler: pump until the next press.
      nest_on_press = false;
      const std::size_t n = seen.size();
      while (host->process_messages() && seen.back().rfind("press", 0) != 0) {
      }
      seen.push_back("wait over after " + std::to_string(seen.size() - n));
    }
  }
  void on_move(int x, int y) override {
    seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void on_key_enter() override { seen.push_back("enter"); }
  void on_close_request() override { seen.push_back("close"); }
};

class HeadlessHostTest : public ::testing::Test {
 protected:
  HeadlessHostTest() {
    h.host = &host;
    host.set_handler(&h);
  }
  plat::HeadlessHost host{5};
  recorder h;
};

TEST_F(HeadlessHostTest, EventsArriveInOrderAndTheClockFollowsTheInterval) {
  host.queue_move(1, 2);
  host.queue_ticks(2);
  host.queue_press(plat::MouseButton::right, 3, 4);
  host.queue_key_enter();
  host.queue_call([this] { host.set_timer_interval(80); });
  host.queue_ticks(1);
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(host.process_messages());
  EXPECT_EQ(h.seen, (std::vector<std::string>{"move 1,2", "tick 90", "tick 180", "rpress 3,4",
                                              "enter", "tick 260"}));
  EXPECT_NEAR((host.now_days() - 45000.0) * 86400000.0, 260.0, 1e-3);
  EXPECT_EQ(host.clock_seed(), 5u);
}

TEST_F(HeadlessHostTest, FeederAskedOnlyWhenTheQueueIsEmptyThenCloses) {
  int asked = 0;
  host.set_feeder([&](plat::HeadlessHost& hh) {
    ++asked;
    if (asked == 1) {
      hh.queue_ticks(2);
      return true;
    }
    return asked < 3;  // the second call queues nothing, the third says the script has ended
  });
  EXPECT_TRUE(host.process_messages());
  EXPECT_TRUE(host.process_messages());
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(host.process_messages());  // asked twice more, then the close request
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(h.seen.back(), "close");
  EXPECT_TRUE(host.closed());
  EXPECT_FALSE(host.process_messages());  // and nothing after that
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(std::count(h.seen.begin(), h.seen.end(), "close"), 1);
}

TEST_F(HeadlessHostTest, AHugeRunOfTicksTakesNoRoomAndKeepsItsPlace) {
  host.queue_ticks(2000000000);  // one queue entry, not two thousand million
  host.queue_key_enter();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(host.process_messages());
  EXPECT_EQ(h.seen.size(), 1000u);
  EXPECT_EQ(h.seen.back(), "tick 90000");
  // Tasks posted meanwhile wait behind the run, as they would behind separate ticks.
  host.post_task([](void* p) { static_cast<recorder*>(p)->seen.push_back("task"); }, &h);
  ASSERT_TRUE(host.process_messages());
  EXPECT_EQ(h.seen.back(), "tick 90090");
}

TEST_F(HeadlessHostTest, WithoutAFeederAnEmptyQueueIsTheEnd) {
  EXPECT_FALSE(host.process_messages());
  EXPECT_EQ(h.seen, (std::vector<std::string>{"close"}));
}

TEST_F(HeadlessHostTest, AWaitInsideAHandlerTakesTheFollowingEvents) {
  h.nest_on_press = true;
  host.queue_press(plat::MouseButton::left, 1, 1);
  host.queue_ticks(3);
  host.queue_press(plat::MouseButton::left, 2, 2);
  host.queue_key_enter();
  ASSERT_TRUE(host.process_messages());  // the first press, and inside it the wait
  EXPECT_EQ(h.seen, (std::vector<std::string>{"press 1,1", "tick 90", "tick 180", "tick 270",
                                              "press 2,2", "wait over after 4"}));
  ASSERT_TRUE(host.process_messages());
  EXPECT_EQ(h.seen.back(), "enter");
}

TEST_F(HeadlessHostTest, TasksFromOtherThreadsRunInsideThePump) {
  static int ran = 0;
  ran = 0;
  std::thread t([this] {
    for (int i = 0; i < 100; ++i) host.post_task([](void* p) { *static_cast<int*>(p) += 1; }, &ran);
  });
  t.join();
  EXPECT_EQ(ran, 0);  // not before the pump
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(host.process_messages());
  EXPECT_EQ(ran, 100);
}

}  // namespace
