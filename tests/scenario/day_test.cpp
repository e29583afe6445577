// The night and the morning against the headless host: every click wait is answered at once and
// the random draws are scripted, so each test decides which event, change or theft happens.
#include "scenario/day.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "platform/headless/headless_host.h"
#include "scenario_test_util.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {
namespace {

std::vector<std::string> traced;
void capture(std::string_view kind, std::string_view text) {
  traced.push_back(std::string(kind) + " " + std::string(text));
}
bool was_traced(const std::string& line) {
  return std::find(traced.begin(), traced.end(), line) != traced.end();
}

// Planned answers of draw(n), checked against their n; 1 once the plan runs out, so an unplanned
// chance of 1 in n fails. The typing sound's draws of 2 are answered apart and not recorded.
struct planned_draw {
  int n, answer;
};
std::deque<planned_draw> plan;
std::vector<int> asked;
int scripted(int n) {
  if (n == 2) return 0;
  asked.push_back(n);
  if (plan.empty()) return 1 % n;
  const planned_draw d = plan.front();
  plan.pop_front();
  EXPECT_EQ(d.n, n) << "draw " << asked.size();
  return d.answer;
}

class clicker final : public plat::HostHandler {
 public:
  void on_timer() override {}
  void on_press(plat::MouseButton, int, int) override { take_click(); }
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override { close_request(); }
};

class Day : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game_state{};
    gs.click_state = 1;
    gs.stage_mode = 1;
    gs.flyer_kind = -1;
    gs.night_omen = 1;  // no morning event unless a test wants one
    build_catalogue_at(0);
    host = std::make_unique<plat::HeadlessHost>();
    host->set_handler(&handler);
    host->set_feeder([](plat::HeadlessHost& h) {
      h.queue_press(plat::MouseButton::left, 200, 100);
      return true;
    });
    set_host(host.get());
    set_program_dir(folder.dir());
    build_picture_store();
    traced.clear();
    plan.clear();
    asked.clear();
    set_trace_sink(capture);
    script_draws(scripted);
  }
  void TearDown() override {
    set_trace_sink(nullptr);
    script_draws(nullptr);
  }
  void night(std::deque<planned_draw> draws) {
    plan = std::move(draws);
    scene_night();
  }

  scenario_test::scratch_folder folder;
  std::unique_ptr<plat::HeadlessHost> host;
  clicker handler;
};

TEST_F(Day, QuotaAndGoalTables) {
  const int quota[] = {200, 400, 700, 1000, 1300, 1700, 2200, 3000, 5000, 10000, 10000};
  for (int lv = 0; lv < 11; ++lv) EXPECT_EQ(day_quota(lv), quota[lv]) << lv;
  EXPECT_EQ(day_quota(9999), 10000);
  EXPECT_EQ(day_satis_goal(0), 50);
  EXPECT_EQ(day_satis_goal(9), 95);
  EXPECT_EQ(day_satis_goal(10), 99);
}

TEST_F(Day, OneImageChangeAMorningInItsOrder) {
  // Everything is due at once: the image wears off first, and that is the morning's change.
  gs.shop_image = 3;
  gs.image_days = 1;
  gs.bad_service = gs.poor_stock = 12;
  gs.flyer_kind = 5;
  gs.flyer_used = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 0);
  EXPECT_EQ(gs.bad_service, 12);
  EXPECT_TRUE(was_traced("effect 66 45 85"));
  // Then the bad-service rumour, then the poor-stock one, then the flyers, a morning each.
  const int image[] = {9, 8, 5};
  for (int i = 0; i < 3; ++i) {
    gs.night_omen = 1;
    morning();
    EXPECT_EQ(gs.shop_image, image[i]);
    EXPECT_EQ(gs.image_days, 10);
    EXPECT_EQ(gs.flyer_used, i < 2 ? 10 : 0);
  }
  EXPECT_EQ(gs.bad_service, 3);
  EXPECT_EQ(gs.poor_stock, 5);
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_TRUE(was_traced("msg 0 どうやら【" + plat::to_utf8(tirasi[5].name) +
                         "】の効果が町中に行き渡ったカンジ!!"));
  // A count that does not reach 0 is no change: the rumour comes the same morning.
  gs.night_omen = 1;
  gs.image_days = 4;
  gs.bad_service = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 9);
  // Ten flyers counted with no batch printed (a hand-edited file): no design to show the town.
  gs.night_omen = 1;
  gs.shop_image = 0;
  gs.flyer_used = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 0);
  EXPECT_EQ(gs.flyer_used, 10);
}

TEST_F(Day, TheMorningsLinesAreTypedButTheFadingImageIsNot) {
  // "あさ", "おはようございますー" and the quota line come with the typing sound; the image
  // wearing off is posted silently.
  gs.night_omen = 0;
  gs.shop_image = 2;
  gs.image_days = 1;
  plan = {{14, 0}};
  morning();
  const auto typed = std::count_if(traced.begin(), traced.end(), [](const std::string& t) {
    return t.rfind("sound ", 0) == 0 && t.find("moji.wav") != std::string::npos;
  });
  EXPECT_EQ(typed, 3);
  EXPECT_EQ(gs.shop_image, 0);
}

TEST_F(Day, AnOmenOfTheNightSuppressesTheMorningEvent) {
  // The moon (10 of 15), no burglar: the moon seal, and no draw for a morning event.
  night({{15, 10}, {15, 3}});
  EXPECT_EQ(asked, (std::vector<int>{15, 15}));
  EXPECT_EQ(gs.stock[136], 1);
  EXPECT_FALSE(was_traced("bg asa.bmp"));
  // A plain night: the morning draws its event (the golden egg: 12 of 14, then 0 of 5).
  asked.clear();
  night({{15, 0}, {15, 3}, {14, 12}, {5, 0}});
  EXPECT_EQ(asked, (std::vector<int>{15, 15, 14, 5}));
  EXPECT_EQ(gs.stock[150], 1);
  // The greeting clears an omen left from the last night.
  asked.clear();
  gs.night_omen = 1;
  plan = {{14, 13}};
  scene_good_luck();
  EXPECT_EQ(asked, (std::vector<int>{14}));
  EXPECT_EQ(gs.stock[515], 1);
  EXPECT_EQ(gs.day, 3);
  EXPECT_EQ(gs.progress[106], 3);
}

TEST_F(Day, TheBurglarTakesSealsOrElseHalfTheMoney) {
  gs.clerk_lv = 2;
  gs.money = 1001;
  gs.stock[101] = 1;
  gs.stock[120] = 3;
  gs.stock[210] = 5;  // a wrapping: never his
  // Night, burglar, then seal 101 spared (1 of 5) and seal 120 taken (0 of 5).
  night({{15, 0}, {15, 0}, {5, 1}, {5, 0}});
  EXPECT_EQ(gs.stock[101], 1);
  EXPECT_EQ(gs.stock[120], 2);
  EXPECT_EQ(gs.stock[210], 5);
  EXPECT_EQ(gs.money, 1001);
  EXPECT_TRUE(was_traced("msg 307 【ナナチール】が 1枚盗まれた!!(残: 2枚)"));
  // Every draw fails: half the money, rounded down.
  night({{15, 0}, {15, 0}, {5, 4}, {5, 2}});
  EXPECT_EQ(gs.stock[120], 2);
  EXPECT_EQ(gs.money, 501);
  EXPECT_TRUE(was_traced("msg 307 お金 500円が盗まれてしまった!!"));
  // No seals; a purse overdrawn before the frame's clamp loses nothing and gains nothing.
  gs.stock[101] = gs.stock[120] = 0;
  gs.money = -41;
  night({{15, 0}, {15, 0}});
  EXPECT_EQ(gs.money, -41);
  // Level 1: the chance is drawn all the same, but no burglar comes.
  gs.clerk_lv = 1;
  gs.money = 600;
  asked.clear();
  night({{15, 0}, {15, 0}});
  EXPECT_EQ(gs.money, 600);
  EXPECT_EQ(asked, (std::vector<int>{15, 15, 14}));
}

}  // namespace
}  // namespace game
