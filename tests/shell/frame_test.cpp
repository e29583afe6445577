// The tick: the once-a-second retune, the drawing-rate thinning, the layer order and the clamps.
#include "shell/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "platform/i18n.h"
#include "program_folder.h"
#include "shell/status_panel.h"
#include "support/alloc_count.h"
#include "support/mo_file.h"

using namespace std::string_literals;

namespace {

using namespace shell_test;
using game::gs;

class RetuneTest : public ShellTest {
 protected:
  // One tick with the second's check due, after `before` ticks of that second.
  int retune(int interval, int before) {
    host().set_timer_interval(interval);
    gs.stage_mode = -2;  // count only
    gs.ticks_this_second = before;
    gs.next_rate_check = host().now_days() - 1e-9;
    game::on_timer();
    return host().timer_interval();
  }
};

TEST_F(RetuneTest, TenOrElevenTicksLeaveTheInterval) {
  EXPECT_EQ(retune(90, 9), 90);   // 10 ticks in the second
  EXPECT_EQ(retune(90, 10), 90);  // 11
  EXPECT_EQ(gs.ticks_this_second, 0);
}

TEST_F(RetuneTest, TooManyTicksLengthenTooFewShorten) {
  EXPECT_EQ(retune(90, 11), 91);  // 12 ticks: +1 ms
  EXPECT_EQ(retune(90, 14), 94);  // 15 ticks: +4 ms
  EXPECT_EQ(retune(90, 8), 88);   // 9 ticks: -2 ms
  EXPECT_EQ(retune(90, 0), 80);   // 1 tick: -10 ms
}

TEST_F(RetuneTest, NeverShortenedBelowSeventySkippedWhole) {
  EXPECT_EQ(retune(72, 8), 70);        // lands exactly on the floor
  EXPECT_EQ(retune(71, 8), 71);        // would be 69: skipped, not cut to 70
  EXPECT_EQ(retune(75, 0), 75);        // would be 65
  EXPECT_EQ(gs.ticks_this_second, 0);  // the second is still over
  EXPECT_EQ(retune(70, 20), 80);       // lengthening has no ceiling of that kind
}

TEST_F(RetuneTest, CheckedOncePerSecond) {
  host().set_timer_interval(90);
  gs.ticks_this_second = 0;
  gs.next_rate_check = host().now_days() + 0.5 / 86400.0;  // half a second ahead
  game::on_timer();
  EXPECT_EQ(host().timer_interval(), 90);
  EXPECT_EQ(gs.ticks_this_second, 1);
  // When it falls due, the next check is set one second on.
  gs.next_rate_check = host().now_days() - 1e-9;
  game::on_timer();
  EXPECT_NEAR((gs.next_rate_check - host().now_days()) * 86400.0, 1.0, 1e-6);
}

struct tick_handler : plat::HostHandler {
  void on_timer() override { game::on_timer(); }
  void on_press(plat::MouseButton, int, int) override {}
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override {}
};

TEST_F(RetuneTest, FirstTickOfTheProgramDropsNinetyToEighty) {
  // A fresh program: the check time is 0, so the first tick finds it due with one tick counted.
  tick_handler h;
  host().set_handler(&h);
  gs.stage_mode = -2;
  host().set_timer_interval(90);
  host().queue_ticks(1);
  host().process_messages();
  EXPECT_EQ(host().timer_interval(), 80);
  EXPECT_EQ(gs.ticks_this_second, 0);
  host().set_handler(nullptr);
}

TEST_F(RetuneTest, VirtualSecondsSettleNearElevenTicks) {
  tick_handler h;
  host().set_handler(&h);
  gs.stage_mode = -2;
  host().set_timer_interval(90);
  host().queue_ticks(400);
  for (int i = 0; i < 400; ++i) host().process_messages();
  // 80 ms ticks give 12 or 13 a second, which lengthens the interval until 11 or so fit.
  EXPECT_GE(host().timer_interval(), 84);
  EXPECT_LE(host().timer_interval(), 92);
  host().set_handler(nullptr);
}

class TickTest : public ShellTest {};

TEST_F(TickTest, FrameCounterWrapsAfter999) {
  gs.stage_mode = -1;
  gs.frame_counter = 998;
  game::advance_tick();
  EXPECT_EQ(gs.frame_counter, 999);
  game::advance_tick();
  EXPECT_EQ(gs.frame_counter, 0);
  EXPECT_EQ(gs.ticks_this_second, 2);
}

TEST_F(TickTest, StartScreensAreNeitherDrawnNorClamped) {
  game::build_picture_store();
  for (int stage : {-2, -1}) {
    gs.stage_mode = stage;
    game::cg_image().resize(390, 260, plat::RGB(1, 1, 1));
    gs.money = -5;
    game::advance_tick();
    EXPECT_EQ(game::cg_image().pixel(100, 100), plat::RGB(1, 1, 1));
    EXPECT_EQ(gs.money, -5);
  }
  EXPECT_EQ(host().presents(), 0);
}

// Which of the frames 1..n (by frame_counter after the step) are drawn at a drawing rate.
std::vector<int> drawn_frames(int speed, int n) {
  std::vector<int> drawn;
  gs.stage_mode = 0;
  gs.draw_speed = speed;
  gs.frame_counter = 0;
  for (int i = 0; i < n; ++i) {
    gs.money = -1;  // a drawn frame clamps it back to 0
    game::advance_tick();
    if (gs.money == 0) drawn.push_back(gs.frame_counter);
  }
  return drawn;
}

TEST_F(TickTest, DrawingRateThinsTheFrames) {
  game::build_picture_store();
  EXPECT_EQ(drawn_frames(0, 12).size(), 12u);
  EXPECT_EQ(drawn_frames(1, 12), (std::vector<int>{1, 2, 3, 5, 6, 7, 9, 10, 11}));
  EXPECT_EQ(drawn_frames(2, 12), (std::vector<int>{1, 2, 4, 5, 7, 8, 10, 11}));
  // Frame 0 after the wrap is a multiple of both: never drawn at the lower rates.
  gs.draw_speed = 2;
  gs.frame_counter = 999;
  gs.money = -1;
  game::advance_tick();
  EXPECT_EQ(gs.frame_counter, 0);
  EXPECT_EQ(gs.money, -1);
}

TEST_F(TickTest, ClampStateKeepsEveryCounterInRange) {
  gs.poor_stock = 99;
  gs.bad_service = -3;
  gs.satisfaction = 101;
  gs.money = 1000000000;
  gs.day = -1;
  gs.clerk_lv = 2;
  gs.hours_left = 11;
  gs.lovely = -7;
  game::clamp_state();
  EXPECT_EQ(gs.poor_stock, 15);
  EXPECT_EQ(gs.bad_service, 0);
  EXPECT_EQ(gs.satisfaction, 100);
  EXPECT_EQ(gs.money, 999999999);
  EXPECT_EQ(gs.day, 0);
  EXPECT_EQ(gs.hours_left, 10);
  EXPECT_EQ(gs.lovely, 0);

  gs.poor_stock = 15;
  gs.bad_service = 14;
  gs.satisfaction = -1;
  gs.money = -20;
  gs.hours_left = -2;
  gs.lovely = 12345;
  game::clamp_state();
  EXPECT_EQ(gs.poor_stock, 15);
  EXPECT_EQ(gs.bad_service, 14);
  EXPECT_EQ(gs.satisfaction, 0);
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(gs.hours_left, 0);
  EXPECT_EQ(gs.lovely, 12345);  // no upper bound
}

TEST_F(TickTest, MoneyPastTheTopShowsTheTopAfterTheNextDrawnFrame) {
  game::build_picture_store();
  gs.stage_mode = 0;
  gs.money = 999999990;
  gs.money += 100;
  game::advance_tick();
  EXPECT_EQ(gs.money, 999999999);
  EXPECT_EQ(host().presents(), 1);
}

class DrawTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    folder_.put_standard();
    game::build_picture_store();
    gs.stage_mode = 0;
  }
  plat::rgb at(int x, int y) { return game::cg_image().pixel(x, y); }
};

TEST_F(DrawTest, LayersStackInOrder) {
  // Customer 40×60 drawn doubled from (155, -10) to (235, 140); goods 30 wide as a 60 square
  // centred on (195, 160). Their bottom-left pixel is their see-through colour.
  plat::Bitmap man(40, 60, c_man);
  man.set_pixel(0, 59, plat::RGB(5, 5, 5));
  man.set_pixel(5, 5, plat::RGB(5, 5, 5));  // see-through like the corner
  folder_.put("man.bmp", man);
  game::set_customer_picture(plat::sjis("man.bmp"));
  plat::Bitmap goods(30, 30, c_goods);
  goods.set_pixel(0, 29, plat::RGB(6, 6, 6));
  folder_.put("goods.bmp", goods);
  game::set_goods_picture(plat::sjis("goods.bmp"));

  game::draw_frame();
  EXPECT_EQ(at(10, 10), c_bg);   // background alone
  EXPECT_EQ(at(156, 0), c_man);  // customer, doubled in width
  EXPECT_EQ(at(234, 100), c_man);
  EXPECT_EQ(at(154, 100), c_bg);     // left of it
  EXPECT_EQ(at(165, 3), c_bg);       // its see-through pixel (5,5), stretched
  EXPECT_EQ(at(195, 160), c_goods);  // goods over the customer
  EXPECT_EQ(at(166, 131), c_goods);
  EXPECT_EQ(at(164, 160), c_bg);
}

TEST_F(DrawTest, ShopFrontThroughMasksAndSealLayerOnlyWhenOn) {
  plat::Bitmap mid(30, 30, c_front);
  mid.set_pixel(3, 3, 0);  // pure black: the mask lets the scene through
  folder_.put("front_mid.bmp", mid);
  game::free_picture_store();
  game::build_picture_store();
  game::set_background(plat::sjis("login.bmp"));
  game::draw_frame();
  EXPECT_EQ(at(1, 91), c_login);
  gs.shop_front_on = 1;
  game::draw_frame();
  EXPECT_EQ(at(1, 91), c_front);
  EXPECT_EQ(at(3, 93), c_login);

  plat::Bitmap flyer(10, 10, c_title);
  flyer.set_pixel(0, 9, plat::RGB(9, 9, 9));
  folder_.put("tirasi2.bmp", flyer);
  gs.flyer_kind = 2;
  game::show_flyer_picture();
  game::draw_frame();
  EXPECT_EQ(at(195, 160), c_title);
  gs.seal_layer_on = 0;
  game::draw_frame();
  EXPECT_NE(at(195, 160), c_title);
}

int changed_pixels(const plat::Bitmap& a, const plat::Bitmap& b, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

TEST_F(DrawTest, ClickHereOnlyWhileAWaitRunsOutsideTheMainMenu) {
  gs.menu_slide_x = -160;  // menu closed: the cue stands at x = 306
  gs.click_state = 1;
  gs.stage_mode = 1;
  game::draw_frame();
  const plat::Bitmap idle = game::cg_image();
  gs.click_state = 0;
  game::draw_frame();
  EXPECT_GT(changed_pixels(idle, game::cg_image(), 300, 245, 390, 260), 10);
  // On the main menu (About texts) no cue.
  gs.stage_mode = 0;
  game::draw_frame();
  EXPECT_EQ(changed_pixels(idle, game::cg_image(), 300, 245, 390, 260), 0);
  // With the menu open the cue is pushed off the picture.
  gs.stage_mode = 1;
  gs.menu_slide_x = 0;
  gs.menu_open = 1;
  game::draw_frame();
  EXPECT_EQ(changed_pixels(idle, game::cg_image(), 0, 245, 390, 260), 0);
}

TEST_F(DrawTest, ClickHereStandsAtX306Y250InThePulsingColour) {
  // Menu closed (slide -160): the cue's cell starts at (306, 250); every lit pixel has the
  // colour of the twelve-tick pulse at this frame.
  gs.menu_open = 0;
  gs.stage_mode = 1;
  const std::pair<int, plat::rgb> pulse[] = {{0, plat::RGB(255, 255, 255)},
                                             {3, plat::RGB(255, 204, 221)},
                                             {6, plat::RGB(255, 119, 187)},
                                             {11, plat::RGB(255, 238, 238)},
                                             {13, plat::RGB(255, 238, 238)}};
  for (const auto& [frame, colour] : pulse) {
    gs.menu_slide_x = -160;
    gs.frame_counter = frame;
    gs.click_state = 1;
    game::draw_frame();
    const plat::Bitmap idle = game::cg_image();
    gs.click_state = 0;
    game::draw_frame();
    int lit = 0, left = 390, top = 260, right = -1;
    for (int y = 0; y < 260; ++y)
      for (int x = 0; x < 390; ++x) {
        const plat::rgb p = game::cg_image().pixel(x, y);
        if (p == idle.pixel(x, y)) continue;
        ++lit;
        EXPECT_EQ(p, colour) << "frame " << frame << " at " << x << "," << y;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
      }
    EXPECT_GT(lit, 40) << frame;
    EXPECT_GE(left, 306) << frame;
    EXPECT_LE(left, 308) << frame;
    EXPECT_GE(top, 250) << frame;
    EXPECT_LE(top, 254) << frame;
    EXPECT_GT(right, 350) << frame;  // "-CLICK HERE-" is some 70 pixels long
  }
}

TEST_F(DrawTest, ExHintStandsBesideTheThirdButtonAndFollowsItsHover) {
  game::hooks.ex_wrap_in_stock = [] { return true; };
  game::park_buttons(false);
  game::show_menu("", "", SJ("包む"));
  // The leftmost lit pixel right of the caption: the hint's ">>> ", 100 pixels right of the
  // button's drawing x, which moves 10 left while the button is hovered.
  auto hint_left = [](int hovered) {
    gs.menu_slide_x = 0;
    gs.hovered_button = hovered;
    plat::Bitmap surface(390, 260, 0);
    plat::Canvas cg(surface);
    game::draw_buttons(cg);
    for (int x = 320; x < 390; ++x)
      for (int y = 220; y < 260; ++y)
        if (surface.pixel(x, y) != 0) return x;
    return -1;
  };
  const int rest = hint_left(0);
  EXPECT_GE(rest, 356);
  EXPECT_LE(rest, 358);
  EXPECT_EQ(hint_left(3), rest - 10);
  EXPECT_EQ(hint_left(2), rest);
}

TEST_F(DrawTest, WorkImageLightsUpThePictureAndOuterLayersRunInOrder) {
  static std::vector<std::string> order;
  order.clear();
  game::hooks.draw_totals = [](plat::Canvas&, plat::Canvas& bak) {
    order.push_back("totals");
    bak.fill_rect(0, 0, 5, 5, plat::RGB(0, 0, 255));
  };
  game::hooks.draw_effects = [](plat::Canvas&, plat::Canvas&) { order.push_back("effects"); };
  game::hooks.draw_status_panel = [](plat::Canvas&) { order.push_back("panel"); };
  game::hooks.draw_seal_box = [](plat::Canvas&) { order.push_back("seal box"); };
  game::hooks.draw_chart = [](plat::Canvas&) { order.push_back("chart"); };

  gs.stage_mode = 0;
  game::draw_frame();
  EXPECT_EQ(order, (std::vector<std::string>{"totals", "effects", "chart"}));
  // bak is ORed on: blue added to the background colour.
  EXPECT_EQ(at(2, 2), c_bg | plat::RGB(0, 0, 255));
  EXPECT_EQ(at(6, 6), c_bg);

  order.clear();
  gs.stage_mode = 1;
  gs.seal_box_state = 2;
  game::draw_frame();
  EXPECT_EQ(order, (std::vector<std::string>{"totals", "effects", "panel", "seal box", "chart"}));
  // The work image is cleared every frame: drawn again, not accumulated.
  game::hooks.draw_totals = nullptr;
  game::draw_frame();
  EXPECT_EQ(at(2, 2), c_bg);
}

TEST_F(DrawTest, AFrameAllocatesNothing) {
  game::show_menu(plat::sjis("About"), plat::sjis("System"), plat::sjis("Start"));
  game::park_buttons(false);
  gs.stage_mode = 1;
  gs.click_state = 0;
  gs.menu_open = 0;
  gs.menu_slide_x = -160;
  // The status panel of a working day, its numbers still easing and the item card sliding in.
  game::hooks.draw_status_panel = game::draw_status_panel;
  game::hooks.design_name = [](int) -> std::string_view { return "design"; };
  game::hooks.item_name = [](int) -> std::string_view { return "goods"; };
  game::hooks.item_info = [](int) -> std::string_view {
    return "a description long enough for all three of the card's lines";
  };
  gs.panel_visible = 1;
  gs.panel_x = -200;
  gs.money = 987654321;
  gs.sales_today = 123456;
  gs.quota = 1000;
  gs.hours_left = 8;
  gs.satisfaction = 60;
  gs.satis_goal = 50;
  gs.day = 12;
  gs.sel_item = 5;
  gs.item_card = 1;
  gs.item_card_x = 200;
  // The first frames fill the glyph cache.
  for (int i = 0; i < 30; ++i) game::advance_tick();
  alloc_count::start();
  for (int i = 0; i < 60; ++i) game::advance_tick();
  EXPECT_EQ(alloc_count::stop(), 0);

  // In a translation too: its words (a plural among them) and the card broken between words.
  plat::MoCatalogue c;
  ASSERT_TRUE(c.parse(test_support::mo_file({{"オープンから %d日目", "Day %d"},
                                             {" 時間\0 時間"s, " hr\0 hrs"s},
                                             {"金:￥%d円", "Cash: ¥%d"}}),
                      nullptr));
  plat::use_catalogue(std::move(c), "en");
  gs.panel_x = -200;
  for (int i = 0; i < 30; ++i) game::advance_tick();
  alloc_count::start();
  for (int i = 0; i < 60; ++i) {
    gs.hours_left = i % 2 ? 1 : 8;  // the hour's plural changes as the frames go
    game::advance_tick();
  }
  EXPECT_EQ(alloc_count::stop(), 0);
  plat::use_catalogue(plat::MoCatalogue(), "");
}

}  // namespace
