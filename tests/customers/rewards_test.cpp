// The reward operations: every click wait is answered at once by the headless host, and the
// trace shows what the player hears and reads.
#include "customers/rewards.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {
namespace {

std::vector<std::string> traced;
void capture(std::string_view kind, std::string_view text) {
  traced.push_back(std::string(kind) + " " + std::string(text));
}

std::deque<int> draws;  // scripted answers of draw(n), 0 once they run out
int scripted(int) {
  if (draws.empty()) return 0;
  const int d = draws.front();
  draws.pop_front();
  return d;
}

class clicker final : public plat::HostHandler {
 public:
  void on_timer() override {}
  void on_press(plat::MouseButton, int, int) override { take_click(); }
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override { close_request(); }
};

class Rewards : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game_state{};
    gs.click_state = 1;
    gs.stage_mode = 1;
    build_catalogue_at(0);
    build_roster();
    host = std::make_unique<plat::HeadlessHost>();
    host->set_handler(&handler);
    host->set_feeder([](plat::HeadlessHost& h) {
      h.queue_press(plat::MouseButton::left, 200, 100);
      return true;
    });
    set_host(host.get());
    traced.clear();
    draws.clear();
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
  int waits() const { return int(lines("wait").size()); }
  // The sounds of the operation itself, without the typing and the click.
  std::vector<std::string> sounds() const {
    std::vector<std::string> out;
    for (const auto& s : lines("sound"))
      if (s.find("moji.wav") == std::string::npos && s != "1 3.wav") out.push_back(s);
    return out;
  }

  std::unique_ptr<plat::HeadlessHost> host;
  clicker handler;
};

TEST_F(Rewards, PaymentAddsTheChainBonusToMoneyAndTakings) {
  gs.chain = 3;
  receive_payment(100);
  EXPECT_EQ(gs.money, 120);
  EXPECT_EQ(gs.sales_today, 120);
  EXPECT_EQ(lines("msg"),
            (std::vector<std::string>{"308 お金 100円を入手", "308 3 chain bonus > + \\20"}));
  EXPECT_EQ(waits(), 1);  // the bonus has no wait of its own

  traced.clear();
  gs.chain = 1;  // a chain of one earns nothing
  receive_payment(50);
  EXPECT_EQ(gs.money, 170);
  EXPECT_EQ(lines("msg").size(), 1u);

  traced.clear();
  gs.chain = 5;  // a bonus of 0 shows nothing
  receive_payment(9);
  EXPECT_EQ(gs.money, 179);
  EXPECT_EQ(lines("msg"), (std::vector<std::string>{"308 お金 9円を入手"}));

  traced.clear();
  receive_payment(0);
  receive_money(0);
  EXPECT_TRUE(traced.empty());
}

TEST_F(Rewards, PayFromTheOwnerLeavesTheTakingsAlone) {
  gs.chain = 4;
  receive_money(300);
  EXPECT_EQ(gs.money, 300);
  EXPECT_EQ(gs.sales_today, 0);
  EXPECT_EQ(lines("msg").size(), 1u);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"1 coin.wav"}));
}

TEST_F(Rewards, SatisfactionGainsGetTheLevelBonusLossesDoNot) {
  const int gain_of_one[][2] = {{0, 11}, {1, 10}, {3, 8},  {4, 6},   {6, 3},
                                {7, 2},  {9, 2},  {99, 2}, {100, 1}, {-1, 1}};
  for (const auto& [lv, expected] : gain_of_one) {
    gs.clerk_lv = lv;
    gs.satisfaction = 0;
    change_satisfaction(1);
    EXPECT_EQ(gs.satisfaction, expected) << "level " << lv;
  }
  gs.clerk_lv = 0;
  gs.satisfaction = 50;
  traced.clear();
  change_satisfaction(-3);
  EXPECT_EQ(gs.satisfaction, 47);
  EXPECT_EQ(lines("msg"), (std::vector<std::string>{"307 お客の満足度 3DOWN"}));
  EXPECT_EQ(sounds(), (std::vector<std::string>{"3 down.wav"}));
  traced.clear();
  change_satisfaction(2);
  EXPECT_EQ(lines("msg"), (std::vector<std::string>{"302 お客の満足度 12UP"}));
  EXPECT_EQ(lines("effect"), (std::vector<std::string>{"157 330 120"}));
  traced.clear();
  change_satisfaction(0);
  EXPECT_TRUE(traced.empty());
}

TEST_F(Rewards, FondnessNeverGoesBelowZeroAndItsTenthPointBringsTheGift) {
  add_fondness(3, -4);
  EXPECT_EQ(gs.man_fond[3], 0);

  gs.man_fond[3] = 9;
  gs.bad_service = 5;
  gs.poor_stock = 5;
  const int gift = man[3].gift;
  ASSERT_NE(gift, 0);
  draws = {0, 2};  // the counts fall; three seals
  add_fondness(3, 1);
  EXPECT_EQ(gs.man_fond[3], 0);
  EXPECT_EQ(gs.bad_service, 4);
  EXPECT_EQ(gs.poor_stock, 4);
  EXPECT_EQ(gs.stock[gift], 3);
  const auto msgs = lines("msg");
  ASSERT_EQ(msgs.size(), 4u);
  EXPECT_EQ(msgs[0], "310 そうだ…");
  EXPECT_EQ(msgs[3], "301 Item【" + plat::to_utf8(item[gift].name) + "】を 3個入手した(所持:3個)");

  // The prince only has his counter reset; a slot with no customer is left alone.
  gs.man_fond[25] = 12;
  traced.clear();
  add_fondness(25, 0);
  EXPECT_EQ(gs.man_fond[25], 0);
  EXPECT_TRUE(lines("msg").empty());
  gs.man_fond[60] = 9;
  add_fondness(60, 5);
  add_fondness(-1, 5);
  add_fondness(100, 5);
  EXPECT_EQ(gs.man_fond[60], 9);

  // A fondness at the top of the range (a hand-edited progress file) is past ten, not negative.
  gs.man_fond[3] = INT_MAX;
  gs.stock[gift] = 0;
  add_fondness(3, 1);
  EXPECT_EQ(gs.man_fond[3], 0);
  EXPECT_GT(gs.stock[gift], 0);
}

TEST_F(Rewards, ItemsWithoutANameAreNeverGained) {
  gain_item(0);
  gain_items(997, 3);
  gain_items(-5, 1);
  gain_items(1000, 1);
  EXPECT_TRUE(traced.empty());
  gain_item(136);
  gain_item(136);
  EXPECT_EQ(gs.stock[136], 2);
  EXPECT_EQ(lines("msg").back(),
            "301 Item【" + plat::to_utf8(item[136].name) + "】を 1個入手した(所持:2個)");
  EXPECT_EQ(sounds().back(), "4 item.wav");
  // A count at the top of the range stays there rather than turning negative.
  gs.stock[136] = INT_MAX - 1;
  gain_items(136, 3);
  EXPECT_EQ(gs.stock[136], INT_MAX);
}

}  // namespace
}  // namespace game
