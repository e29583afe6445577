// Closing time through florinet-headless, played by a small bot that answers what the game asks
// (a click for a wait, a caption for a menu or a choice, the panel's close for the evening): a day
// served to its end, its totals, the owner's review, the evening, the night and the next
// morning; and a first day without sales, which ends the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/driver_session.h"
#include "customers/review.h"
#include "goods/json_mini.h"
#include "shell/state.h"

namespace {

namespace fs = std::filesystem;
using jsonmini::value;

// A program folder of its own: the built pictures and sounds, and a progress file.
struct folder {
  folder() {
    char tmpl[] = "/tmp/florinet-closing-XXXXXX";
    root = ::mkdtemp(tmpl);
    const fs::path game(FLORINET_GAME_DIR);
    fs::create_directory_symlink(game / "cg", fs::path(root) / "cg");
    fs::create_directory(fs::path(root) / "dat");
    for (const auto& e : fs::directory_iterator(game / "dat"))
      if (e.path().filename().string().rfind("my.dat", 0) != 0)
        fs::create_symlink(e.path(), fs::path(root) / "dat" / e.path().filename());
  }
  ~folder() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  // The fresh state with the given lines (1-based) changed; the introduction seen.
  void progress(const std::vector<std::pair<int, int>>& changes) const {
    std::vector<int> v(2259, 0);
    v[8 - 1] = 1;
    v[1207 - 1] = 1;   // save marker
    v[2252 - 1] = -1;  // no flyer batch
    for (const auto& [line, value] : changes) v[std::size_t(line - 1)] = value;
    std::ofstream out(root + "/dat/my.dat", std::ios::binary);
    for (int x : v) out << x << "\r\n";
  }
  std::string my_dat() const {
    std::ifstream in(root + "/dat/my.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string root;
};

int num(const value& v, const std::string& k) {
  return int(v[k].num);
}
// An entry of a history array (a short array in the dump).
int entry(const value& v, const std::string& k, int i) {
  return int(v[k].items[std::size_t(i)].num);
}

const std::vector<std::string> captions = {"Start", "がんばるぞー♪", "次",     "扉をあける", "包む",
                                           "折る",  "はい終わり",    "いいえ", "帰って寝る"};

// The player: every wait clicked, every menu or choice answered with the first of `captions`
// on offer, the evening panel closed; until `done(state)` or the game's end. Answers the last
// state seen; `heard` keeps the trace.
template <class Done>
value play(driver_test::session& d, std::vector<std::string>& heard, Done done) {
  auto send = [&](const std::string& c) {
    const auto l = d.send(c);
    heard.insert(heard.end(), l.begin(), l.end());
  };
  value st;
  for (int step = 0; step < 3000 && !d.ended(); ++step) {
    st = d.json("state");
    if (d.ended() || done(st)) break;
    if (num(st, "click_state") == 0 && num(st, "choice_pending") == 0) {
      send("tick 2");  // the montage and the chart move on meanwhile
      send("click 200 100");
      continue;
    }
    if (d.json("panel")["visible"].b) {
      send("panel close");
      continue;
    }
    int button = 0;
    for (const std::string& c : captions)
      for (int b = 0; b < 3 && !button; ++b)
        if (st["menu_label"].items[std::size_t(b)].str == c) button = b + 1;
    send("tick 8");
    if (button) send("button " + std::to_string(button));
  }
  return st;
}

bool heard_start(const std::vector<std::string>& heard, const std::string& prefix) {
  for (const auto& l : heard)
    if (l.rfind(prefix, 0) == 0) return true;
  return false;
}

// Two days of their own (as the game draws today, seed 11 ends with a visitor at the door).
void a_day_served_reviewed_and_slept_on(int seed) {
  folder f;
  f.progress({{101 + 1, 20},
              {101 + 2, 20},
              {101 + 4, 20},
              {101 + 18, 20},
              {101 + 19, 20},
              {101 + 33, 20},
              {101 + 200, 30},
              {101 + 201, 30},
              {101 + 202, 30},
              {101 + 203, 30},
              {1201, 2000},  // money
              {1205, 2},     // clerk level
              {1206, 8},     // day 8: the morning makes it 9, a chart day
              {2259, 1}});   // 小学生モード
  driver_test::session d(f.root, seed);
  std::vector<std::string> heard;
  d.send("click 100 100");
  d.send("click 100 100");
  d.send("tick 8");

  // The day served to its end, then on to the owner's first words.
  const value judged = play(d, heard, [&](const value&) {
    return heard_start(heard, "msg 303 うむっ、今日の売り上げは");
  });
  ASSERT_TRUE(heard_start(heard, "msg 0 『あ、時間だ、今日はもう終わりだ・・・』"));
  const int sales = num(judged, "sales_today"), sat = num(judged, "satisfaction");
  const int money = num(judged, "money"), lv = num(judged, "clerk_lv");
  EXPECT_EQ(num(judged, "day"), 9);
  EXPECT_GT(sales, 0);
  EXPECT_EQ(entry(judged, "sales_history", 9), sales);
  EXPECT_EQ(entry(judged, "satisfaction_history", 9), sat);
  EXPECT_TRUE(heard_start(heard, "bg kokuban.bmp"));  // the ten-day chart

  // The review, to the evening panel: the band's fine or pay and the promotion, as the rules
  // reckon them from the day's numbers.
  const value evening = play(d, heard, [&](const value&) { return d.json("panel")["visible"].b; });
  game::gs.sales_today = sales, game::gs.satisfaction = sat, game::gs.money = money;
  game::gs.clerk_lv = lv, game::gs.mode = 1;
  game::gs.quota = num(judged, "quota"), game::gs.satis_goal = num(judged, "satis_goal");
  const int score = game::achievement() + sat;
  const bool promoted = sales >= game::gs.quota && sat >= game::gs.satis_goal;
  const int expected =
      money - game::review_fine(score) + game::review_pay(score) + (promoted ? (lv + 1) * 200 : 0);
  EXPECT_EQ(num(evening, "money"), expected) << "score " << score;
  EXPECT_EQ(num(evening, "clerk_lv"), lv + (promoted ? 1 : 0) - (score <= 80 && lv > 0 ? 1 : 0));
  EXPECT_EQ(num(evening, "best_sales"), sales);
  EXPECT_TRUE(heard_start(heard, "msg 303 では、明日の準備をしておくがよい"));

  // The evening closed, the night, and the next morning's first 次.
  const value morning = play(d, heard, [](const value& st) {
    return num(st, "day") == 10 && num(st, "click_state") != 0 &&
           st["menu_label"].items[2].str == "次";
  });
  EXPECT_EQ(num(morning, "day"), 10);
  EXPECT_EQ(num(morning, "sales_today"), 0);
  EXPECT_EQ(num(morning, "hours_left"), num(morning, "clerk_lv") + 8);
  EXPECT_EQ(d.finish(), 0);
}

TEST(ClosingScenario, ADayServedReviewedAndSleptOn) {
  for (int seed : {11, 12}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    a_day_served_reviewed_and_slept_on(seed);
  }
}

TEST(ClosingScenario, AFirstDayWithoutSalesEndsTheGameAndSavesNothing) {
  folder f;
  f.progress({{1201, 100}});  // a level-0 clerk with nothing in stock
  const std::string saved = f.my_dat();
  driver_test::session d(f.root, 12);
  std::vector<std::string> heard;
  d.send("click 100 100");
  d.send("click 100 100");
  d.send("tick 8");
  play(d, heard, [](const value&) { return false; });
  ASSERT_TRUE(d.ended());
  EXPECT_EQ(d.finish(), 0);
  // The owner's last words, then the program's end: nothing of the evening.
  std::vector<std::string> shown;
  for (const auto& l : heard)
    if (l.rfind("msg ", 0) == 0 || l.rfind("bg ", 0) == 0 || l.rfind("menu ", 0) == 0 ||
        l == "exit")
      shown.push_back(l);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[shown.size() - 2], "msg 307 ゲームオーバー");
  EXPECT_EQ(shown.back(), "exit");
  EXPECT_TRUE(heard_start(heard, "msg 303 何にも売れないとはどういうこった！！"));
  EXPECT_EQ(f.my_dat(), saved);
}

}  // namespace
