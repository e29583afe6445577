// Closing time through florinet-headless, played by a small bot that answers what the game asks
// (a click for a wait, a caption for a menu or a choice, the panel's close for the evening): a day
// served to its end, its totals, the owner's review, the evening, the night and the next
// morning; the knock at the door, which leaves the last parcel on the counter for the visitor;
// and a first day without sales, which ends the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/driver_session.h"
#include "customers/review.h"
#include "goods/json_mini.h"
#include "platform/bitmap.h"
#include "shell/state.h"

namespace {

using jsonmini::value;

using driver_test::program_folder;

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
  const program_folder f(seed);
  f.progress({{8, 1},  // the introduction seen
              {101 + 1, 20},
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
  driver_test::session d(f.root(), f.seed());
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

// The last customer's parcel on the counter: doubled goods pictures stand in the square
// 155..234 × 120..199, the lower part of it clear of the customer above and the log below.
bool same_counter(const plat::Bitmap& a, const plat::Bitmap& b) {
  for (int y = 142; y < 200; ++y)
    for (int x = 155; x < 235; ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

// Serves a day to its knock and opens the door with the key 3; `who` is the first picture the
// visitor shows. The customer's place is cleared, the parcel stays until the next background.
void the_knock_leaves_the_parcel(int seed, int day, const std::string& who) {
  const program_folder f(seed);
  f.progress({{8, 1},
              {101 + 1, 20},
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
              {1206, day},   // the day before
              {2259, 1}});
  driver_test::session d(f.root(), f.seed());
  std::vector<std::string> heard;
  d.send("click 100 100");
  d.send("click 100 100");
  d.send("tick 8");
  play(d, heard, [](const value& st) {
    return num(st, "choice_pending") == 1 && st["menu_label"].items[2].str == "扉をあける";
  });
  ASSERT_FALSE(d.ended());
  ASSERT_EQ(num(d.json("state"), "choice_pending"), 1) << "nobody knocked";
  std::string parcel;
  for (const auto& l : heard)
    if (l.rfind("picture 3 ", 0) == 0) parcel = l;
  ASSERT_NE(parcel, "picture 3 not.bmp") << "the last customer left no parcel";
  ASSERT_FALSE(parcel.empty());

  const std::string before = f.root() + "/before.bmp", after = f.root() + "/after.bmp",
                    later = f.root() + "/later.bmp";
  d.send("tick 2");
  d.send("shot " + before);
  const auto opened = d.send("key 3");  // 扉をあける, by its key
  EXPECT_TRUE(heard_start(opened, "sound 5 door.wav"));
  EXPECT_TRUE(heard_start(opened, "picture 1 " + who)) << "no visitor";
  EXPECT_FALSE(heard_start(opened, "picture 3 ")) << "the parcel was taken away";
  d.send("tick 2");
  d.send("shot " + after);

  // On to the first background the evening sets (the day's totals).
  heard.clear();
  play(d, heard, [&](const value&) { return heard_start(heard, "bg "); });
  d.send("tick 2");
  d.send("shot " + later);
  plat::Bitmap a, b, c;
  ASSERT_EQ(plat::read_bmp_file(before, a), plat::BmpError::none);
  ASSERT_EQ(plat::read_bmp_file(after, b), plat::BmpError::none);
  ASSERT_EQ(plat::read_bmp_file(later, c), plat::BmpError::none);
  EXPECT_TRUE(same_counter(a, b)) << "the parcel changed when the door opened";
  EXPECT_FALSE(same_counter(a, c)) << "the parcel outlived the next background";
  EXPECT_EQ(d.finish(), 0);
}

TEST(ClosingScenario, TheKnockClearsOnlyTheCustomersPlace) {
  {
    SCOPED_TRACE("a visitor's evening");
    the_knock_leaves_the_parcel(17, 8, "girl01.bmp");
  }
  {
    SCOPED_TRACE("the printer's day");
    the_knock_leaves_the_parcel(11, 11, "sumiko.bmp");
  }
}

TEST(ClosingScenario, AFirstDayWithoutSalesEndsTheGameAndSavesNothing) {
  const program_folder f(12);
  f.progress({{8, 1}, {1201, 100}});  // a level-0 clerk with nothing in stock
  const std::string saved = test_support::read_all(f.my_dat_path());
  driver_test::session d(f.root(), f.seed());
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
  EXPECT_EQ(test_support::read_all(f.my_dat_path()), saved);
}

}  // namespace
