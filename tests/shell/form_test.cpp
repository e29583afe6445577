// Form creation and destruction, the start screens, the resets and the random generator.
#include <gtest/gtest.h>

#include <map>

#include "program_folder.h"
#include "shell/frame.h"
#include "shell/start_screens.h"

namespace {

using namespace shell_test;
using game::gs;

std::vector<std::string> calls;

class FormTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    folder_.put_standard();
    calls.clear();
  }
  void TearDown() override {
    host().set_handler(nullptr);
    ShellTest::TearDown();
  }
  void install_recorders() {
    game::hooks.sound_start = [] { calls.push_back("sound"); };
    game::hooks.music_free = [] {
      calls.push_back("music free");
      EXPECT_FALSE(game::picture(3).empty());  // the music goes before the pictures
    };
    game::hooks.sound_stop = [] {
      calls.push_back("sound stop");
      EXPECT_TRUE(game::picture(3).empty());  // the wave slots go after them
    };
    game::hooks.load_progress = [] { calls.push_back("progress"); };
    game::hooks.build_catalogue = [] { calls.push_back("catalogue"); };
    game::hooks.build_roster = [] { calls.push_back("roster"); };
    game::hooks.random_title_goods = []() -> const plat::sjis& {
      calls.push_back("title goods");
      static const plat::sjis name = "key01.bmp";
      return name;
    };
  }
};

TEST_F(FormTest, CreationRunsItsStepsInOrder) {
  install_recorders();
  gs.money = 777;  // reset before the progress file is read
  game::hooks.load_progress = [] {
    calls.push_back("progress");
    EXPECT_EQ(gs.money, 0);
    EXPECT_EQ(gs.save_marker, 1);
    EXPECT_EQ(game::picture(3).pixel(0, 0), c_goods);  // the store is built before
  };
  game::form_create();
  EXPECT_EQ(calls,
            (std::vector<std::string>{"sound", "progress", "catalogue", "roster", "title goods"}));
  EXPECT_EQ(gs.click_state, 1);
  EXPECT_EQ(gs.stage_mode, -2);
  EXPECT_EQ(host().timer_interval(), 90);
  EXPECT_EQ(game::button_left(), 500);
  EXPECT_EQ(gs.panel_x, -200);
  EXPECT_EQ(gs.menu_slide_x, -200);
  EXPECT_EQ(gs.menu_open, 1);
  EXPECT_EQ(gs.menu_label[0], "");
  EXPECT_EQ(gs.menu_label[1], "About");
  EXPECT_EQ(gs.menu_label[2], "Start");
  EXPECT_GE(host().presents(), 1);

  calls.clear();
  game::form_destroy();
  EXPECT_EQ(calls, (std::vector<std::string>{"music free", "sound stop"}));
  EXPECT_TRUE(game::picture(3).empty());
}

TEST_F(FormTest, TitleMenuOffersCollectionOrTheLetter) {
  install_recorders();
  game::hooks.load_progress = [] { gs.play_count = 2; };
  game::form_create();
  EXPECT_EQ(gs.menu_label[0], "Collection");

  game::hooks.all_seals_collected = [] { return true; };
  game::form_create();
  EXPECT_EQ(gs.menu_label[0], SJ("手紙"));
  // Once read, the letter is not offered again.
  game::hooks.load_progress = [] { gs.progress[3] = 1; };
  game::form_create();
  EXPECT_EQ(gs.menu_label[0], "");
  game::hooks.all_seals_collected = [] { return false; };
  game::hooks.load_progress = [] { gs.progress[3] = 0; };
  game::form_create();
  EXPECT_EQ(gs.menu_label[0], "");
}

TEST_F(FormTest, FirstStartScreenShowsTheGoodsDoubledAndTheCredit) {
  install_recorders();
  game::form_create();
  const plat::Bitmap& cg = game::cg_image();
  // key01.bmp is 30×20 of one colour: its own corner colour, so it is all see-through.
  EXPECT_EQ(cg.pixel(195, 100), c_bg);
  // The credit: white text on the plain background around y = 135 + 10.
  int white = 0, black = 0;
  for (int y = 140; y < 165; ++y)
    for (int x = 100; x < 290; ++x) {
      white += cg.pixel(x, y) == 0xFFFFFFu;
      black += cg.pixel(x, y) == 0u;
    }
  EXPECT_GT(white, 30);
  EXPECT_GT(black, 5);  // the shadow shows below and right of the white
}

TEST_F(FormTest, GoodsOnTheFirstStartScreenAreStretchedToASquare) {
  plat::Bitmap goods(20, 10, c_goods);
  goods.set_pixel(0, 9, plat::RGB(3, 3, 3));
  folder_.put("goods7.bmp", goods);
  game::hooks.random_title_goods = []() -> const plat::sjis& {
    static const plat::sjis name = "goods7.bmp";
    return name;
  };
  game::form_create();
  const plat::Bitmap& cg = game::cg_image();
  // Side 2w = 40, centred on (195, 100): 175..214 × 80..119.
  EXPECT_EQ(cg.pixel(176, 81), c_goods);
  EXPECT_EQ(cg.pixel(213, 110), c_goods);
  EXPECT_EQ(cg.pixel(174, 100), c_bg);
  EXPECT_EQ(cg.pixel(195, 121), c_bg);
  EXPECT_EQ(gs.item_card, 1);
}

TEST_F(FormTest, StartScreenClicksLeadToTheTitleMenu) {
  game::form_create();
  traced().clear();
  game::start_screen_click();
  EXPECT_EQ(gs.stage_mode, -1);
  EXPECT_TRUE(was_traced("sound 1 start.wav"));
  EXPECT_TRUE(was_traced("bg title.bmp"));
  // Shown at once, though the tick draws nothing on the start screens.
  EXPECT_EQ(game::cg_image().pixel(200, 200), c_title);
  game::advance_tick();
  EXPECT_EQ(game::cg_image().pixel(200, 200), c_title);

  game::start_screen_click();
  EXPECT_EQ(gs.stage_mode, 0);
  EXPECT_EQ(game::button_left(), 256);
  EXPECT_TRUE(was_traced("sound 4 start2.wav"));
  EXPECT_TRUE(was_traced("bg login.bmp"));
  game::advance_tick();
  EXPECT_EQ(game::cg_image().pixel(10, 10), c_login);
  EXPECT_EQ(gs.menu_slide_x, -99);  // the title menu slides in

  // Past the start screens a click there changes nothing.
  game::start_screen_click();
  EXPECT_EQ(gs.stage_mode, 0);
}

TEST_F(FormTest, HostEventsReachButtonsOrThePicture) {
  game::form_create();
  traced().clear();
  // Parked buttons lie outside the picture: a press anywhere is a start-screen click.
  host().queue_press(plat::MouseButton::left, 300, 190);
  host().process_messages();
  EXPECT_EQ(gs.stage_mode, -1);
  host().queue_press(plat::MouseButton::right, 300, 190);
  host().process_messages();
  EXPECT_EQ(gs.stage_mode, -1);  // a right press does nothing
  host().queue_press(plat::MouseButton::left, 10, 10);
  host().process_messages();
  EXPECT_EQ(gs.stage_mode, 0);
  // Now the buttons stand at 256: a pointer over the second one hovers it.
  gs.menu_slide_x = 0;
  host().queue_move(300, 210);
  host().process_messages();
  EXPECT_EQ(gs.hovered_button, 2);
  host().queue_move(100, 100);
  host().process_messages();
  EXPECT_EQ(gs.hovered_button, 0);
  host().queue_close();
  EXPECT_FALSE(host().process_messages());
  EXPECT_EQ(gs.click_state, -1);
}

TEST(RandomTest, DrawStaysInRangeAndRepeatsFromASeed) {
  game::seed_random(42);
  std::vector<int> first;
  std::map<int, int> seen;
  for (int i = 0; i < 15000; ++i) {
    const int v = game::draw(15);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 15);
    if (i < 20) first.push_back(v);
    ++seen[v];
  }
  // Every value turns up about equally often.
  ASSERT_EQ(seen.size(), 15u);
  for (auto [v, n] : seen) EXPECT_NEAR(n, 1000, 150) << v;
  game::seed_random(42);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(game::draw(15), first[std::size_t(i)]);
  EXPECT_EQ(game::draw(1), 0);
  EXPECT_EQ(game::draw(0), 0);
  EXPECT_EQ(game::draw(-3), 0);
}

class ResetTest : public ShellTest {
 protected:
  void fill() {
    gs.play_count = 3;
    gs.hours_left = 2;
    gs.day = 40;
    gs.satisfaction = 55;
    gs.money = 12345;
    gs.clerk_lv = 4;
    gs.save_marker = 0;
    gs.lovely = gs.bad_service = gs.poor_stock = gs.award_count = 9;
    gs.stock[201] = 3;
    gs.man_fond[7] = 2;
    gs.flyer_kind = 5;
    gs.flyer_used = 4;
    gs.shop_image = 8;
    gs.image_days = 6;
    gs.collected[104] = 1;
    gs.progress[0] = gs.progress[99] = gs.progress[105] = gs.progress[106] = 1;
    gs.progress[100] = gs.progress[104] = 1;
    gs.best_sales = 5000;
    gs.sales_history[3] = 700;
    gs.satisfaction_history[3] = 80;
    gs.mode = 2;
    gs.draw_speed = 2;
    gs.spare_counter = 11;
  }
};

TEST_F(ResetTest, RunResetSetsTheRunAndKeepsTheRecords) {
  fill();
  game::reset_run();
  EXPECT_EQ(gs.play_count, 0);
  EXPECT_EQ(gs.hours_left, 8);
  EXPECT_EQ(gs.day, 0);
  EXPECT_EQ(gs.satisfaction, 0);
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(gs.clerk_lv, 0);
  EXPECT_EQ(gs.save_marker, 1);
  EXPECT_EQ(gs.lovely + gs.bad_service + gs.poor_stock + gs.award_count, 0);
  EXPECT_EQ(gs.stock[201], 0);
  EXPECT_EQ(gs.man_fond[7], 0);
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_EQ(gs.flyer_used, 0);
  EXPECT_EQ(gs.shop_image, 0);
  EXPECT_EQ(gs.image_days, 0);
  // Untouched: collection, progress, records, mode, drawing rate.
  EXPECT_EQ(gs.collected[104], 1);
  EXPECT_EQ(gs.progress[0] + gs.progress[99] + gs.progress[105] + gs.progress[106], 4);
  EXPECT_EQ(gs.best_sales, 5000);
  EXPECT_EQ(gs.sales_history[3], 700);
  EXPECT_EQ(gs.satisfaction_history[3], 80);
  EXPECT_EQ(gs.mode, 2);
  EXPECT_EQ(gs.draw_speed, 2);
  EXPECT_EQ(gs.spare_counter, 11);
}

TEST_F(ResetTest, FullResetClearsTheRecordsThenTheRun) {
  fill();
  game::reset_all();
  EXPECT_EQ(gs.collected[104], 0);
  EXPECT_EQ(gs.progress[0] + gs.progress[99] + gs.progress[105] + gs.progress[106], 0);
  EXPECT_EQ(gs.progress[100] + gs.progress[104], 2);  // neither saved nor reset
  EXPECT_EQ(gs.best_sales, 0);
  EXPECT_EQ(gs.spare_counter, 0);
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_EQ(gs.save_marker, 1);
  // History, mode and drawing rate survive even the full reset.
  EXPECT_EQ(gs.sales_history[3], 700);
  EXPECT_EQ(gs.mode, 2);
  EXPECT_EQ(gs.draw_speed, 2);
}

TEST_F(ResetTest, StateDumpKeysArraysByIndexAndWritesUtf8) {
  gs.stock[201] = 3;
  gs.sales_history[1] = 5;
  gs.menu_label[1] = SJ("包む\"");
  const std::string j = game::state_json(gs);
  EXPECT_NE(j.find("\"stock\":{\"201\":3}"), std::string::npos);
  EXPECT_NE(j.find("\"collected\":{}"), std::string::npos);
  EXPECT_NE(j.find("\"sales_history\":[0,5,0,"), std::string::npos);
  EXPECT_NE(j.find("\"menu_label\":[\"\",\"包む\\\"\",\"\"]"), std::string::npos);
  EXPECT_EQ(j.front(), '{');
  EXPECT_EQ(j.back(), '}');
}

}  // namespace
