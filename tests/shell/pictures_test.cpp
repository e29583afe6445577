// The picture store: start-up pictures and masks, quiet failures, and the layer operations.
#include <gtest/gtest.h>

#include "program_folder.h"

namespace {

using namespace shell_test;
using game::gs;
using game::picture;

class PicturesTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    folder_.put_standard();
  }
};

TEST_F(PicturesTest, StoreLoadsFixedPicturesAndMasksOnlyThePlateAndFront) {
  plat::Bitmap front3(8, 4, c_front);
  front3.set_pixel(1, 1, 0);
  folder_.put("front3.bmp", front3);
  game::build_picture_store();
  EXPECT_EQ(picture(0).width(), 20);
  EXPECT_EQ(picture(3).pixel(0, 0), c_goods);
  EXPECT_EQ(picture(1).pixel(0, 0), c_man);
  ASSERT_EQ(picture(6).width(), 390);
  EXPECT_EQ(picture(6).pixel(389, 259), c_bg);
  // Masks: white exactly where the picture is pure black.
  const plat::Bitmap& m0 = game::mask(0);
  ASSERT_EQ(m0.width(), 20);
  EXPECT_EQ(m0.pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(m0.pixel(5, 5), 0u);
  EXPECT_EQ(game::mask(9).pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(game::mask(9).pixel(0, 0), 0u);
  EXPECT_TRUE(game::mask(8).width() == 30);
  EXPECT_TRUE(game::mask(3).empty());
  EXPECT_TRUE(game::mask(1).empty());
  // Missing start-up pictures and the slots past 21 stay empty.
  EXPECT_TRUE(picture(21).empty());
  EXPECT_TRUE(picture(29).empty());
}

TEST_F(PicturesTest, BackgroundOfTheWrongSizeStillFillsTheSurface) {
  folder_.put_solid("00.bmp", 100, 50, c_title);
  game::build_picture_store();
  ASSERT_EQ(picture(6).width(), 390);
  ASSERT_EQ(picture(6).height(), 260);
  EXPECT_EQ(picture(6).pixel(99, 49), c_title);
  EXPECT_EQ(picture(6).pixel(200, 100), 0u);
}

TEST_F(PicturesTest, FailedLoadsKeepWhatTheSlotHeld) {
  game::build_picture_store();
  EXPECT_FALSE(game::load_picture(3, plat::sjis("missing.bmp")));
  EXPECT_EQ(picture(3).pixel(0, 0), c_goods);
  // A truncated file and a file that is not a picture at all.
  folder_.put_bytes("cut.bmp", std::string("BM\x36\x00\x00\x00", 6));
  folder_.put_bytes("text.bmp", "this is no picture");
  EXPECT_FALSE(game::load_picture(3, plat::sjis("cut.bmp")));
  EXPECT_FALSE(game::load_picture(3, plat::sjis("text.bmp")));
  EXPECT_EQ(picture(3).width(), 30);
  game::set_customer_picture(plat::sjis("missing.bmp"));
  EXPECT_EQ(picture(1).pixel(0, 0), c_man);
  // Out-of-range slots are refused.
  EXPECT_FALSE(game::load_picture(30, plat::sjis("key01.bmp")));
  EXPECT_FALSE(game::load_picture(-1, plat::sjis("key01.bmp")));
}

TEST_F(PicturesTest, BackgroundIsTheTopLeftQuarterDoubledAndBlanksTheLayers) {
  game::build_picture_store();
  plat::Bitmap bg(300, 200, plat::RGB(99, 99, 99));  // outside the scene area: never shown
  for (int y = 0; y < 130; ++y)
    for (int x = 0; x < 195; ++x) bg.set_pixel(x, y, x < 100 ? c_title : c_login);
  folder_.put("scene.bmp", bg);
  gs.shop_front_on = 1;
  gs.item_card = 1;
  game::set_background(plat::sjis("scene.bmp"));
  EXPECT_EQ(picture(6).pixel(0, 0), c_title);
  EXPECT_EQ(picture(6).pixel(199, 259), c_title);
  EXPECT_EQ(picture(6).pixel(200, 0), c_login);
  EXPECT_EQ(picture(6).pixel(389, 259), c_login);
  for (int slot : {1, 3, 4}) EXPECT_EQ(picture(slot).pixel(0, 0), c_not) << slot;
  EXPECT_EQ(gs.shop_front_on, 0);
  EXPECT_EQ(gs.item_card, 0);
  EXPECT_TRUE(was_traced("bg scene.bmp"));

  // A missing background leaves the last one on show, but still blanks the layers.
  game::set_customer_picture(plat::sjis("girl00.bmp"));
  game::set_background(plat::sjis("nowhere.bmp"));
  EXPECT_EQ(picture(6).pixel(0, 0), c_title);
  EXPECT_EQ(picture(1).pixel(0, 0), c_not);
}

TEST_F(PicturesTest, ShopSceneWithAndWithoutACustomer) {
  game::build_picture_store();
  folder_.put_solid("haikei2.bmp", 195, 130, c_front);
  game::set_shop_scene(plat::sjis("girl00.bmp"));
  EXPECT_EQ(picture(6).pixel(10, 10), c_front);
  EXPECT_EQ(picture(1).pixel(0, 0), c_man);
  EXPECT_EQ(gs.shop_front_on, 1);
  EXPECT_TRUE(was_traced("picture 1 girl00.bmp"));
  game::set_shop_scene();
  EXPECT_EQ(picture(1).pixel(0, 0), c_not);
  EXPECT_EQ(gs.shop_front_on, 1);
}

TEST_F(PicturesTest, GoodsPictureSlidesTheItemCardInOrHidesIt) {
  game::build_picture_store();
  game::set_goods_picture(plat::sjis("key01.bmp"));
  EXPECT_EQ(gs.item_card, 1);
  EXPECT_EQ(gs.item_card_x, 200);  // from outside the picture
  gs.item_card_x = 0;              // arrived
  game::set_goods_picture(plat::sjis("girl00.bmp"));
  EXPECT_EQ(gs.item_card, 1);
  EXPECT_EQ(gs.item_card_x, 0);  // already in: stays
  game::set_goods_picture(plat::sjis("not.bmp"));
  EXPECT_EQ(gs.item_card, 0);
  EXPECT_EQ(picture(3).pixel(0, 0), c_not);
  // The card follows the name, even when the file cannot be read.
  game::set_goods_picture(plat::sjis("missing.bmp"));
  EXPECT_EQ(gs.item_card, 1);
}

TEST_F(PicturesTest, ShopFrontSwitchAndFlyerFileNames) {
  game::build_picture_store();
  game::set_shop_front(plat::sjis("front2.bmp"));
  EXPECT_EQ(gs.shop_front_on, 1);
  EXPECT_EQ(picture(7).width(), 0);  // loads nothing
  game::set_shop_front(plat::sjis("not.bmp"));
  EXPECT_EQ(gs.shop_front_on, 0);

  folder_.put_solid("tirasi10.bmp", 12, 12, c_title);
  gs.flyer_kind = 10;
  game::show_flyer_picture();
  EXPECT_TRUE(was_traced("picture 11 tirasi10.bmp"));
  EXPECT_EQ(picture(11).width(), 12);
  EXPECT_EQ(gs.seal_layer_on, 1);
}

TEST_F(PicturesTest, DrawMaskedSeesThroughBlack) {
  game::build_picture_store();
  plat::Bitmap surface(40, 20, c_login);
  plat::Canvas cg(surface);
  game::draw_masked(cg, 5, 5, 0);
  EXPECT_EQ(surface.pixel(5, 5), c_login);    // the plate's black corner
  EXPECT_EQ(surface.pixel(10, 10), c_box);    // its coloured middle, not mixed with the scene
  EXPECT_EQ(surface.pixel(30, 10), c_login);  // outside the plate
  game::draw_masked(cg, -10, -4, 0);          // clipped at the edges, no harm
  game::draw_masked(cg, 0, 0, 40);            // no such slot
  EXPECT_EQ(surface.pixel(0, 0), c_box);
}

}  // namespace
