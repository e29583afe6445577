// Closing time: which visitor knocks, in which order the stories are tried, and what a visit
// does to the progress slots, the stock and the evening that follows.
#include "customers/closing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "customers/story_table.h"
#include "day_end_fixture.h"

namespace game {
namespace {

using day_end_test::asked;
using day_end_test::draw_default;
using day_end_test::traced;

class Closing : public day_end_test::DayEnd {};

TEST_F(Closing, StoriesAreTriedInTableOrderOneDrawPerStageWithinTheLevel) {
  // Level 1, every draw failing: only 乱造's first stage is within reach.
  gs.clerk_lv = 1;
  EXPECT_EQ(pick_story().row, nullptr);
  EXPECT_EQ(asked, (std::vector<int>{30}));

  // Level 2: the twenty-one stages that open at level 2 (1 in 20 each, in table order), then
  // 乱造's first two stages (1 in 30). The slot and the image are tested after the draw.
  asked.clear();
  gs.clerk_lv = 2;
  EXPECT_EQ(pick_story().row, nullptr);
  std::vector<int> expected(21, 20);
  expected.push_back(30);
  expected.push_back(30);
  EXPECT_EQ(asked, expected);
}

TEST_F(Closing, TheFirstStageWhoseTestsAllHoldFiresAndNothingIsDrawnAfterIt) {
  // ロクサン has told stage 1: her stage 1 is drawn but the slot says no; stage 2 fires.
  gs.clerk_lv = 4;
  gs.progress[8] = 1;
  draw_default = 0;
  story_pick p = pick_story();
  ASSERT_NE(p.row, nullptr);
  EXPECT_EQ(p.row->slot, 8);
  EXPECT_EQ(p.stage, 2);
  EXPECT_EQ(asked.size(), 2u);

  // The shop image decides among the stories that are ready: under image 3 平等院エリカ (slot 10)
  // comes first, after the two stories of image 0 were drawn and passed over.
  asked.clear();
  gs.progress[8] = 0;
  gs.shop_image = 3;
  p = pick_story();
  ASSERT_NE(p.row, nullptr);
  EXPECT_EQ(p.row->slot, 10);
  EXPECT_EQ(p.stage, 1);
  EXPECT_EQ(asked.size(), 3u + 3u + 1u);  // slot 8's and 9's three stages, slot 10's first

  // A hand-edited slot holding a value no stage follows is simply never told.
  for (int crafted : {-7, 4, 99}) {
    gs.shop_image = 0;
    gs.progress[8] = crafted;
    p = pick_story();
    ASSERT_NE(p.row, nullptr);
    EXPECT_NE(p.row->slot, 8) << crafted;
  }
}

TEST_F(Closing, OneVisitOneStageThenTheDayEnds) {
  gs.clerk_lv = 4;
  gs.mode = 0;
  gs.progress[8] = 1;
  gs.progress[9] = 0;  // ready too, but one story a night
  draw_default = 0;
  close_shop();

  EXPECT_EQ(gs.progress[8], 2);  // stage 3 waits for another evening
  EXPECT_EQ(gs.progress[9], 0);
  EXPECT_EQ(gs.stock[151], 3);  // her seals, three of them in the easy modes
  const std::vector<std::string> s = said();
  ASSERT_GE(s.size(), 12u);
  EXPECT_EQ(s[0], "『あ、時間だ、今日はもう終わりだ・・・』");
  EXPECT_EQ(s[1], "ドンドン");
  EXPECT_EQ(s[2], "誰か来た....");
  EXPECT_EQ(s[3], "わたし、大きくなったらすんごく可愛いお姉さんになるの");
  EXPECT_EQ(s[6], "ねえ、これで足りる？");
  EXPECT_EQ(s[7], "ロクサンは去っていった....");
  EXPECT_EQ(s[9], "集計しまーーーす");  // the day's end follows the visit
  EXPECT_TRUE(traced_line("choice "));
  EXPECT_TRUE(traced_line("menu ||扉をあける"));
  EXPECT_TRUE(traced_line("sound 5 door.wav"));
  EXPECT_TRUE(traced_line("music star2.mid"));
  // Her picture comes with her first line and goes after her last.
  const std::vector<std::string> pics = lines("picture");
  ASSERT_GE(pics.size(), 2u);
  EXPECT_EQ(pics[0], "1 girl00.bmp");
  EXPECT_EQ(pics[1], "1 not.bmp");

  // The hardest mode gives no seals.
  SetUp();
  gs.clerk_lv = 4;
  gs.mode = 2;
  draw_default = 0;
  close_shop();
  EXPECT_EQ(gs.progress[8], 1);
  EXPECT_EQ(gs.stock[151], 0);
}

TEST_F(Closing, TheLandlordComesAsTheSceneAndLeavesNothing) {
  gs.clerk_lv = 1;
  gs.mode = 0;
  draw_default = 0;
  close_shop();
  EXPECT_EQ(gs.progress[46], 1);
  EXPECT_TRUE(said("乱造は去っていった...."));
  // The shop comes back as background right before the leaving line; no customer to clear.
  const auto leaving = std::find(traced.begin(), traced.end(), "msg 0 乱造は去っていった....");
  ASSERT_NE(leaving, traced.end());
  EXPECT_EQ(*(leaving - 1), "bg haikei_churu.bmp");
  EXPECT_EQ(std::find(traced.begin(), leaving, "picture 1 not.bmp"), leaving);
  int gained = 0;
  for (const auto& m : said()) gained += m.rfind("Item【", 0) == 0;
  EXPECT_EQ(gained, 0);
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

  // She comes, and no story is even drawn for; the day's end waits for her panel.
  gs.day = 12, gs.money = 500, gs.clerk_lv = 4, gs.flyer_kind = -1;
  draw_default = 0;
  close_shop();
  EXPECT_EQ(std::count_if(asked.begin(), asked.end(), [](int n) { return n != 2; }), 0)
      << "only the typing sound draws";
  EXPECT_EQ(gs.progress[8], 0);
  EXPECT_TRUE(traced_line("picture 1 sumiko.bmp"));
  EXPECT_TRUE(traced_line("sound 3 nene.wav"));
  EXPECT_TRUE(said("私、印刷屋の子なの、チラシ刷ってみや..しなーーーい？"));
  EXPECT_FALSE(said("集計しまーーーす"));
}

TEST_F(Closing, AWindowClosedAtTheKnockEndsTheEveningQuietly) {
  gs.clerk_lv = 2;
  draw_default = 0;
  host->set_feeder([](plat::HeadlessHost& h) {
    if (gs.choice_pending == 1)
      h.queue_close();
    else
      h.queue_press(plat::MouseButton::left, 200, 100);
    return true;
  });
  close_shop();
  EXPECT_EQ(gs.click_state, -1);
  EXPECT_FALSE(said("ロクサンは去っていった...."));
  EXPECT_FALSE(said("集計しまーーーす"));
  EXPECT_EQ(gs.stock[151], 0);
}

}  // namespace
}  // namespace game
