// The day's end and the owner's review: the award draw, where the montage and the chart put
// their points, the money of every score band in every mode, promotion, the rent, and the
// three ways the game can end.
#include "customers/review.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "customers/story_table.h"
#include "day_end_fixture.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "wrapping/alloc_count.h"
#include "wrapping/effects.h"

namespace game {
namespace {

using day_end_test::asked;
using day_end_test::draw_default;
using day_end_test::draws;
using day_end_test::traced;

class Review : public day_end_test::DayEnd {
 protected:
  // A plain day: takings `sales` against a quota of 400, satisfaction `sat` against 60.
  void day(int sales, int sat) {
    gs.day = 5;
    gs.quota = 400;
    gs.satis_goal = 60;
    gs.sales_today = sales;
    gs.satisfaction = sat;
    gs.best_sales = 100000;
  }
};

// ---- the seal association -------------------------------------------------------------------

TEST_F(Review, TheAwardTakesTheFirstAffordableSealUnlessItComesAfterDrawNineHundred) {
  // Goods, a seal too dear at award count 0 (limit 30 yen), then a 25-yen seal.
  draws = {5, 107, 101};
  EXPECT_EQ(award_seal(), 101);
  EXPECT_EQ(asked, (std::vector<int>{999, 999, 999}));

  draws.assign(899, 5);
  draws.push_back(101);  // the 900th draw still counts
  EXPECT_EQ(award_seal(), 101);
  draws.assign(900, 5);
  draws.push_back(101);  // the 901st does not
  EXPECT_EQ(award_seal(), 103);
  asked.clear();
  draws.clear();
  draw_default = 998;  // nothing but a placeholder, 999 times
  EXPECT_EQ(award_seal(), 103);
  EXPECT_EQ(asked.size(), 999u);

  // A higher award count affords dearer seals: 107 costs 180, allowed from 15 awards on.
  gs.award_count = 15;
  draws = {107};
  EXPECT_EQ(award_seal(), 107);
}

TEST_F(Review, TheAwardAtTheDaysEnd) {
  day(300, 50);
  gs.lovely = 12;
  gs.award_count = 2;
  gs.bad_service = 4;
  gs.poor_stock = 0;
  day_end_test::answers[999] = {101};
  end_day();
  EXPECT_EQ(gs.stock[101], 7);
  EXPECT_EQ(gs.award_count, 3);
  EXPECT_EQ(gs.lovely, 0);
  EXPECT_EQ(gs.bad_service, 3);
  EXPECT_EQ(gs.poor_stock, -1);  // the frame's clamp brings it back to 0
  EXPECT_TRUE(traced_line("effect 161 70 47"));
  EXPECT_TRUE(traced_line("sound 4 cong.wav"));

  // Not yet due: lovely below award count + 10.
  SetUp();
  day(300, 50);
  gs.lovely = 11;
  gs.award_count = 2;
  end_day();
  EXPECT_EQ(gs.award_count, 2);
  EXPECT_EQ(gs.lovely, 11);
}

// ---- montage and chart ----------------------------------------------------------------------

TEST_F(Review, MontagePointsInBothLayouts) {
  auto at = [](int count, bool grid) {
    const plat::Point p = montage_point(count, grid);
    return std::pair(p.x, p.y);
  };
  EXPECT_EQ(at(0, true), std::pair(50, 50));
  EXPECT_EQ(at(10, true), std::pair(350, 50));
  EXPECT_EQ(at(11, true), std::pair(50, 80));
  EXPECT_EQ(at(25, true), std::pair(140, 110));
  // The spiral, with π as 3.1415: a quarter turn falls a hair short of 23 and truncates to 22,
  // half a turn just short of -52.
  EXPECT_EQ(at(0, false), std::pair(235, 90));
  EXPECT_EQ(at(3, false), std::pair(195, 112));
  EXPECT_EQ(at(6, false), std::pair(144, 90));
  EXPECT_EQ(at(9, false), std::pair(195, 62));             // r 58: 29 × sin 270°, -28.99...
  EXPECT_EQ(at(14, false), std::pair(195 + 34, 90 + 29));  // 420°: r 68, cos .5, sin .866
}

TEST_F(Review, TheMontageCountsEveryUnitAndEndsOnTheTakings) {
  gs.sales_today = 1234;
  gs.sold_today[5] = 2;
  gs.sold_today[300] = 1;
  draw_default = 0;  // the spiral
  start_montage();
  plat::Canvas cg(cg_image()), bak(bak_image());
  int frames = 0;
  std::vector<int> shown;
  while (gs.totals_cursor < 1000 && frames < 10) {
    draw_totals(cg, bak);
    shown.push_back(gs.totals_shown);
    ++frames;
  }
  EXPECT_EQ(frames, 3);  // item 5, item 300, the end
  EXPECT_EQ(gs.totals_count, 3);
  EXPECT_EQ(gs.totals_grid, 0);
  EXPECT_EQ(lines("sound"),
            (std::vector<std::string>{"2 set.wav", "3 set.wav", "4 set.wav", "1 katan.wav"}));
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
  EXPECT_LT(shown.back(), 1234);
  draw_totals(cg, bak);
  EXPECT_EQ(gs.totals_shown, 1234);  // done: the takings stand exact
  EXPECT_EQ(lines("sound").size(), 4u);
}

TEST_F(Review, ChartPoints) {
  for (int k = 0; k < 10; ++k) {
    gs.satisfaction_history[k] = 10 * k;
    gs.sales_history[k] = 1500 * k;
  }
  auto sat = [](int k) { return std::pair(satisfaction_point(k).x, satisfaction_point(k).y); };
  auto sales = [](int k) { return std::pair(takings_point(k).x, takings_point(k).y); };
  EXPECT_EQ(sat(0), std::pair(70, 240));
  EXPECT_EQ(sat(3), std::pair(160, 240 - 60 - 3));
  EXPECT_EQ(sat(9), std::pair(340, 240 - 180 - 9));
  EXPECT_EQ(sales(1), std::pair(100, 240 - 100 - 1));
  EXPECT_EQ(sales(2), std::pair(130, 240 - 200 - 2));
  EXPECT_EQ(sales(3), std::pair(160, 20));  // never above the board's top
  gs.sales_history[0] = 6000;
  EXPECT_EQ(sales(0), std::pair(70, 20));  // the first point as well
}

TEST_F(Review, HistoryEveryDayChartEveryTenth) {
  day(321, 45);
  gs.day = 17;
  end_day();
  EXPECT_EQ(gs.sales_history[7], 321);
  EXPECT_EQ(gs.satisfaction_history[7], 45);
  EXPECT_FALSE(traced_line("bg kokuban.bmp"));

  SetUp();
  day(321, 45);
  gs.day = 19;
  end_day();
  EXPECT_EQ(gs.sales_history[9], 321);
  EXPECT_TRUE(traced_line("bg kokuban.bmp"));
  EXPECT_TRUE(traced_line("sound 3 draw.wav"));
  EXPECT_TRUE(traced_line("sound 2 pen.wav"));
  EXPECT_TRUE(said("今週はこのような結果でした"));
  EXPECT_EQ(gs.chart_count, 0);
  EXPECT_EQ(gs.totals_cursor, 0);
}

TEST_F(Review, MontageAndChartFramesAllocateNothing) {
  day_end_test::traced.clear();
  set_trace_sink(nullptr);  // the trace builds strings; the game alone is measured
  script_draws(nullptr);
  hooks.draw_totals = draw_totals;
  hooks.draw_chart = draw_chart;
  hooks.draw_effects = render_effects;
  for (int id : {1, 2, 4, 7, 11, 19, 33, 302, 310}) gs.sold_today[id] = 3;
  gs.sales_today = 98765;
  for (int k = 0; k < 10; ++k) {
    gs.satisfaction_history[k] = 7 * k + 20;
    gs.sales_history[k] = 400 * k + 123;
  }
  gs.message_log[0].text = SJ("今日はこのような結果でした");
  auto run = [] {
    start_montage();
    for (int f = 0; f < 40; ++f) advance_tick();
    gs.totals_cursor = 0;
    gs.chart_count = 1;
    for (int f = 0; f < 12; ++f) advance_tick();
    gs.chart_count = 100;
    for (int f = 0; f < 3; ++f) advance_tick();
    gs.chart_count = 0;
  };
  run();  // fills the glyph cache with every digit shown
  for (int layout = 0; layout < 2; ++layout) {
    start_montage();
    alloc_count::start();
    for (int f = 0; f < 40; ++f) advance_tick();
    gs.totals_cursor = 0;
    gs.chart_count = 1;
    for (int f = 0; f < 12; ++f) advance_tick();
    gs.chart_count = 100;
    for (int f = 0; f < 3; ++f) advance_tick();
    EXPECT_EQ(alloc_count::stop(), 0);
    EXPECT_EQ(gs.totals_count, 27);
    gs.chart_count = 0;
  }
  hooks = game_hooks{};
}

// ---- the verdict -----------------------------------------------------------------------------

TEST_F(Review, EachBandsMoneyAtEachMode) {
  struct row {
    int score, money, lv;
    int fine[3], pay[3];  // modes 0, 1, 2
  } rows[] = {
      {0, 1000, 1, {63, 126, 251}, {0, 0, 0}},     // f = money/4 + 1; then f/4+1, f/2+1
      {80, 1003, 0, {63, 126, 251}, {0, 0, 0}},    // 1003/4 = 250: 251 again
      {81, 1000, 4, {51, 101, 201}, {0, 0, 0}},    // f = money/5 + 1
      {100, 7, 4, {1, 2, 2}, {0, 0, 0}},           // 7/5+1 = 2; 2/4+1 = 1
      {101, 1000, 4, {0, 0, 0}, {0, 0, 0}},        // words only
      {120, 1000, 4, {0, 0, 0}, {0, 0, 0}},        //
      {121, 1000, 3, {0, 0, 0}, {160, 80, 0}},     // lv × 20 + 100, lv × 10 + 50, nothing
      {141, 1000, 3, {0, 0, 0}, {600, 400, 200}},  // min(money/4 + 1, 200) × 3, × 2
      {160, 100, 3, {0, 0, 0}, {78, 52, 26}},      //
      {161, 0, 5, {0, 0, 0}, {300, 200, 100}},     // min(lv × 15 + 30, 100)
      {180, 0, 2, {0, 0, 0}, {180, 120, 60}},      //
      {181, 0, 7, {0, 0, 0}, {600, 450, 150}},     // min(lv × 15 + 50, 150) × 4, × 3
      {199, 0, 1, {0, 0, 0}, {260, 195, 65}},      //
      {200, 0, 9, {0, 0, 0}, {1000, 800, 200}},    // min(lv × 15 + 70, 200) × 5, × 4
      {200, 0, 0, {0, 0, 0}, {350, 280, 70}},      //
  };
  for (const row& r : rows) {
    for (int mode = 0; mode < 3; ++mode) {
      gs.mode = mode;
      gs.money = r.money;
      gs.clerk_lv = r.lv;
      EXPECT_EQ(review_fine(r.score), r.fine[mode]) << r.score << " mode " << mode;
      EXPECT_EQ(review_pay(r.score), r.pay[mode]) << r.score << " mode " << mode;
    }
  }
  // With nothing in the till the owner takes nothing: money never goes below 0.
  gs.money = 0;
  for (int mode = 0; mode < 3; ++mode) {
    gs.mode = mode;
    EXPECT_EQ(review_fine(50), 0);
    EXPECT_EQ(review_fine(90), 0);
  }
}

TEST_F(Review, ALowScoreFinesAndDemotesAndZeroTakingsAreScolded) {
  day(0, 50);  // score 50
  gs.money = 1000;
  gs.clerk_lv = 1;
  end_day();
  EXPECT_EQ(gs.money, 749);
  EXPECT_EQ(gs.clerk_lv, 0);
  EXPECT_TRUE(said("なんにも売れてねーじゃねーか！！"));
  EXPECT_TRUE(said("お金が 251円減った"));
  EXPECT_TRUE(said("店員LVが 1減少した"));
  EXPECT_TRUE(traced_line("sound 1 kora.wav"));
  EXPECT_TRUE(said("じゃあねん"));  // and the evening follows

  // An empty till stays at 0.
  SetUp();
  day(0, 50);
  gs.money = 0;
  gs.clerk_lv = 1;
  end_day();
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(gs.clerk_lv, 0);
  EXPECT_FALSE(said("お金が 1円減った"));
}

TEST_F(Review, AQuotaOfNothingCountsAsOne) {
  gs.sales_today = 5;
  for (int q : {0, -3, 1}) {
    gs.quota = q;
    EXPECT_EQ(achievement(), 100) << q;
  }
  gs.quota = 400;
  gs.sales_today = 400;
  EXPECT_EQ(achievement(), 100);
  gs.sales_today = 800;
  EXPECT_EQ(achievement(), 100);
  gs.sales_today = 399;
  EXPECT_EQ(achievement(), 99);
  gs.sales_today = 50000000;  // a hundred times that still fits
  gs.quota = 60000000;
  EXPECT_EQ(achievement(), 83);
}

TEST_F(Review, RemarksAndPayInTheMiddleBands) {
  day(300, 70);  // 75 + 70 = 145: quota missed, satisfaction met
  gs.mode = 1;
  gs.money = 1000;
  gs.clerk_lv = 3;
  end_day();
  EXPECT_EQ(gs.money, 1400);
  EXPECT_TRUE(said("ノルマは足りてねーけどなっ"));
  EXPECT_EQ(gs.clerk_lv, 3);

  SetUp();
  day(400, 70);  // 100 + 70 = 170: both met (remark B silent), promoted
  gs.mode = 2;
  gs.clerk_lv = 3;
  gs.best_sales = 0;
  end_day();
  EXPECT_EQ(gs.money, 75 + 0);  // min(3 × 15 + 30, 100), no bonus in mode 2
  EXPECT_FALSE(said("ノルマは足りてねーけどよ"));
  EXPECT_FALSE(said("お客の満足度は低いけどよ"));
  EXPECT_TRUE(said("うむっ、今日の売り上げは 400円じゃ HiScore!"));
  EXPECT_EQ(gs.best_sales, 400);
  EXPECT_EQ(gs.clerk_lv, 4);
}

TEST_F(Review, PromotionNeedsBothTargets) {
  day(360, 100);  // 90 % of the quota, full satisfaction: 190
  gs.clerk_lv = 2;
  end_day();
  EXPECT_EQ(gs.money, 80);  // the 181..199 bonus, min(2 × 15 + 50, 150)
  EXPECT_EQ(gs.clerk_lv, 2);
  EXPECT_FALSE(said("なかなかよくやった！昇進じゃ！"));

  SetUp();
  day(400, 100);  // 200
  gs.mode = 0;
  gs.clerk_lv = 2;
  gs.progress[105] = 2;
  end_day();
  EXPECT_EQ(gs.clerk_lv, 3);
  EXPECT_EQ(gs.progress[105], 3);
  EXPECT_EQ(gs.money, 500 + 1200);  // min(100, 200) × 5, then the bonus of level 3 × 400
  EXPECT_EQ(gs.stock[132], 1);
  EXPECT_TRUE(said("レベルアップ!! → 3"));
  EXPECT_TRUE(said("ボーナスが支給されました"));
}

TEST_F(Review, TheUnknownShopHoldsTheClerkAtNine) {
  day(400, 100);
  gs.clerk_lv = 9;
  gs.shop_image = 11;
  end_day();
  EXPECT_EQ(gs.clerk_lv, 9);
  EXPECT_TRUE(said("と思ったら、何らかの力によってLv9に戻った.."));
  EXPECT_FALSE(said("セブンが現れた!!"));
  EXPECT_EQ(gs.progress[4], 0);
  EXPECT_TRUE(said("では、明日の準備をしておくがよい"));
  EXPECT_FALSE(host->closed());
}

TEST_F(Review, TheEndingEitherWayClosesTheGame) {
  for (int choice : {2, 3}) {
    SetUp();
    answer = choice;
    day(400, 100);
    gs.clerk_lv = 9;
    gs.money = 777;
    end_day();
    EXPECT_EQ(gs.clerk_lv, 10);
    EXPECT_EQ(gs.progress[4], 1);
    EXPECT_TRUE(said("セブンが現れた!!"));
    EXPECT_TRUE(traced_line("menu |はい|いいえ"));
    const std::vector<std::string> s = said();
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[s.size() - 2], "～～～～クリア～～～～");
    EXPECT_EQ(s.back(), "お・し・ま・い");
    EXPECT_EQ(lines("bg").back(), "clear.bmp");
    EXPECT_TRUE(host->closed());
    EXPECT_EQ(gs.click_state, -1);
    if (choice == 2) {
      EXPECT_TRUE(said("この星はおろか、全宇宙をファンシーで埋め尽くしてやるさ…"));
      EXPECT_FALSE(said("…ち…、目にゴミが入っちまったぜ…"));
    } else {
      EXPECT_TRUE(said("また会おう、ライバルよ！"));
      EXPECT_TRUE(said("…ち…、目にゴミが入っちまったぜ…"));
      EXPECT_FALSE(said("やった…ありがとう"));
    }
  }
}

TEST_F(Review, BankruptcyClosesTheGameAndTakesNothing) {
  day(0, 90);
  gs.clerk_lv = 0;
  gs.money = 300;
  end_day();
  const std::vector<std::string> s = said();
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[s.size() - 2], "なんと、お店は売り上げが伸びず、潰れてしまいました");
  EXPECT_EQ(s.back(), "ゲームオーバー");
  EXPECT_TRUE(traced_line("sound 4 gameover.wav"));
  EXPECT_EQ(gs.money, 300);
  EXPECT_TRUE(host->closed());
  EXPECT_FALSE(host->process_messages());
}

// ---- the rent --------------------------------------------------------------------------------

TEST_F(Review, RentEveryThirtiethDayAndTwoThirdsWhenShort) {
  day(60, 50);
  gs.quota = 100;  // 60 + 50 = 110: neither fine nor pay, only the rent moves the money
  gs.day = 30;
  gs.money = 5;
  end_day();
  EXPECT_EQ(gs.money, 3);  // 50 asked, 5 held: (5 / 3) × 2 = 2 taken
  EXPECT_TRUE(said("今月の家賃、50円払ってくれんかの.."));
  EXPECT_TRUE(said("2円だけもらっていくとするわい…"));
  EXPECT_TRUE(said("2円没収されてしまった...."));

  SetUp();
  day(60, 50);
  gs.quota = 100;
  gs.day = 60;
  gs.mode = 1;
  gs.clerk_lv = 1;
  gs.money = 1000;
  end_day();
  EXPECT_EQ(gs.money, 874);  // (100 + 100 + 50) / 2 + 1
  EXPECT_FALSE(said("なんだって…お金が足りないじゃと！？"));

  SetUp();
  day(60, 50);
  gs.quota = 100;
  gs.day = 29;
  gs.money = 1000;
  end_day();
  EXPECT_EQ(gs.money, 1000);
  EXPECT_FALSE(said("乱造が現れた!!"));
}

}  // namespace
}  // namespace game
