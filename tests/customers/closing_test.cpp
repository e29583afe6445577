// Closing time: the order in which the stories are tried and drawn for, what one visit changes,
// and the printer's evenings.
#include "customers/closing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "day_end_fixture.h"

namespace game {
namespace {

using day_end_test::asked;
using day_end_test::draw_default;

class Closing : public day_end_test::DayEnd {};

TEST_F(Closing, StoriesAreTriedInTableOrderOneStagePerEvening) {
  // Every draw failing: at level 1 only 乱造's first stage is drawn for; at level 2 the
  // twenty-one stages that open there (1 in 20), then his first two (1 in 30).
  gs.clerk_lv = 1;
  EXPECT_EQ(pick_story().row, nullptr);
  EXPECT_EQ(asked, (std::vector<int>{30}));
  asked.clear();
  gs.clerk_lv = 2;
  EXPECT_EQ(pick_story().row, nullptr);
  std::vector<int> expected(21, 20);
  expected.insert(expected.end(), {30, 30});
  EXPECT_EQ(asked, expected);

  // Under image 3 the stories of image 0 are drawn for and passed over; 平堂院エリカ comes.
  asked.clear();
  draw_default = 0;
  gs.shop_image = 3;
  const story_pick p = pick_story();
  ASSERT_NE(p.row, nullptr);
  EXPECT_EQ(p.row->slot, 10);
  EXPECT_EQ(asked, (std::vector<int>{20, 20, 20}));  // 8 and 9 at their first stage, then 10

  // A slot holding a value no stage follows (a hand-edited file) is never told.
  gs.shop_image = 0;
  for (int crafted : {-7, 4, 99}) {
    gs.progress[8] = crafted;
    EXPECT_NE(pick_story().row->slot, 8) << crafted;
  }

  // ロクサン has told stage 1 and 死美ちゃん is ready too: her stage 2 only, then the day ends.
  SetUp();
  gs.clerk_lv = 4;
  gs.mode = 0;
  gs.progress[8] = 1;
  draw_default = 0;
  close_shop();
  EXPECT_EQ(gs.progress[8], 2);
  EXPECT_EQ(gs.progress[9], 0);
  EXPECT_EQ(gs.stock[151], 3);
  EXPECT_TRUE(was_traced("menu ||扉をあける"));
  EXPECT_TRUE(was_traced("music star2.mid"));
  EXPECT_TRUE(said("ロクサンは去っていった...."));
  EXPECT_TRUE(said("集計しまーーーす"));
}

TEST_F(Closing, ThePrinterCallsOnEveryTwelfthDayInsteadOfAnyStory) {
  struct when {
    int day, money, lv, flyer;
    bool calls;
  } cases[] = {{12, 500, 2, -1, true},  {24, 9000, 7, -1, true}, {0, 500, 2, -1, false},
               {13, 500, 2, -1, false}, {12, 499, 2, -1, false}, {12, 500, 1, -1, false},
               {12, 500, 2, 3, false}};
  for (const when& w : cases) {
    gs.day = w.day, gs.money = w.money, gs.clerk_lv = w.lv, gs.flyer_kind = w.flyer;
    EXPECT_EQ(printer_calls(), w.calls) << w.day << " " << w.money << " " << w.lv << " " << w.flyer;
  }
  // She comes and no story is drawn for; the day's end waits for her panel.
  gs.day = 12, gs.money = 500, gs.clerk_lv = 4, gs.flyer_kind = -1;
  draw_default = 0;
  close_shop();
  EXPECT_EQ(std::count_if(asked.begin(), asked.end(), [](int n) { return n != 2; }), 0)
      << "only the typing sound draws";
  EXPECT_TRUE(was_traced("picture 1 sumiko.bmp"));
  EXPECT_TRUE(said("私、印刷屋の子なの、チラシ刷ってみや..しなーーーい？"));
  EXPECT_FALSE(said("集計しまーーーす"));
}

TEST_F(Closing, AVisitorsEveningReadsAndSoundsInItsOrder) {
  // としくん's second stage: the thunder inside the scene, the leaving line, the gift in
  // 小学生モード.
  gs.clerk_lv = 4, gs.shop_image = 4, gs.mode = 1;
  gs.progress[11] = 2;  // 花豆, the other visitor of this image, has told his story
  gs.progress[15] = 1;
  gs.stock[156] = 1;
  draw_default = 0;  // every chance comes up; the typing sound on slot 1
  close_shop();
  std::vector<std::string> shown = scene();
  const auto totals = std::find(shown.begin(), shown.end(), "msg 0 集計しまーーーす");
  ASSERT_NE(totals, shown.end());
  shown.erase(totals - 1, shown.end());  // the day's end, from its typing sound on
  EXPECT_EQ(gs.progress[15], 2);
  const std::vector<std::string> expected{
      // The closing line is typed and read.
      "sound 1 moji.wav", "msg 0 『あ、時間だ、今日はもう終わりだ・・・』", "wait",
      // The knock: both lines typed, the door's button is the wait.
      "sound 2 nock.wav", "sound 1 moji.wav", "msg 0 ドンドン", "sound 1 moji.wav",
      "msg 0 誰か来た....", "choice", "wait", "sound 5 door.wav",
      // The scene: spoken lines, the thunder and its narration, typed and read.
      "music star2.mid", "picture 1 boy02.bmp", "msg 310 やあ。今夜は空が暗くて、いい感じだね",
      "wait", "sound 4 kaminari.wav", "sound 1 moji.wav", "msg 0 ピカ！！ゴロゴロ…！", "wait",
      "sound 1 moji.wav", "msg 0 雷のようだ....", "wait",
      "msg 310 うわあああっ！！…い、今のは見なかったことに！", "wait",
      "msg 310 …ほんとは、うさくまがいないと眠れないんだ", "wait",
      // He goes: the leaving line typed, then the gift.
      "picture 1 not.bmp", "sound 1 moji.wav", "msg 0 としくんは去っていった....",
      "sound 4 item.wav", "sound 1 moji.wav",
      "msg 301 Item【としくんチール】を 3個入手した(所持:4個)", "wait"};
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace game
