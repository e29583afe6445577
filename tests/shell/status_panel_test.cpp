// The status panel: the slides, the eased numbers, the gauges and colour bands it shows, the item
// card's description lines, and states no day should reach drawn without harm.
#include "shell/status_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "shell/hooks.h"
#include "shell/state.h"

namespace {

using game::gs;
using plat::RGB;

plat::sjis S(const char* utf8) {
  return plat::to_sjis(utf8);
}

class StatusPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game::game_state{};
    game::hooks = game::game_hooks{};
    gs.stage_mode = 1;
    gs.panel_visible = 1;
    gs.quota = 200;
    gs.satis_goal = 50;
    game::hooks.item_name = [](int id) -> std::string_view { return id == 42 ? name() : ""; };
    game::hooks.item_info = [](int) -> std::string_view { return info(); };
    game::hooks.design_name = [](int) -> std::string_view { return "x"; };
  }
  static const plat::sjis& name() {
    static const plat::sjis n = S("ねこのノート");
    return n;
  }
  static plat::sjis& info() {
    static plat::sjis i;
    return i;
  }
  void draw() {
    canvas.clear(0);
    game::draw_status_panel(canvas);
  }
  // Whether a pixel of colour c lies in the box.
  bool has(plat::rgb c, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (cg.pixel(x, y) == c) return true;
    return false;
  }

  plat::Bitmap cg{390, 260, 0};
  plat::Canvas canvas{cg};
};

TEST_F(StatusPanel, SlidesInAndEasesItsNumbers) {
  gs.panel_x = -200;
  gs.money = 10000;
  gs.hours_left = 8;
  std::vector<int> x, money;
  for (int i = 0; i < 12; ++i) {
    draw();
    x.push_back(gs.panel_x);
    money.push_back(gs.money_shown);
  }
  EXPECT_EQ(x, (std::vector<int>{-149, -111, -83, -62, -46, -34, -25, -18, -13, -9, -6, -4}));
  EXPECT_EQ((std::vector<int>(money.begin(), money.begin() + 5)),
            (std::vector<int>{2001, 3601, 4881, 5905, 6725}));
  for (int i = 0; i < 60; ++i) draw();
  EXPECT_EQ(gs.panel_x, 0);
  EXPECT_EQ(gs.money_shown, 10000);  // arrives exactly and stays
  EXPECT_EQ(gs.hours_shown, 8);
  // Down again by the same steps; the gauges' values by a tenth of the gap and one more.
  gs.money = 0;
  gs.sales_today = 1000;
  draw();
  EXPECT_EQ(gs.money_shown, 7999);
  EXPECT_EQ(gs.sales_shown, 101);
  draw();
  EXPECT_EQ(gs.sales_shown, 191);

  // A full day is a 95-pixel hours gauge.
  gs.hours_shown = 8;
  draw();
  EXPECT_EQ(cg.pixel(2 + 94, 27), RGB(51, 221, 255));
  EXPECT_NE(cg.pixel(2 + 95, 27), RGB(51, 221, 255));
}

TEST_F(StatusPanel, GaugesAndColourBands) {
  gs.panel_x = 0;
  // Takings three times the quota: the percentage stops at 100 and turns cyan, the bar runs on
  // past the right edge.
  gs.sales_today = gs.sales_shown = 600;
  gs.satisfaction = 2;  // 4 % of the goal: dark red
  draw();
  EXPECT_TRUE(has(RGB(0, 255, 255), 290, 43, 385, 63));
  EXPECT_EQ(cg.pixel(389, 62), RGB(204, 255, 0));
  EXPECT_TRUE(has(RGB(128, 0, 0), 290, 73, 385, 92));
  // The goal mark stands at the goal on the satisfaction track.
  EXPECT_EQ(cg.pixel(285 + 50, 93), RGB(255, 255, 0));
  EXPECT_EQ(cg.pixel(285 + 50, 97), RGB(255, 255, 0));
  EXPECT_NE(cg.pixel(285 + 50, 98), RGB(255, 255, 0));

  // An award due blinks its gauge on even ticks; bad service of 10 is a 40-pixel gauge.
  gs.lovely = 12;
  gs.award_count = 2;
  gs.bad_service = 10;
  gs.frame_counter = 4;
  draw();
  EXPECT_EQ(cg.pixel(44, 38), RGB(255, 119, 238));
  EXPECT_EQ(cg.pixel(44 + 39, 48), RGB(255, 153, 119));
  EXPECT_NE(cg.pixel(44 + 41, 48), RGB(255, 153, 119));
  gs.frame_counter = 5;
  draw();
  EXPECT_EQ(cg.pixel(44, 38), RGB(255, 51, 170));
  EXPECT_EQ(cg.pixel(44 + 39, 48), RGB(255, 85, 51));
}

TEST_F(StatusPanel, DescriptionLinesOf22Bytes) {
  std::array<std::string_view, 3> l;
  const std::string b21(21, 'a'), b22(22, 'b'), b43(43, 'c'), b44(44, 'd'), b50(50, 'e');
  EXPECT_EQ(game::description_lines(b21, l), 1);
  EXPECT_EQ(l[0], b21);
  EXPECT_EQ(game::description_lines(b22, l), 2);
  EXPECT_EQ(l[0], b22);
  EXPECT_EQ(l[1], "");
  EXPECT_EQ(game::description_lines(b43, l), 2);
  EXPECT_EQ(l[0].size(), 22u);
  EXPECT_EQ(l[1].size(), 21u);
  EXPECT_EQ(game::description_lines(b44, l), 3);
  EXPECT_EQ(l[1].size(), 22u);
  EXPECT_EQ(l[2], "");
  EXPECT_EQ(game::description_lines(b50, l), 3);
  EXPECT_EQ(l[2], std::string(6, 'e'));
  // Five single bytes put the twenty-second byte in the middle of a character: it goes whole to
  // the next line instead of showing as two broken halves.
  const plat::sjis mixed = S("CUTIEカレッジの制服シャツ。憧れの一枚");
  EXPECT_EQ(game::description_lines(mixed, l), 2);
  EXPECT_EQ(plat::to_utf8(l[0]), "CUTIEカレッジの制服シ");
  EXPECT_EQ(plat::to_utf8(l[1]), "ャツ。憧れの一枚");
}

TEST_F(StatusPanel, ItemCardSlidesInAndOut) {
  gs.panel_x = 0;
  gs.sel_item = 42;
  gs.stock[42] = 3;
  info() = S("ねこの絵のノート。かわいい");
  gs.item_card = 1;
  gs.item_card_x = 200;
  std::vector<int> x;
  for (int i = 0; i < 8; ++i) {
    draw();
    x.push_back(gs.item_card_x);
  }
  EXPECT_EQ(x, (std::vector<int>{99, 49, 24, 11, 5, 2, 0, 0}));
  EXPECT_TRUE(has(RGB(187, 0, 119), 300, 135, 390, 147));   // the name
  EXPECT_TRUE(has(RGB(207, 39, 127), 300, 180, 390, 192));  // the stock line
  gs.item_card = 2;
  x.clear();
  while (gs.item_card == 2 && x.size() < 30) {
    draw();
    x.push_back(gs.item_card_x);
  }
  EXPECT_EQ(x, (std::vector<int>{51, 89, 117, 138, 154, 166, 175, 182, 187, 191, 194, 196, 198, 199,
                                 200}));
  EXPECT_EQ(gs.item_card, 0);
  // Without a name there is no card: nothing drawn, nothing moves.
  gs.item_card = 1;
  gs.item_card_x = 200;
  gs.sel_item = 7;
  draw();
  EXPECT_EQ(gs.item_card_x, 200);
  EXPECT_FALSE(has(RGB(187, 0, 119), 200, 130, 390, 195));
}

TEST_F(StatusPanel, StatesNoDayReachesAreDrawnWithoutHarm) {
  // A hand-edited progress file or a value in flight before the frame's clamp: zero and negative
  // divisors, a negative level, selections outside the catalogue, sums near the 32-bit edge.
  gs.panel_x = 0;
  gs.quota = 0;
  gs.satis_goal = -5;
  gs.clerk_lv = -8;
  gs.award_count = -10;
  gs.lovely = 2000000000;
  gs.sales_today = gs.sales_shown = 2000000000;
  gs.hours_left = gs.hours_shown = 2000000000;
  gs.money = 2000000000;
  gs.money_shown = -2000000000;
  gs.shop_image = 100000;
  gs.item_card = 1;
  game::hooks.item_name = [](int) -> std::string_view { return "n"; };  // every id named
  for (int id : {-1, 1000, 1 << 30}) {
    gs.sel_item = id;
    draw();
  }
  EXPECT_GT(gs.money_shown, -2000000000);
  // Hidden: nothing at all.
  gs.panel_visible = 0;
  gs.panel_x = -200;
  draw();
  EXPECT_EQ(gs.panel_x, -200);
  EXPECT_FALSE(has(RGB(0, 34, 68), 0, 0, 390, 260));
}

}  // namespace
