// The start of play through florinet-headless: a returning player greeted by the owner and sent
// into a morning, and a new player's introduction with each of the three difficulties.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"

namespace {

using driver_test::clicks;
using driver_test::entry;
using driver_test::field;
using driver_test::program_folder;
using driver_test::starting;

constexpr int seed = 11;

// Past the two start screens, the title menu slid in.
const char* const to_title = "click 100 100\nclick 100 100\ntick 8\n";

TEST(DayScenarios, AReturningPlayerIsGreetedAndOpensAMorning) {
  program_folder r(seed);
  r.progress({{8, 1},          // progress[7]: the introduction was seen
              {101 + 120, 2},  // two of seal 120
              {1201, 3456},    // money
              {1205, 3},       // clerk level
              {1206, 5},       // day
              {1208, 2},       // play count
              {1210, 5}});     // best day count
  // Start: the owner appears and greets; then "がんばるぞー♪" to the morning. Every wait of the
  // morning is clicked; spare clicks land on a shop with nothing to wait for.
  const auto out = r.play(std::string(to_title) + "button 3\n" + clicks(3) + "menu\nstate\n" +
                          "button 3\n" + clicks(8) + "tick 40\nstate\nmenu\nlog\n");
  const auto states = starting(out, "{\"");
  const auto menus = starting(out, "[\"");
  ASSERT_EQ(states.size(), 2u);
  ASSERT_EQ(menus.size(), 2u);

  // The greeting counts this start and offers nothing but the day's work.
  EXPECT_EQ(menus[0], "[\"\",\"\",\"がんばるぞー♪\"]");
  EXPECT_EQ(field(states[0], "play_count"), 3);
  const auto msgs = starting(out, "msg ");
  ASSERT_GE(msgs.size(), 3u);
  EXPECT_EQ(msgs[0], "msg 304 天長が現れた!!");
  EXPECT_EQ(msgs[1], "msg 303 良く来たな、3回目のプレーだぜ");
  EXPECT_EQ(msgs[2], "msg 303 よし早速働いてもらうっ");

  // The morning: day 6 of a level-3 clerk, the loaded money and stock kept.
  const std::string& s = states[1];
  EXPECT_EQ(field(s, "day"), 6);
  EXPECT_EQ(entry(s, "progress", 106), 6);
  EXPECT_EQ(field(s, "quota"), 1000);
  EXPECT_EQ(field(s, "satis_goal"), 65);
  EXPECT_EQ(field(s, "hours_left"), 11);
  EXPECT_EQ(field(s, "money"), 3456);
  EXPECT_GE(entry(s, "stock", 120), 2);
  // The panel has slid in and its numbers have caught up.
  EXPECT_EQ(field(s, "panel_visible"), 1);
  EXPECT_EQ(field(s, "panel_x"), 0);
  EXPECT_EQ(field(s, "money_shown"), 3456);
  EXPECT_EQ(field(s, "hours_shown"), 11);
  EXPECT_EQ(menus[1], "[\"\",\"\",\"次\"]");
  EXPECT_EQ(msgs.back(), "msg 0 よーし仕事だぜ、今日のノルマは 1000円だっ");
}

TEST(DayScenarios, ANewPlayerMeetsTheOwnerAndChoosesADifficulty) {
  const struct {
    int button, mode, money;
    const char* line;
  } modes[] = {{1, 0, 1000, "ようちえんモードだな、よし"},
               {2, 1, 500, "小学生モードだな、よーし"},
               {3, 2, 100, "大人モードだな、難しいぜ！？ふふふ"}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.line);
    program_folder r(seed);  // no progress file: a new game
    const auto out =
        r.play(std::string(to_title) + "button 3\n" + clicks(7) + "menu\nstate\nbutton " +
               std::to_string(m.button) + "\n" + clicks(3) + "state\n");
    const auto states = starting(out, "{\"");
    ASSERT_EQ(states.size(), 2u);
    // The owner's six lines of introduction, then the blocking choice of difficulty.
    const auto msgs = starting(out, "msg ");
    ASSERT_GE(msgs.size(), 8u);
    EXPECT_EQ(msgs[1], "msg 303 えとな、この店でやる事を言う");
    EXPECT_EQ(msgs[6], "msg 303 うまい事やんねーと、店つぶれっぞ！！！");
    EXPECT_EQ(msgs[7], "msg 303 じゃ、どれくらいのむずかしさがいいか選びな");
    EXPECT_EQ(starting(out, "[\"")[0], "[\"ようちえんモード\",\"小学生モード\",\"おとなモード\"]");
    EXPECT_EQ(starting(out, "choice").size(), 1u);
    EXPECT_EQ(entry(states[0], "progress", 7), 1);
    EXPECT_EQ(field(states[0], "money"), 0);
    // The mode sets the starting money; the owner sends the clerk to the evening's buying.
    EXPECT_EQ(field(states[1], "mode"), m.mode);
    EXPECT_EQ(field(states[1], "money"), m.money);
    EXPECT_EQ(field(states[1], "play_count"), 1);
    ASSERT_GE(msgs.size(), 11u);
    EXPECT_EQ(msgs[8], std::string("msg 303 ") + m.line);
    EXPECT_EQ(msgs[10], "msg 303 早速、仕入れからやってクレヨン！");
  }
}

// The price of catalogue entry `id` in the driver's `catalogue` dump.
int price_of(const std::vector<std::string>& out, int id) {
  const auto dumps = starting(out, "{\"item\"");
  std::smatch m;
  if (dumps.empty() ||
      !std::regex_search(dumps[0], m,
                         std::regex("\"" + std::to_string(id) + "\":\\{[^}]*\"price\":(-?[0-9]+)")))
    return -12345;
  return std::stoi(m[1]);
}

TEST(DayScenarios, NewGameToTheFirstMorning) {
  program_folder r(seed);
  // From New Game to day 1 passes through the evening shop's item panel.
  const auto probe = r.play("panel\n");
  if (std::find(probe.begin(), probe.end(), "error: panel not available") != probe.end())
    GTEST_SKIP() << "the driver of this build has no item panel";
  // A player well into a run starts over: New Game, then Start meets the owner again.
  r.progress({{8, 1}, {1201, 5000}, {1205, 3}, {1206, 9}});
  const std::string script = std::string(to_title) + "catalogue\n" + "button 2\n" + clicks(4) +
                             "button 2\n" + clicks(3) +                             // New Game
                             "button 3\n" + clicks(7) + "button 2\n" + clicks(3) +  // 小学生モード
                             "tick 5\npanel\n"
                             "panel select 小さな袋\npanel action\npanel action\n"
                             "panel mode\npanel select ハートのキーホルダ\npanel action\n"
                             "panel\npanel close\n" +
                             clicks(1) + "tick 30\nstate\nmenu\n";
  const auto out = r.play(script);
  const auto panels = starting(out, "{\"visible\"");
  ASSERT_EQ(panels.size(), 2u);
  // The evening opens in the buying mode; two bags and a key holder are bought and stocked.
  EXPECT_NE(panels[0].find("\"mode\":\"買う\""), std::string::npos);
  EXPECT_NE(panels[1].find("\"mode\":\"仕入れる\""), std::string::npos);
  const auto states = starting(out, "{\"want_item");
  ASSERT_EQ(states.size(), 1u);
  const std::string& s = states[0];
  EXPECT_EQ(field(s, "mode"), 1);
  EXPECT_EQ(field(s, "money"), 500 - 2 * price_of(out, 201) - price_of(out, 2));
  EXPECT_EQ(entry(s, "stock", 201), 2);
  EXPECT_EQ(entry(s, "stock", 2), 1);
  // Day 1 of the run: a level-0 clerk's quota, goal and hours, the panel in, "次" offered.
  EXPECT_EQ(field(s, "clerk_lv"), 0);
  EXPECT_EQ(field(s, "day"), 1);
  EXPECT_EQ(field(s, "quota"), 200);
  EXPECT_EQ(field(s, "satis_goal"), 50);
  EXPECT_EQ(field(s, "hours_left"), 8);
  EXPECT_EQ(field(s, "panel_visible"), 1);
  EXPECT_EQ(field(s, "panel_x"), 0);
  EXPECT_EQ(entry(s, "progress", 106), 0);  // the first day is not counted as a best
  EXPECT_EQ(starting(out, "[\"").back(), "[\"\",\"\",\"次\"]");
  const auto msgs = starting(out, "msg ");
  ASSERT_GE(msgs.size(), 2u);
  EXPECT_EQ(msgs[msgs.size() - 2], "msg 0 おはようございますー");
  EXPECT_EQ(msgs.back(), "msg 0 よーし仕事だぜ、今日のノルマは 200円だっ");
  // No morning event on the first day.
  EXPECT_TRUE(starting(out, "bg asa").empty());
}

}  // namespace
