// The day's end and the owner's review: the award draw, the montage's and the chart's points,
// the money of every score band in every mode, promotion, the rent, and the endings.
#include "customers/review.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "day_end_fixture.h"
#include "effects/effects.h"
#include "platform/headless/headless_audio.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "sound/mixer.h"
#include "sound/slots.h"
#include "support/alloc_count.h"

namespace game {
namespace {

using day_end_test::answers;
using day_end_test::asked;
using day_end_test::draw_default;

class Review : public day_end_test::DayEnd {
 protected:
  // Takings `sales` against a quota of 400, satisfaction `sat` against 60, on day 5.
  void day(int sales, int sat) {
    gs.day = 5, gs.quota = 400, gs.satis_goal = 60;
    gs.sales_today = sales, gs.satisfaction = sat, gs.best_sales = 100000;
  }
  // The scene from the first `from` up to (not including) the next `to` after it.
  static std::vector<std::string> scene_between(const std::string& from, const std::string& to) {
    const std::vector<std::string> all = scene();
    auto b = std::find(all.begin(), all.end(), from);
    auto e = b == all.end() ? b : std::find(b + 1, all.end(), to);
    return {b, e};
  }
};

TEST_F(Review, TheAwardTakesTheFirstAffordableSealUnlessItComesAfterDrawNineHundred) {
  // Goods, a seal too dear at award count 0 (limit 30 yen), then a 25-yen seal.
  answers[999] = {5, 107, 101};
  EXPECT_EQ(award_seal(), 101);
  EXPECT_EQ(asked, (std::vector<int>{999, 999, 999}));
  answers[999].assign(899, 5);
  answers[999].push_back(101);  // the 900th draw still counts
  EXPECT_EQ(award_seal(), 101);
  answers[999].assign(900, 5);
  answers[999].push_back(101);  // the 901st does not
  EXPECT_EQ(award_seal(), 103);
  asked.clear();
  draw_default = 998;  // a placeholder, 999 times
  EXPECT_EQ(award_seal(), 103);
  EXPECT_EQ(asked.size(), 999u);
  gs.award_count = 15;  // 107 costs 180: affordable from 15 awards on
  answers[999] = {107};
  EXPECT_EQ(award_seal(), 107);
}

TEST_F(Review, MontageAndChartPoints) {
  auto at = [](plat::Point p) { return std::pair(p.x, p.y); };
  EXPECT_EQ(at(montage_point(0, true)), std::pair(50, 50));
  EXPECT_EQ(at(montage_point(10, true)), std::pair(350, 50));
  EXPECT_EQ(at(montage_point(25, true)), std::pair(140, 110));
  // The spiral with π as 3.1415: a quarter turn falls a hair short of 23 and truncates to 22.
  EXPECT_EQ(at(montage_point(0, false)), std::pair(235, 90));
  EXPECT_EQ(at(montage_point(3, false)), std::pair(195, 112));
  EXPECT_EQ(at(montage_point(6, false)), std::pair(144, 90));
  EXPECT_EQ(at(montage_point(9, false)), std::pair(195, 62));
  EXPECT_EQ(at(montage_point(14, false)), std::pair(229, 119));

  for (int k = 0; k < 10; ++k) gs.satisfaction_history[k] = 10 * k, gs.sales_history[k] = 1500 * k;
  EXPECT_EQ(at(satisfaction_point(0)), std::pair(70, 240));
  EXPECT_EQ(at(satisfaction_point(3)), std::pair(160, 240 - 60 - 3));
  EXPECT_EQ(at(satisfaction_point(9)), std::pair(340, 240 - 180 - 9));
  EXPECT_EQ(at(takings_point(2)), std::pair(130, 240 - 200 - 2));
  EXPECT_EQ(at(takings_point(3)), std::pair(160, 20));  // never above the board's top
  gs.sales_history[0] = 6000;
  EXPECT_EQ(at(takings_point(0)), std::pair(70, 20));  // the first point neither
}

// The montage's frames, with the sounds they play through the wave slots, and the chart's.
TEST_F(Review, MontageAndChartFramesAllocateNothing) {
  set_trace_sink(nullptr);
  script_draws(nullptr);
  plat::HeadlessAudioDevice device;
  sound_start(&device, FLORINET_GAME_DIR);
  ASSERT_NE(sound_mixer(), nullptr);
  hooks.play_sound = sound_play_slot;
  hooks.prepare_sound = sound_prepare;
  hooks.draw_totals = draw_totals;
  hooks.draw_chart = draw_chart;
  hooks.draw_effects = render_effects;
  for (int id : {1, 2, 4, 7, 11, 19, 33, 302, 310}) gs.sold_today[id] = 3;
  gs.sales_today = 98765;
  for (int k = 0; k < 10; ++k) gs.satisfaction_history[k] = 7 * k, gs.sales_history[k] = 400 * k;
  gs.message_log[0].text = SJ("今日はこのような結果でした");
  for (int run = 0; run < 3; ++run) {  // the first run fills the glyph cache
    start_montage();
    if (run > 0) alloc_count::start();
    for (int f = 0; f < 40; ++f) advance_tick();
    gs.totals_cursor = 0;
    gs.chart_count = 1;
    for (int f = 0; f < 12; ++f) advance_tick();
    gs.chart_count = 100;
    advance_tick();
    const long allocated = run > 0 ? alloc_count::stop() : 0;
    EXPECT_EQ(allocated, 0);
    EXPECT_EQ(gs.totals_count, 27);
    // Every unit rang "set.wav" on slots 2 to 5 in turn, and the end "katan.wav" on slot 1.
    const MixInfo mixed = MixerInfo(sound_mixer()->Session());
    EXPECT_EQ(mixed.channel_plays[0], 1);
    for (int ch = 1; ch <= 4; ++ch) EXPECT_EQ(mixed.channel_plays[ch], ch <= 3 ? 7 : 6) << ch;
    EXPECT_EQ(sound_slot_wave(2), sound_slot_wave(5));  // one wave, read once
    gs.chart_count = 0;
    for (int ms = 0; ms < 20000; ms += 90) device.advance(90);  // all of it played out
  }
  sound_stop();
  hooks = game_hooks{};
}

TEST_F(Review, EachBandsMoneyAtEachMode) {
  struct row {
    int score, money, lv;
    int fine[3], pay[3];  // modes 0, 1, 2
  } rows[] = {
      {0, 1000, 1, {63, 126, 251}, {0, 0, 0}},     // f = money/4 + 1; then f/4 + 1, f/2 + 1
      {80, 1003, 0, {63, 126, 251}, {0, 0, 0}},    //
      {81, 1000, 4, {51, 101, 201}, {0, 0, 0}},    // f = money/5 + 1
      {100, 7, 4, {1, 2, 2}, {0, 0, 0}},           // never more than there is
      {101, 1000, 4, {0, 0, 0}, {0, 0, 0}},        // words only
      {121, 1000, 3, {0, 0, 0}, {160, 80, 0}},     // lv × 20 + 100, lv × 10 + 50, nothing
      {141, 1000, 3, {0, 0, 0}, {600, 400, 200}},  // min(money/4 + 1, 200) × 3, × 2
      {160, 100, 3, {0, 0, 0}, {78, 52, 26}},      //
      {161, 0, 5, {0, 0, 0}, {300, 200, 100}},     // min(lv × 15 + 30, 100)
      {180, 0, 2, {0, 0, 0}, {180, 120, 60}},      //
      {181, 0, 7, {0, 0, 0}, {600, 450, 150}},     // min(lv × 15 + 50, 150) × 4, × 3
      {199, 0, 1, {0, 0, 0}, {260, 195, 65}},      //
      {200, 0, 9, {0, 0, 0}, {1000, 800, 200}},    // min(lv × 15 + 70, 200) × 5, × 4
      {200, 0, 0, {0, 0, 0}, {350, 280, 70}},      //
      {50, 0, 0, {0, 0, 0}, {0, 0, 0}},            // an empty till: money stays at 0
  };
  for (const row& r : rows)
    for (int mode = 0; mode < 3; ++mode) {
      gs.mode = mode, gs.money = r.money, gs.clerk_lv = r.lv;
      EXPECT_EQ(review_fine(r.score), r.fine[mode]) << r.score << " mode " << mode;
      EXPECT_EQ(review_pay(r.score), r.pay[mode]) << r.score << " mode " << mode;
    }
  gs.sales_today = 5;
  gs.quota = 0;  // counts as 1
  EXPECT_EQ(achievement(), 100);
  gs.sales_today = 50000000, gs.quota = 60000000;  // a hundred times that still fits
  EXPECT_EQ(achievement(), 83);
}

TEST_F(Review, PromotionNeedsBothTargetsAndTheUnknownShopHoldsTheClerkAtNine) {
  day(360, 100);  // 90 % of the quota and full satisfaction: 190
  gs.clerk_lv = 2;
  end_day();
  EXPECT_EQ(gs.money, 80);  // the 181..199 bonus, no promotion
  EXPECT_EQ(gs.clerk_lv, 2);
  EXPECT_TRUE(said("ノルマは足りてねーけどよ"));

  SetUp();
  day(400, 100);  // 200
  gs.mode = 0, gs.clerk_lv = 2, gs.progress[105] = 2;
  end_day();
  EXPECT_EQ(gs.clerk_lv, 3);
  EXPECT_EQ(gs.progress[105], 3);
  EXPECT_EQ(gs.money, 500 + 1200);  // min(100, 200) × 5, then level 3 × 400
  EXPECT_EQ(gs.stock[132], 1);
  // Every line of the promotion is typed (draw 1: wave slot 5) and read.
  EXPECT_EQ(
      scene_between("sound 5 yosi.wav", "sound 1 fun.wav"),
      (std::vector<std::string>{
          "sound 5 yosi.wav", "sound 5 moji.wav", "msg 303 なかなかよくやった！昇進じゃ！", "wait",
          "sound 4 lvup.wav", "sound 5 moji.wav", "msg 302 あなたの店員レベルがあがりました!!",
          "wait", "sound 5 moji.wav", "msg 302 レベルアップ!! → 3", "wait", "sound 5 moji.wav",
          "msg 0 ボーナスが支給されました", "wait", "sound 1 coin.wav", "sound 5 moji.wav",
          "msg 308 お金 1200円を入手", "wait"}));

  SetUp();
  day(400, 100);
  gs.clerk_lv = 9, gs.shop_image = 11;
  end_day();
  EXPECT_EQ(gs.clerk_lv, 9);
  EXPECT_EQ(
      scene_between("msg 302 レベルアップ!! → 10", "sound 1 fun.wav"),
      (std::vector<std::string>{"msg 302 レベルアップ!! → 10", "wait", "sound 5 moji.wav",
                                "msg 0 と思ったら、何らかの力によってLv9に戻った..", "wait"}));
  EXPECT_EQ(gs.progress[4], 0);
  EXPECT_FALSE(host->closed());
}

TEST_F(Review, TheEndingEitherWayClosesTheGame) {
  for (int choice : {2, 3}) {
    SetUp();
    answer = choice;
    day(400, 100);
    gs.clerk_lv = 9;
    end_day();
    EXPECT_EQ(gs.progress[4], 1);
    EXPECT_TRUE(was_traced("menu |はい|いいえ"));
    EXPECT_EQ(said("この星はおろか、全宇宙をファンシーで埋め尽くしてやるさ…"), choice == 2);
    EXPECT_EQ(said("…ち…、目にゴミが入っちまったぜ…"), choice == 3);
    // From the owner's goodbye to the last line, as the player reads and hears it.
    std::vector<std::string> expected{"sound 2 aha.wav",
                                      "sound 1 fun.wav",
                                      "sound 5 moji.wav",
                                      "msg 303 じゃあねん",
                                      "wait",
                                      "sound 2 nock.wav",
                                      "sound 5 moji.wav",
                                      "msg 0 ドンドン",
                                      "sound 5 moji.wav",
                                      "msg 0 誰か来た....",
                                      "choice",
                                      "wait",
                                      "sound 5 door.wav",
                                      "bg haikei2.bmp",
                                      "picture 1 seven.bmp",
                                      "sound 5 moji.wav",
                                      "msg 304 セブンが現れた!!",
                                      "wait"};
    auto says = [&](std::initializer_list<const char*> lines) {
      for (const char* l : lines)
        expected.insert(expected.end(), {std::string("msg 310 ") + l, "wait"});
    };
    says({"こんにちは…", "この店がどんなに凄いか、オレはよく分かっている…",
          "オレの経営するLove7には無い物が、この店にはあるんだ…",
          "…それがなんなのか、ようやく気づいた", "…それは、君だ。",
          "ここの店長には悪いけど、どうだ…オレの店に来てみないか？"});
    expected.insert(expected.end(), {"choice", "wait"});
    if (choice == 2) {
      says({"やった…ありがとう"});
      // A spoken line longer than 58 bytes goes on in a second entry.
      expected.insert(expected.end(),
                      {"msg 310 これでオレのファシーブランドチェーン Love7は一気に巨大化す",
                       "msg 310 　る…", "wait"});
      says({"この星はおろか、全宇宙をファンシーで埋め尽くしてやるさ…"});
    } else {
      says({"そうか…やはり駄目か…", "君ならそう言うと思っていた…",
            "君のその情熱と強い意志、それを確認したかったんだ…", "また会おう、ライバルよ！"});
      expected.insert(expected.end(), {"bg ten.bmp", "sound 2 eto.wav", "sound 5 moji.wav",
                                       "msg 304 天長が現れた!!", "wait"});
      for (const char* l :
           {"フ…、おまえもやっぱりあいつの店へ行くのか…？", "え…？引き抜きを断っただと？",
            "何故だ！…Love7は今や世界のトップブランドだぜ…", "何…、この店が好きだからだと？",
            "ば…ばかやろう！！！……", "…ち…、目にゴミが入っちまったぜ…"})
        expected.insert(expected.end(), {"sound 5 moji.wav", std::string("msg 303 ") + l, "wait"});
    }
    expected.insert(expected.end(),
                    {"bg clear.bmp", "sound 5 moji.wav", "msg 307 ～～～～クリア～～～～", "wait",
                     "sound 5 moji.wav", "msg 307 お・し・ま・い", "wait"});
    const std::vector<std::string> all = scene();
    const auto from = std::find(all.begin(), all.end(), "sound 2 aha.wav");
    EXPECT_EQ(std::vector<std::string>(from, all.end()), expected) << choice;
    EXPECT_TRUE(host->closed());
    EXPECT_FALSE(said("では、明日の準備をしておくがよい"));
  }
}

TEST_F(Review, SatisfactionNoFrameHasHeldYetIsReadWithinZeroToAHundred) {
  // The day's last gains came quicker than the timer: no frame has clamped them.
  day(400, 107);
  gs.clerk_lv = 2;
  end_day();
  EXPECT_TRUE(said("そんでっ、お客さんの満足度は 100％じゃ。"));
  EXPECT_EQ(gs.satisfaction_history[5], 100);  // the history the progress file keeps
  EXPECT_EQ(gs.clerk_lv, 3);
  SetUp();
  day(400, -9);
  end_day();
  EXPECT_TRUE(said("そんでっ、お客さんの満足度は 0％じゃ。"));
  EXPECT_EQ(gs.satisfaction_history[5], 0);
}

TEST_F(Review, RentShortOfMoneyTakesTwoThirds) {
  day(60, 50);
  gs.quota = 100;  // 110: neither fine nor pay
  gs.day = 30, gs.money = 5;
  end_day();
  EXPECT_EQ(gs.money, 3);  // 50 asked, (5 / 3) × 2 taken
  EXPECT_TRUE(said("2円だけもらっていくとするわい…"));
  SetUp();
  day(60, 50);
  gs.quota = 100;
  gs.day = 60, gs.mode = 1, gs.clerk_lv = 1, gs.money = 1000;
  end_day();
  EXPECT_EQ(gs.money, 874);  // (100 + 100 + 50) / 2 + 1
}

}  // namespace
}  // namespace game
