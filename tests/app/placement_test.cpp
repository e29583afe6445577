// Where the window host puts the picture: integer scales, letterbox, pointer mapping.
#include <gtest/gtest.h>

#include "platform/sdl/box_picture.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sjis.h"

namespace {

using plat::initial_scale;
using plat::place_picture;
using plat::window_to_picture;

TEST(Placement, LargestIntegerScaleCentredWithLetterbox) {
  plat::Placement p = place_picture(390, 260, 390, 260);
  EXPECT_EQ(p.scale, 1);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  p = place_picture(1170, 780, 390, 260);
  EXPECT_EQ(p.scale, 3);
  // A wide window: scale by the height, bars left and right.
  p = place_picture(1920, 1080, 390, 260);
  EXPECT_EQ(p.scale, 4);
  EXPECT_EQ(p.x, (1920 - 1560) / 2);
  EXPECT_EQ(p.y, (1080 - 1040) / 2);
  // Just short of the next scale stays at the smaller one.
  p = place_picture(779, 2000, 390, 260);
  EXPECT_EQ(p.scale, 1);
  // Smaller than the picture: still 1, the picture overhangs evenly.
  p = place_picture(300, 200, 390, 260);
  EXPECT_EQ(p.scale, 1);
  EXPECT_EQ(p.x, -45);
  EXPECT_EQ(p.y, -30);
}

TEST(Placement, PointerMapsBackToPicturePixelsAndIgnoresTheLetterbox) {
  const plat::Placement p = place_picture(1920, 1080, 390, 260);  // scale 4 at (180, 20)
  int x = -1, y = -1;
  ASSERT_TRUE(window_to_picture(p, 390, 260, 180, 20, x, y));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  ASSERT_TRUE(window_to_picture(p, 390, 260, 180 + 4 * 389 + 3, 20 + 4 * 259 + 3, x, y));
  EXPECT_EQ(x, 389);
  EXPECT_EQ(y, 259);
  ASSERT_TRUE(window_to_picture(p, 390, 260, 180 + 4 * 100 + 2, 20 + 4 * 50 + 1, x, y));
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 50);
  EXPECT_FALSE(window_to_picture(p, 390, 260, 179, 500, x, y));   // left bar
  EXPECT_FALSE(window_to_picture(p, 390, 260, 1740, 500, x, y));  // right bar
  EXPECT_FALSE(window_to_picture(p, 390, 260, 500, 19, x, y));    // above
  EXPECT_FALSE(window_to_picture(p, 390, 260, 500, 1060, x, y));  // below
}

TEST(Placement, StartingScaleFitsTheUsableAreaWithItsFrame) {
  EXPECT_EQ(initial_scale(1920, 1050, 390, 260),
            3);  // 4 × 260 = 1040 leaves no room for a title bar
  EXPECT_EQ(initial_scale(1920, 1200, 390, 260), 4);
  EXPECT_EQ(initial_scale(1280, 1024, 390, 260), 3);
  EXPECT_EQ(initial_scale(800, 600, 390, 260), 2);
  EXPECT_EQ(initial_scale(640, 480, 390, 260), 1);
  EXPECT_EQ(initial_scale(300, 200, 390, 260), 1);  // never below 1
}

}  // namespace

namespace {

TEST(ConfirmBox, TextLinesAboveTwoButtonsAndTheFocusShows) {
  const plat::sjis one = plat::to_sjis("はい／いいえ");
  const plat::sjis two =
      plat::to_sjis("一行目はとても長い行になっております\r二行目はもう少し長い行でございますよ");
  const plat::BoxPicture a = plat::draw_box_picture(one, 0);
  const plat::BoxPicture b = plat::draw_box_picture(two, 0);
  // A second line makes the box taller; both keep the buttons inside, side by side, below the text.
  EXPECT_GT(b.picture.height(), a.picture.height());
  for (const plat::BoxPicture* p : {&a, &b}) {
    EXPECT_GT(p->yes.w, 0);
    EXPECT_EQ(p->yes.y, p->no.y);
    EXPECT_LT(p->yes.x + p->yes.w, p->no.x);
    EXPECT_LE(p->no.x + p->no.w, p->picture.width());
    EXPECT_LE(p->no.y + p->no.h, p->picture.height());
    EXPECT_TRUE(p->yes.contains(p->yes.x, p->yes.y));
    EXPECT_FALSE(p->yes.contains(p->no.x, p->no.y));
  }
  // A line break never counts as text: the box is as wide as its longest line, not the whole text.
  const plat::BoxPicture joined = plat::draw_box_picture(
      plat::to_sjis("一行目はとても長い行になっております二行目はもう少し長い行でございますよ"), 0);
  EXPECT_LT(b.picture.width(), joined.picture.width());
  // Moving the focus changes the buttons' frames and nothing else.
  const plat::BoxPicture nf = plat::draw_box_picture(two, 1);
  int changed = 0, outside = 0;
  for (int y = 0; y < b.picture.height(); ++y)
    for (int x = 0; x < b.picture.width(); ++x)
      if (b.picture.pixel(x, y) != nf.picture.pixel(x, y)) {
        ++changed;
        if (!b.yes.contains(x, y) && !b.no.contains(x, y)) ++outside;
      }
  EXPECT_GT(changed, 0);
  EXPECT_EQ(outside, 0);
}

}  // namespace

namespace {

struct close_counter : plat::HostHandler {
  int closes = 0;
  void on_timer() override {}
  void on_press(plat::MouseButton, int, int) override {}
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override { ++closes; }
};

// The game closing its window itself goes the way of the player's close: one close request, and
// the message loop ends.
TEST(SdlHostClose, TheProgramsOwnCloseEndsTheMessageLoop) {
  plat::SdlHost host;
  if (!host.open("close test")) GTEST_SKIP() << "no SDL video here";
  close_counter c;
  host.set_handler(&c);
  EXPECT_TRUE(host.process_messages());
  host.close_window();
  host.close_window();
  EXPECT_EQ(c.closes, 1);
  EXPECT_FALSE(host.process_messages());
}

}  // namespace
