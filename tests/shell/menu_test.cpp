// Choice menus and input routing: the blocking choice, dispatch, hover, the seal box taking the
// buttons, the Enter box, the slide and the drawn buttons.
#include "shell/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden/golden.h"
#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/script_host.h"

using game::gs;
using plat::MouseButton;
using testing_host::traced;

namespace {

std::vector<std::string> dispatched;

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_host::fresh_game(host);
    game::park_buttons(false);
    dispatched.clear();
    game::hooks.dispatch = [](const plat::sjis& c) { dispatched.push_back(c); };
  }
  void TearDown() override { game::set_trace_sink(nullptr); }
  testing_host::ScriptHost host;
};

TEST_F(Menus, ShowMenuOpensAndSlidesFromTheRight) {
  game::show_menu("Collection", "About", "Start");
  EXPECT_EQ(gs.menu_open, 1);
  EXPECT_EQ(gs.menu_slide_x, -200);
  EXPECT_EQ(traced("menu"), std::vector<std::string>{"Collection|About|Start"});
}

TEST_F(Menus, AskChoiceAnswersWithThePressedButton) {
  host.events.push_back([] { game::press_picture(MouseButton::left, 100, 100); });
  host.events.push_back([] { game::press_button(1, MouseButton::left, 3, 3); });  // no caption
  host.events.push_back([] { game::press_button(3, MouseButton::right, 3, 3); });
  host.events.push_back([] {
    EXPECT_EQ(gs.click_state, 0);  // none of the above ended the choice
    EXPECT_EQ(gs.choice_pending, 1);
    EXPECT_TRUE(traced("sound").empty());
    game::press_button(3, MouseButton::left, 3, 3);
  });
  host.events.push_back([] { ADD_FAILURE() << "pumped past the answer"; });
  EXPECT_EQ(game::ask_choice("", "no", "yes"), 3);
  EXPECT_EQ(gs.choice_pending, 0);
  EXPECT_EQ(gs.menu_open, 0);
  EXPECT_TRUE(dispatched.empty());  // an answer is not a dispatch
  EXPECT_EQ(traced("sound"), std::vector<std::string>{"5 pi.wav"});
  const auto& all = traced();
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all[0], "menu |no|yes");
  EXPECT_EQ(all[1], "choice");
  EXPECT_EQ(all[2], "wait");
}

TEST_F(Menus, CloseDuringAChoiceLeavesTheLastAnswer) {
  gs.choice_result = 2;
  host.events.push_back([] { game::close_request(); });
  EXPECT_EQ(game::ask_choice("a", "b", "c"), 2);
  EXPECT_EQ(gs.choice_pending, 0);
  EXPECT_EQ(gs.click_state, -1);
}

TEST_F(Menus, PressDispatchesOnceAndClosesTheMenu) {
  game::show_menu("Collection", "About", "Start");
  game::press_button(2, MouseButton::left, 10, 10);
  game::press_button(2, MouseButton::left, 10, 10);  // a double press
  game::press_button(3, MouseButton::left, 10, 10);
  EXPECT_EQ(dispatched, std::vector<std::string>{"About"});
  EXPECT_EQ(gs.menu_open, 0);
  EXPECT_EQ(traced("sound"), std::vector<std::string>{"5 pi.wav"});
}

TEST_F(Menus, DispatchKeepsItsCaptionWhenTheSceneOffersNewOnes) {
  static std::string seen_after;
  game::hooks.dispatch = [](const plat::sjis& c) {
    game::show_menu("x", "y", "z");
    seen_after = c;
  };
  game::show_menu("Collection", "About", "Start");
  game::press_button(3, MouseButton::left, 1, 1);
  EXPECT_EQ(seen_after, "Start");
}

TEST_F(Menus, PressOnAnEmptyButtonOnlyEndsAWait) {
  game::show_menu("", "About", "");
  host.events.push_back([] { game::press_button(1, MouseButton::left, 4, 4); });
  game::wait_click();
  EXPECT_EQ(gs.click_state, 1);
  EXPECT_TRUE(dispatched.empty());
  EXPECT_EQ(gs.menu_open, 1);
  EXPECT_EQ(traced("sound"), std::vector<std::string>{"1 3.wav"});
}

TEST_F(Menus, RightPressesAndTheWrappingButton) {
  static int toggles = 0, normal = 0;
  toggles = normal = 0;
  game::hooks.wrap_special_toggle = [] { ++toggles; };
  game::hooks.select_normal_wrapping = [] { ++normal; };
  game::show_menu("断る", "チラシ", SJ("包む"));
  game::press_button(1, MouseButton::right, 1, 1);
  game::press_button(2, MouseButton::right, 1, 1);
  EXPECT_EQ(toggles, 0);
  game::press_button(3, MouseButton::right, 1, 1);
  EXPECT_EQ(toggles, 1);
  EXPECT_TRUE(dispatched.empty());
  EXPECT_EQ(normal, 0);
  EXPECT_EQ(gs.menu_open, 1);
  game::press_button(3, MouseButton::left, 1, 1);
  EXPECT_EQ(normal, 1);
  EXPECT_EQ(dispatched, std::vector<std::string>{SJ("包む")});
}

TEST_F(Menus, SealBoxTakesTheButtonsPresses) {
  static int px = -1, py = -1;
  static bool open = true;
  game::hooks.seal_box_takes_buttons = [] { return open; };
  game::hooks.seal_box_press = [](int x, int y) { px = x, py = y; };
  game::show_menu("a", "b", "c");
  game::press_button(2, MouseButton::left, 5, 7);
  EXPECT_EQ(px, 256 + 5);
  EXPECT_EQ(py, 204 + 7);
  EXPECT_TRUE(dispatched.empty());
  EXPECT_EQ(gs.menu_open, 1);
  open = false;
  game::press_button(2, MouseButton::left, 5, 7);
  EXPECT_EQ(dispatched, std::vector<std::string>{"b"});
}

TEST_F(Menus, StartScreensIgnoreTheButtons) {
  gs.stage_mode = -1;
  game::show_menu("a", "b", "c");
  game::press_button(1, MouseButton::left, 5, 5);
  EXPECT_TRUE(dispatched.empty());
  EXPECT_EQ(gs.menu_open, 1);
}

TEST_F(Menus, HoverSoundsOncePerButtonWithACaption) {
  game::show_menu("a", "", "c");
  game::move_button(1, 2, 3);
  game::move_button(1, 4, 5);
  EXPECT_EQ(gs.hovered_button, 1);
  EXPECT_EQ(gs.mouse_x, 256 + 4);
  EXPECT_EQ(gs.mouse_y, 176 + 5);
  game::move_button(2, 1, 1);  // no caption: silent, but the hover moves
  EXPECT_EQ(gs.hovered_button, 2);
  game::move_button(3, 1, 1);
  game::move_picture(30, 40);
  EXPECT_EQ(gs.hovered_button, 0);
  game::move_button(3, 1, 1);
  EXPECT_EQ(traced("sound"), (std::vector<std::string>{"1 key.wav", "1 key.wav", "1 key.wav"}));

  // A closed menu does not react to the pointer.
  gs.menu_open = 0;
  traced().clear();
  game::move_button(1, 1, 1);
  EXPECT_EQ(gs.hovered_button, 3);
  EXPECT_TRUE(traced("sound").empty());
}

TEST_F(Menus, EnterShowsTheHintBoxAndTouchesNothing) {
  game::show_menu("a", "b", "c");
  const std::string before = game::state_json(gs);
  game::key_enter();
  EXPECT_EQ(game::state_json(gs), before);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0], SJ("おっと、初期化したい時は、タイトル画面でAboutを選んで\rそこでNewgame"
                              "を選択してくれやーいっ)"));
  EXPECT_EQ(traced("sound"), std::vector<std::string>{"1 1.wav"});
}

TEST_F(Menus, ButtonGeometry) {
  game::park_buttons(true);
  for (int y = 0; y < 260; y += 3) EXPECT_EQ(game::button_at(389, y), 0);
  game::park_buttons(false);
  EXPECT_EQ(game::button_at(256, 176), 1);
  EXPECT_EQ(game::button_at(255, 176), 0);
  EXPECT_EQ(game::button_at(388, 203), 1);
  EXPECT_EQ(game::button_at(300, 204), 2);  // the shared row belongs to the later button
  EXPECT_EQ(game::button_at(300, 232), 3);
  EXPECT_EQ(game::button_at(300, 260), 3);
  EXPECT_EQ(game::button_at(300, 261), 0);
  EXPECT_EQ(game::button_at(389, 175), 0);
  EXPECT_EQ(game::button_at(256 + 133, 200), 0);
}

// ---- the slide and the drawn buttons ----------------------------------------------------------

std::vector<int> slide(int frames) {
  plat::Bitmap surface(390, 260);
  plat::Canvas cg(surface);
  std::vector<int> xs;
  for (int i = 0; i < frames; ++i) {
    game::draw_buttons(cg);
    xs.push_back(gs.menu_slide_x);
  }
  return xs;
}

TEST_F(Menus, SlideInAndOut) {
  game::show_menu("a", "b", "c");
  EXPECT_EQ(slide(8), (std::vector<int>{-99, -49, -24, -11, -5, -2, 0, 0}));
  gs.menu_open = 0;
  EXPECT_EQ(slide(8), (std::vector<int>{-81, -121, -141, -151, -156, -159, -160, -160}));
  // Pressed half way in: it turns back from where it stands.
  game::show_menu("a", "b", "c");
  slide(1);
  game::press_button(1, MouseButton::left, 1, 1);
  EXPECT_EQ(slide(3), (std::vector<int>{-130, -146, -154}));
}

TEST_F(Menus, ButtonsPicture) {
  // A plate of the game's size with a black (see-through) border, a hovered middle button and the
  // Ex hint beside the third.
  plat::Bitmap& plate = game::picture(0);
  plate.resize(150, 56, 0);
  plat::Canvas pc(plate);
  pc.ellipse(4, 6, 140, 44, plat::RGB(255, 255, 255), 2, true, plat::RGB(120, 40, 80));
  game::mask(0) = plat::make_mask(plate, 0);
  game::hooks.ex_wrap_in_stock = [] { return true; };

  game::show_menu("About", "Start", SJ("包む"));
  gs.menu_slide_x = 0;
  gs.hovered_button = 2;
  gs.frame_counter = 3;
  plat::Bitmap surface(390, 260, plat::RGB(20, 40, 60));
  plat::Canvas cg(surface);
  game::draw_buttons(cg);
  EXPECT_TRUE(golden::matches("menu_buttons", surface));
  // Half way in, the plates trail behind.
  gs.menu_slide_x = -24;
  gs.frame_counter = 6;
  surface.resize(390, 260, plat::RGB(20, 40, 60));
  game::draw_buttons(cg);
  EXPECT_TRUE(golden::matches("menu_buttons_sliding", surface));
}

TEST_F(Menus, ExHintOnlyForWrappingCaptionsWithStock) {
  game::picture(0).resize(1, 1, 0);
  game::mask(0) = plat::make_mask(game::picture(0), 0);
  static bool stock = false;
  game::hooks.ex_wrap_in_stock = [] { return stock; };
  // The hint stands 100 pixels right of the third button: count lit pixels there.
  auto hint_pixels = [](const plat::sjis& third) {
    game::show_menu("", "", third);
    gs.menu_slide_x = 0;
    plat::Bitmap surface(390, 260, 0);
    plat::Canvas cg(surface);
    game::draw_buttons(cg);
    int lit = 0;
    for (int y = 232; y < 260; ++y)
      for (int x = 356; x < 390; ++x) lit += surface.pixel(x, y) != 0;
    return lit;
  };
  EXPECT_EQ(hint_pixels(SJ("包む")), 0);  // no special wrapping in stock
  stock = true;
  EXPECT_GT(hint_pixels(SJ("包む")), 0);
  EXPECT_GT(hint_pixels(SJ("【Ex】包装")), 0);
  EXPECT_EQ(hint_pixels(SJ("折る")), 0);
}

TEST(CyclingColour, PulsesOverTwelveTicks) {
  EXPECT_EQ(game::cycling_colour(0), plat::RGB(255, 255, 255));
  EXPECT_EQ(game::cycling_colour(6), plat::RGB(255, 119, 187));
  EXPECT_EQ(game::cycling_colour(5), game::cycling_colour(7));
  EXPECT_EQ(game::cycling_colour(1), game::cycling_colour(11));
  EXPECT_EQ(game::cycling_colour(12), game::cycling_colour(0));
  EXPECT_EQ(game::cycling_colour(999), plat::RGB(255, 204, 221));  // 999 mod 12 = 3
}

}  // namespace
