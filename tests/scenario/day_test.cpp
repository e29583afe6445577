// The night and the morning against the headless host: every click wait is answered at once and
// the random draws are scripted, so each test decides which event, change or theft happens.
#include "scenario/day.h"

#include <gtest/gtest.h>

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
  traced.push_back(text.empty() ? std::string(kind) : std::string(kind) + " " + std::string(text));
}

// Scripted answers of draw(n), each checked against the n it was meant for; 1 once they run out
// (so an unplanned chance of 1 in n fails). The typing sound's draws of 2 (which slot clicks) are
// answered apart and not recorded.
struct planned_draw {
  int n, answer;
};
std::deque<planned_draw> plan;
std::vector<int> asked;  // the n of every draw made
int scripted(int n) {
  if (n == 2) return 0;
  asked.push_back(n);
  if (plan.empty()) return 1 % n;
  const planned_draw d = plan.front();
  plan.pop_front();
  EXPECT_EQ(d.n, n) << "draw number " << asked.size();
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
  std::vector<std::string> lines(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& t : traced)
      if (t.rfind(kind + " ", 0) == 0) out.push_back(t.substr(kind.size() + 1));
    return out;
  }
  bool traced_line(const std::string& line) const {
    for (const auto& t : traced)
      if (t == line) return true;
    return false;
  }

  scenario_test::scratch_folder folder;
  std::unique_ptr<plat::HeadlessHost> host;
  clicker handler;
};

TEST_F(Day, QuotaAndGoalFollowTheClerkLevel) {
  const int quota[] = {200, 400, 700, 1000, 1300, 1700, 2200, 3000, 5000, 10000, 10000, 10000};
  for (int lv = 0; lv < 12; ++lv) EXPECT_EQ(day_quota(lv), quota[lv]) << lv;
  EXPECT_EQ(day_quota(9999), 10000);
  EXPECT_EQ(day_satis_goal(0), 50);
  EXPECT_EQ(day_satis_goal(9), 95);
  EXPECT_EQ(day_satis_goal(10), 99);
  EXPECT_EQ(day_satis_goal(9999), 99);

  // A morning at level 4 sets the day up from them and opens with the status panel sliding in.
  gs.clerk_lv = 4;
  gs.day = 6;
  gs.night_omen = 1;
  gs.hours_left = 0;
  gs.satisfaction = 70;
  gs.sales_today = 999;
  gs.sold_today[12] = 3;
  morning();
  EXPECT_EQ(gs.day, 7);
  EXPECT_EQ(gs.progress[106], 7);
  EXPECT_EQ(gs.quota, 1300);
  EXPECT_EQ(gs.satis_goal, 70);
  EXPECT_EQ(gs.hours_left, 12);
  EXPECT_EQ(gs.satisfaction, 0);
  EXPECT_EQ(gs.sales_today, 0);
  EXPECT_EQ(gs.sold_today[12], 0);
  EXPECT_EQ(gs.panel_visible, 1);
  EXPECT_EQ(gs.panel_x, -200);
  EXPECT_EQ(lines("msg").back(), "0 よーし仕事だぜ、今日のノルマは 1300円だっ");
  EXPECT_EQ(lines("menu").back(), "||次");
  EXPECT_TRUE(traced_line("sound 2 oha.wav"));

  // The first day of a run reckons its quota by a rule of its own and keeps the best day count.
  traced.clear();
  gs = game_state{};
  gs.click_state = 1;
  gs.clerk_lv = 2;
  gs.progress[106] = 30;
  open_first_day();
  EXPECT_EQ(gs.day, 1);
  EXPECT_EQ(gs.progress[106], 30);
  EXPECT_EQ(gs.quota, 600);
  EXPECT_EQ(gs.satis_goal, 60);
  EXPECT_EQ(gs.hours_left, 10);
  EXPECT_TRUE(asked.empty());  // no morning event, no image change
  EXPECT_EQ(lines("msg").back(), "0 よーし仕事だぜ、今日のノルマは 600円だっ");
  EXPECT_EQ(lines("menu").back(), "||次");
}

TEST_F(Day, OneImageChangeAMorningInItsOrder) {
  gs.night_omen = 1;  // no morning event
  // The image wears off: the rumour and the flyers wait for later mornings.
  gs.shop_image = 3;
  gs.image_days = 1;
  gs.bad_service = 12;
  gs.poor_stock = 12;
  gs.flyer_kind = 5;
  gs.flyer_used = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 0);
  EXPECT_EQ(gs.image_days, 0);
  EXPECT_EQ(gs.bad_service, 12);
  EXPECT_TRUE(traced_line("effect 66 45 85"));
  // Next morning: the bad-service rumour beats the poor-stock one and the flyers.
  gs.night_omen = 1;
  morning();
  EXPECT_EQ(gs.shop_image, 9);
  EXPECT_EQ(gs.image_days, 10);
  EXPECT_EQ(gs.bad_service, 3);
  EXPECT_EQ(gs.poor_stock, 12);
  EXPECT_EQ(gs.flyer_used, 10);
  EXPECT_TRUE(traced_line("sound 5 bad.wav"));
  // Then the poor-stock rumour (a counting-down image does not hold it back).
  gs.night_omen = 1;
  morning();
  EXPECT_EQ(gs.shop_image, 8);
  EXPECT_EQ(gs.image_days, 10);
  EXPECT_EQ(gs.poor_stock, 5);
  EXPECT_EQ(gs.flyer_used, 10);
  // Then the flyers, named in the town's talk.
  traced.clear();
  gs.night_omen = 1;
  morning();
  EXPECT_EQ(gs.shop_image, 5);
  EXPECT_EQ(gs.image_days, 10);
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_EQ(gs.flyer_used, 0);
  EXPECT_TRUE(traced_line("msg 0 どうやら【" + plat::to_utf8(tirasi[5].name) +
                          "】の効果が町中に行き渡ったカンジ!!"));
  // A counting image that does not reach 0 is no change: a rumour follows the same morning.
  gs.night_omen = 1;
  gs.image_days = 4;
  gs.bad_service = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 9);
  EXPECT_EQ(gs.image_days, 10);
  // The plain image does not count down.
  gs.night_omen = 1;
  gs.shop_image = 0;
  gs.image_days = 7;
  morning();
  EXPECT_EQ(gs.image_days, 7);
}

TEST_F(Day, TenFlyersWithoutADesignChangeNothing) {
  // A hand-edited file may count ten flyers handed out with no batch printed: there is no design
  // to turn into the shop's image (and none to name).
  gs.night_omen = 1;
  gs.flyer_kind = -1;
  gs.flyer_used = 10;
  morning();
  EXPECT_EQ(gs.shop_image, 0);
  EXPECT_EQ(gs.image_days, 0);
  EXPECT_FALSE(traced_line("sound 5 tirasi.wav"));
  EXPECT_EQ(lines("menu").back(), "||次");
}

TEST_F(Day, AnOmenOfTheNightSuppressesTheMorningEvent) {
  // The moon (10 of 15), no burglar: the moon seal, then a morning without its event draw.
  gs.money = 800;
  plan = {{15, 10}, {15, 3}};
  scene_night();
  EXPECT_EQ(asked, (std::vector<int>{15, 15}));
  EXPECT_EQ(gs.stock[136], 1);
  EXPECT_FALSE(traced_line("bg asa.bmp"));
  EXPECT_TRUE(traced_line("bg night2.bmp"));
  EXPECT_EQ(gs.night_omen, 1);
  EXPECT_EQ(gs.day, 1);
  // A plain night: the morning draws its event (the golden egg: 12 of 14, then 0 of 5).
  traced.clear();
  asked.clear();
  plan = {{15, 0}, {15, 3}, {14, 12}, {5, 0}};
  scene_night();
  EXPECT_EQ(asked, (std::vector<int>{15, 15, 14, 5}));
  EXPECT_EQ(gs.stock[150], 1);
  EXPECT_TRUE(traced_line("bg asa2a.bmp"));
  // The greeting clears an omen left from the night before.
  asked.clear();
  gs.night_omen = 1;
  plan = {{14, 13}};
  scene_good_luck();
  EXPECT_EQ(asked, (std::vector<int>{14}));
  EXPECT_EQ(gs.stock[515], 1);
  EXPECT_TRUE(traced_line("msg 310 ちィーッス、牛乳配達ッス！"));
}

TEST_F(Day, TheBurglarTakesSealsOrElseHalfTheMoney) {
  gs.clerk_lv = 2;
  gs.money = 1001;
  gs.stock[101] = 1;
  gs.stock[120] = 3;
  gs.stock[210] = 5;  // a wrapping: never his
  // Night 0, burglar 0; seal 101 spared (1 of 5), seal 120 taken (0 of 5).
  plan = {{15, 0}, {15, 0}, {5, 1}, {5, 0}};
  scene_night();
  EXPECT_EQ(gs.stock[101], 1);
  EXPECT_EQ(gs.stock[120], 2);
  EXPECT_EQ(gs.stock[210], 5);
  EXPECT_EQ(gs.money, 1001);
  EXPECT_TRUE(traced_line("msg 307 【ナナチール】が 1枚盗まれた!!(残: 2枚)"));

  // Every draw fails: half the money goes, rounded toward zero.
  plan = {{15, 0}, {15, 0}, {5, 4}, {5, 2}};
  scene_night();
  EXPECT_EQ(gs.stock[101], 1);
  EXPECT_EQ(gs.stock[120], 2);
  EXPECT_EQ(gs.money, 501);
  EXPECT_TRUE(traced_line("msg 307 お金 500円が盗まれてしまった!!"));

  // No seals at all: half the money again; an empty purse stays empty, never below 0.
  gs.stock[101] = gs.stock[120] = 0;
  gs.money = 1;
  plan = {{15, 0}, {15, 0}};
  scene_night();
  EXPECT_EQ(gs.money, 1);
  gs.money = -40;  // overdrawn within a frame, before the clamp
  plan = {{15, 0}, {15, 0}};
  scene_night();
  EXPECT_EQ(gs.money, -40);

  // Level 1: the chance is still drawn, but no burglar comes.
  gs.clerk_lv = 1;
  gs.money = 600;
  asked.clear();
  plan = {{15, 0}, {15, 0}};
  scene_night();
  EXPECT_EQ(gs.money, 600);
  EXPECT_EQ(asked.size(), 3u);  // night, burglar's chance, the morning event
}

}  // namespace
}  // namespace game
