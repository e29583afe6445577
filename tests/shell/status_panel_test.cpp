// The status panel: its slides and eased numbers, gauges and colour bands, the item card's lines,
// and states no day should reach drawn without harm.
#include "shell/status_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/i18n.h"
#include "shell/hooks.h"
#include "shell/state.h"
#include "support/mo_file.h"

namespace {

using game::gs;
using plat::RGB;

class StatusPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game::game_state{};
    game::hooks = game::game_hooks{};
    gs.stage_mode = gs.panel_visible = 1;
    gs.quota = 200;
    gs.satis_goal = 50;
    game::hooks.item_name = [](int id) -> std::string_view { return id == 42 ? "card" : ""; };
    game::hooks.item_info = [](int) -> std::string_view { return "a short note"; };
  }
  void draw(int times = 1) {
    for (int i = 0; i < times; ++i) {
      canvas.clear(0);
      game::draw_status_panel(canvas);
    }
  }
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
  gs.sales_today = 1000;
  std::vector<int> x, money;
  for (int i = 0; i < 4; ++i) {
    draw();
    x.push_back(gs.panel_x);
    money.push_back(gs.money_shown);
  }
  EXPECT_EQ(x, (std::vector<int>{-149, -111, -83, -62}));
  EXPECT_EQ(money, (std::vector<int>{2001, 3601, 4881, 5905}));
  EXPECT_EQ(gs.sales_shown, 101 + 90 + 81 + 73);  // a tenth of the gap and one more
  draw(60);
  EXPECT_EQ(gs.panel_x, 0);
  EXPECT_EQ(gs.money_shown, 10000);  // arrives exactly and stays
  gs.money = 0;
  draw();
  EXPECT_EQ(gs.money_shown, 7999);
}

TEST_F(StatusPanel, GaugesAndColourBands) {
  // Takings three times the quota: the percentage stops at 100 in cyan and the bar runs past the
  // right edge. Satisfaction at 4 % of its goal is dark red. An award due blinks on even ticks.
  gs.sales_today = gs.sales_shown = 600;
  gs.satisfaction = 2;
  gs.lovely = 12;
  gs.award_count = 2;
  gs.frame_counter = 4;
  gs.hours_left = gs.hours_shown = 8;  // a full day: 95 pixels
  draw();
  EXPECT_EQ(cg.pixel(2 + 94, 27), RGB(51, 221, 255));
  EXPECT_NE(cg.pixel(2 + 95, 27), RGB(51, 221, 255));
  EXPECT_TRUE(has(RGB(0, 255, 255), 290, 43, 385, 63));
  EXPECT_EQ(cg.pixel(389, 62), RGB(204, 255, 0));
  EXPECT_TRUE(has(RGB(128, 0, 0), 290, 73, 385, 92));
  EXPECT_EQ(cg.pixel(44 + 39, 38), RGB(255, 119, 238));
  gs.frame_counter = 5;
  draw();
  EXPECT_EQ(cg.pixel(44 + 39, 38), RGB(255, 51, 170));
}

TEST_F(StatusPanel, DescriptionLinesOf22Bytes) {
  std::array<std::string_view, 3> l;
  EXPECT_EQ(game::description_lines(std::string(21, 'a'), l), 1);
  EXPECT_EQ(game::description_lines(std::string(43, 'c'), l), 2);
  EXPECT_EQ(l[1].size(), 21u);
  EXPECT_EQ(game::description_lines(std::string(44, 'd'), l), 3);
  EXPECT_EQ(l[1].size(), 22u);
  EXPECT_EQ(l[2], "");
  const std::string b50(50, 'e');
  EXPECT_EQ(game::description_lines(b50, l), 3);
  EXPECT_EQ(l[2], std::string(6, 'e'));
  // A cut in the middle of a character moves the character whole to the next line.
  const plat::sjis mixed = plat::to_sjis("CUTIEカレッジの制服シャツ。憧れの一枚");
  EXPECT_EQ(game::description_lines(mixed, l), 2);
  EXPECT_EQ(plat::to_utf8(l[0]), "CUTIEカレッジの制服シ");
  EXPECT_EQ(plat::to_utf8(l[1]), "ャツ。憧れの一枚");

  // A translation's description breaks between words within the same 22 bytes; the third line
  // takes the rest. A word of more than 22 bytes is cut at the line's end.
  plat::MoCatalogue c;
  ASSERT_TRUE(c.parse(test_support::mo_file({{"x", "y"}}), nullptr));
  plat::use_catalogue(std::move(c), "en");
  EXPECT_EQ(game::description_lines("A notebook with a cat", l), 1) << "21 bytes";
  EXPECT_EQ(game::description_lines("A notebook with a cat!", l), 1) << "22 bytes: still whole";
  EXPECT_EQ(game::description_lines("A notebook where a cat yawns on the cover", l), 2);
  EXPECT_EQ(l[0], "A notebook where a cat");
  EXPECT_EQ(l[1], "yawns on the cover");
  EXPECT_EQ(game::description_lines("Knock it and the cat's tail wags. Writes purr-fectly, too", l),
            3);
  EXPECT_EQ(l[0], "Knock it and the cat's");
  EXPECT_EQ(l[1], "tail wags. Writes");
  EXPECT_EQ(l[2], "purr-fectly, too");
  EXPECT_EQ(game::description_lines("Supercalifragilisticexpialidocious", l), 2);
  EXPECT_EQ(l[0].size(), 22u);
  plat::use_catalogue(plat::MoCatalogue(), "");
}

TEST_F(StatusPanel, ItemCardSlidesInAndOut) {
  gs.sel_item = 42;
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
  draw();
  EXPECT_EQ(gs.item_card_x, 51);
  draw(14);
  EXPECT_EQ(gs.item_card_x, 200);
  EXPECT_EQ(gs.item_card, 0);
}

TEST_F(StatusPanel, StatesNoDayReachesAreDrawnWithoutHarm) {
  // Zero and negative divisors, a negative level, selections outside the catalogue, sums near
  // the 32-bit edge (values in flight before the frame's clamp, or a hand-edited file).
  gs.quota = 0;
  gs.satis_goal = -5;
  gs.clerk_lv = -8;
  gs.award_count = -10;
  gs.lovely = gs.sales_today = gs.sales_shown = gs.hours_left = gs.money = 2000000000;
  gs.money_shown = -2000000000;
  gs.shop_image = 100000;
  gs.item_card = 1;
  game::hooks.item_name = [](int) -> std::string_view { return "n"; };  // every id named
  for (int id : {-1, 1000, 1 << 30}) {
    gs.sel_item = id;
    draw();
  }
  EXPECT_GT(gs.money_shown, -2000000000);
  // Hidden: nothing drawn, nothing moves.
  gs.panel_visible = 0;
  gs.panel_x = -200;
  draw();
  EXPECT_EQ(gs.panel_x, -200);
  EXPECT_FALSE(has(RGB(0, 34, 68), 0, 0, 390, 260));
}

}  // namespace
