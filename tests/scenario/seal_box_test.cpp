// The seal box as the collection view: which seals fill it, where, how it slides in and out, what
// a click does and what is drawn.
#include "wrapping/seal_box.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "scenario/dispatch.h"
#include "scenario_test_util.h"
#include "shell/form.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {
namespace {

using scenario_test::scratch_folder;

std::vector<std::string> traced;
void capture(std::string_view kind, std::string_view text) {
  traced.push_back(std::string(kind) + " " + std::string(text));
}

constexpr plat::rgb box_grey = plat::RGB(200, 200, 200);
constexpr plat::rgb key_green = plat::RGB(0, 255, 0);  // see-through colour of our pictures

// A picture filled with `c` whose bottom-left pixel (the see-through colour) is key green.
plat::Bitmap picture_of(int w, int h, plat::rgb c) {
  plat::Bitmap b(w, h, c);
  b.set_pixel(0, h - 1, key_green);
  return b;
}

plat::rgb seal_colour(int id) {
  return plat::RGB(id % 256, 40, 255 - id % 200);
}

class CollectionView : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_items = item;
    for (auto& t : item) t = titem{};
    gs = game_state{};
    gs.click_state = 1;
    traced.clear();
    set_trace_sink(capture);
    std::filesystem::create_directory(folder.dir() + "/cg");
    plat::write_bmp_file(folder.dir() + "/cg/seal_box.bmp", picture_of(390, 260, box_grey));
    set_program_dir(folder.dir());
    build_picture_store();
  }
  void TearDown() override {
    set_trace_sink(nullptr);
    item = saved_items;
  }
  void seal(int id, int chara, bool with_picture = true) {
    item[id].name = "seal" + std::to_string(id);
    item[id].info = "info" + std::to_string(id);
    item[id].kind = kind_seal;
    item[id].chara = chara;
    item[id].pic = "s" + std::to_string(id) + ".bmp";
    if (with_picture)
      plat::write_bmp_file(folder.dir() + "/cg/" + item[id].pic,
                           picture_of(12, 14, seal_colour(id)));
  }
  // One drawn frame of the box on a black surface.
  void frame() {
    surface = plat::Bitmap(390, 260, 0);
    plat::Canvas cg(surface);
    update_and_draw_seal_box(cg);
  }
  std::vector<int> slide_until_shown() {
    std::vector<int> xs;
    for (int i = 0; i < 20 && gs.seal_box_state == 1; ++i) {
      frame();
      xs.push_back(gs.box_x);
    }
    return xs;
  }

  scratch_folder folder;
  std::array<titem, item_count> saved_items;
  plat::Bitmap surface;
};

TEST_F(CollectionView, ShowsEachCollectedSealOfTheTabOnceInCatalogueOrder) {
  seal(100, 0);
  seal(101, 0);
  seal(102, 0);
  seal(140, 1);
  seal(141, 1);
  seal(500, 0);
  item[5].name = "goods";
  item[5].kind = kind_goods;
  gs.collected[5] = 1;
  gs.collected[500] = 1;
  gs.collected[100] = 1;
  gs.collected[102] = 2;  // only a mark of exactly 1 shows
  gs.collected[141] = 1;
  gs.stock[101] = 3;  // held but never stuck: not in the collection

  open_collection_box(0);
  EXPECT_EQ(gs.seal_box_state, 1);
  EXPECT_EQ(gs.box_mode, 1);
  EXPECT_EQ(gs.box_x, 390);
  EXPECT_EQ(gs.collection_tab, 0);
  EXPECT_EQ(gs.box_count, 2);
  EXPECT_EQ(seal_in_cell(0, 0), 100);
  EXPECT_EQ(seal_in_cell(1, 0), 500);
  EXPECT_EQ(seal_in_cell(2, 0), 0);

  open_collection_box(1);
  EXPECT_EQ(gs.collection_tab, 1);
  EXPECT_EQ(gs.box_count, 1);
  EXPECT_EQ(seal_in_cell(0, 0), 141);
  EXPECT_EQ(seal_in_cell(1, 0), 0) << "the grid is cleared when the box opens again";
}

TEST_F(CollectionView, FillsFourteenCellsARowAndNeverStoresHiddenRows) {
  std::vector<int> ids;
  for (int id = 100; id < 200; ++id) ids.push_back(id);
  for (int id = 500; id < 520; ++id) ids.push_back(id);
  for (int id : ids) {
    seal(id, 0, false);
    gs.collected[id] = 1;
  }
  open_collection_box(0);
  EXPECT_EQ(gs.box_count, 120);
  EXPECT_EQ(seal_in_cell(0, 0), 100);
  EXPECT_EQ(seal_in_cell(13, 0), 113);
  EXPECT_EQ(seal_in_cell(0, 1), 114);
  EXPECT_EQ(seal_in_cell(13, 7), ids[111]) << "the 112th seal is the last one visible";
  for (int row = 0; row < box_rows; ++row) EXPECT_EQ(seal_in_cell(14, row), 0);
  EXPECT_EQ(seal_in_cell(0, 8), 0);
  EXPECT_EQ(seal_in_cell(-1, 0), 0);
}

TEST_F(CollectionView, SlidesInClosesOnAnyClickAndOffersItsMenuAgain) {
  seal(100, 0);
  gs.collected[100] = 1;
  open_collection_box(0);
  EXPECT_TRUE(seal_box_takes_buttons());
  EXPECT_EQ(slide_until_shown(), (std::vector<int>{194, 96, 47, 23, 11, 5, 2, 0}));
  EXPECT_EQ(gs.seal_box_state, 2);

  traced.clear();
  seal_box_press(300, 240);  // anywhere
  EXPECT_EQ(traced, (std::vector<std::string>{"sound 1 4.wav"}));
  EXPECT_EQ(gs.seal_box_state, 3);
  EXPECT_EQ(gs.box_mode, 2);
  EXPECT_FALSE(seal_box_takes_buttons());

  frame();
  EXPECT_EQ(gs.box_x, 225);
  frame();
  EXPECT_EQ(gs.box_x, 337);
  EXPECT_EQ(gs.seal_box_state, 3);
  EXPECT_TRUE(gs.menu_label[0].empty());
  frame();
  EXPECT_EQ(gs.seal_box_state, 0);
  EXPECT_EQ(gs.box_mode, 0);
  EXPECT_EQ(gs.menu_label[0], plat::to_sjis("ノーマル"));
  EXPECT_EQ(gs.menu_label[1], plat::to_sjis("キャラ"));
  EXPECT_EQ(gs.menu_label[2], "Back");
  EXPECT_EQ(gs.menu_open, 1);

  // Once closed, frames draw nothing and clicks are not the box's.
  frame();
  EXPECT_EQ(surface.pixel(200, 100), 0u);
}

TEST_F(CollectionView, AClickWhileSlidingInClosesItToo) {
  seal(100, 0);
  gs.collected[100] = 1;
  open_collection_box(0);
  frame();
  frame();
  ASSERT_EQ(gs.box_x, 96);
  seal_box_press(10, 10);
  EXPECT_EQ(gs.seal_box_state, 3);
  EXPECT_EQ(gs.box_mode, 2);
  frame();
  EXPECT_EQ(gs.box_x, 96 + (390 - 96) / 2 + 30);
}

TEST_F(CollectionView, DrawsTheBoxWithItsSealsAndNamesTheOneUnderThePointer) {
  seal(100, 0);
  seal(101, 0);
  gs.collected[100] = 1;
  gs.collected[101] = 1;
  open_collection_box(0);
  gs.mouse_x = 5;  // outside every cell's reach: no label
  gs.mouse_y = 250;
  slide_until_shown();
  frame();
  EXPECT_EQ(surface.pixel(20 + 5, 20 + 5), seal_colour(100));
  EXPECT_EQ(surface.pixel(45 + 5, 20 + 5), seal_colour(101));
  EXPECT_EQ(surface.pixel(70 + 5, 20 + 5), box_grey) << "an empty cell shows the box";
  EXPECT_EQ(surface.pixel(20, 20 + 13), box_grey) << "the seal's see-through corner shows the box";
  const plat::Bitmap quiet = surface;

  // Over the second seal: its name above the cell and its name and description at the bottom.
  gs.mouse_x = 50;
  gs.mouse_y = 30;
  frame();
  auto changed = [&](int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += surface.pixel(x, y) != quiet.pixel(x, y);
    return n;
  };
  EXPECT_GT(changed(45, 5, 70, 25), 0) << "hover label centred on x 58, y 14";
  EXPECT_GT(changed(20, 210, 120, 224), 0) << "name line";
  EXPECT_GT(changed(20, 225, 120, 240), 0) << "description line";
  EXPECT_EQ(changed(150, 100, 389, 200), 0);
}

TEST_F(CollectionView, AMissingSealPictureKeepsTheCellsIdAndTheLastPicture) {
  seal(100, 0);
  seal(101, 0, /*with_picture=*/false);
  gs.collected[100] = 1;
  gs.collected[101] = 1;
  open_collection_box(0);
  EXPECT_EQ(seal_in_cell(1, 0), 101);
  slide_until_shown();
  frame();
  EXPECT_EQ(surface.pixel(45 + 5, 20 + 5), seal_colour(100));
}

// The same box filled from the stock, for placing a seal on goods.
using PlacingBox = CollectionView;

TEST_F(PlacingBox, OneCellPerUnitHeldInCatalogueOrder) {
  seal(100, 0);
  seal(105, 1);
  seal(120, 0);
  gs.stock[105] = 1;
  gs.stock[100] = 2;
  gs.stock[120] = 0;
  gs.collected[120] = 1;  // the collection plays no part here
  open_seal_box_for_placing();
  EXPECT_EQ(gs.seal_box_state, 1);
  EXPECT_EQ(gs.box_mode, 0);
  EXPECT_EQ(gs.box_x, 390);
  EXPECT_EQ(gs.box_count, 3);
  EXPECT_EQ(seal_in_cell(0, 0), 100);
  EXPECT_EQ(seal_in_cell(1, 0), 100);
  EXPECT_EQ(seal_in_cell(2, 0), 105);
  EXPECT_EQ(seal_in_cell(3, 0), 0);
}

TEST_F(PlacingBox, AHugeStockFillsTheVisibleCellsAndIsOnlyCounted) {
  seal(100, 0);
  seal(101, 0);
  seal(102, 0);
  gs.stock[100] = 2;
  gs.stock[101] = INT_MAX;  // only a damaged or hand-made file holds this much
  gs.stock[102] = INT_MAX;
  open_seal_box_for_placing();
  EXPECT_EQ(seal_in_cell(0, 0), 100);
  EXPECT_EQ(seal_in_cell(1, 0), 100);
  EXPECT_EQ(seal_in_cell(2, 0), 101);
  EXPECT_EQ(seal_in_cell(13, 7), 101) << "the 112 visible cells";
  EXPECT_EQ(gs.box_count, INT_MAX) << "counted up to the 32-bit limit, no further";
  slide_until_shown();
  frame();
  EXPECT_EQ(surface.pixel(20 + 25 * 13 + 5, 20 + 30 * 7 + 5), seal_colour(101));
}

TEST(SealBoxCells, PositionsTruncateTowardZero) {
  gs = game_state{};
  gs.seal_grid.fill(0);
  gs.seal_grid[0] = 100;               // (0, 0)
  gs.seal_grid[1 * box_rows + 1] = 7;  // (1, 1)
  EXPECT_EQ(seal_under(20, 20), 100);
  EXPECT_EQ(seal_under(44, 49), 100);
  EXPECT_EQ(seal_under(-1, -1), 100) << "(-21) div 25 is 0: the message label's press";
  EXPECT_EQ(seal_under(-6, 20), 0);
  EXPECT_EQ(seal_under(45, 50), 7);
  EXPECT_EQ(seal_under(389, 259), 0);
}

TEST(SealBoxButtons, TheBoxTakesTheButtonsWhileShownOrHoldingASeal) {
  gs = game_state{};
  for (int state = 0; state <= 5; ++state) {
    gs.seal_box_state = state;
    EXPECT_EQ(seal_box_takes_buttons(), state == 2 || state == 4) << state;
  }
  gs.seal_box_state = 1;
  gs.box_mode = 1;
  EXPECT_TRUE(seal_box_takes_buttons());
}

}  // namespace
}  // namespace game
