// Input routing: presses and moves on the picture and on the three choice buttons, the keys that
// stand for them, and the Enter key's reminder box.
#include <string>

#include "platform/i18n.h"
#include "platform/sjis.h"  // before form.h, which uses it
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/sounds.h"
#include "shell/start_screens.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

namespace {

bool has_caption(int n) {
  return n >= 1 && n <= 3 && !gs.menu_label[n - 1].empty();
}

}  // namespace

void press_picture(plat::MouseButton b, int x, int y) {
  if (b == plat::MouseButton::right) return;
  gs.mouse_x = x;
  gs.mouse_y = y;
  if (gs.stage_mode == -2 || gs.stage_mode == -1) {
    start_screen_click();
    return;
  }
  take_click();
  if (hooks.seal_box_press) hooks.seal_box_press(x, y);
}

void move_picture(int x, int y) {
  gs.hovered_button = 0;
  gs.mouse_x = x;
  gs.mouse_y = y;
}

void move_button(int n, int local_x, int local_y) {
  if (n < 1 || n > 3) return;
  gs.mouse_x = button_left() + local_x;
  gs.mouse_y = button_top(n) + local_y;
  if (gs.stage_mode >= 0 && gs.menu_open == 1) {
    if (gs.hovered_button != n && has_caption(n)) play_sound(1, "key.wav");
    gs.hovered_button = n;
  }
}

void press_button(int n, plat::MouseButton b, int local_x, int local_y) {
  if (n < 1 || n > 3) return;
  if (b == plat::MouseButton::right) {
    // Only the third button answers a right press: the special-wrapping toggle.
    if (n == 3 && gs.menu_open == 1 && hooks.wrap_special_toggle) hooks.wrap_special_toggle();
    return;
  }
  if (n == 3 && gs.menu_label[2] == TR("包む") && hooks.select_normal_wrapping)
    hooks.select_normal_wrapping();

  // While the seal box is shown, a seal is held or the collection is viewed, the buttons lie
  // over the box: the press belongs to the picture beneath.
  if (hooks.seal_box_takes_buttons && hooks.seal_box_takes_buttons()) {
    press_picture(plat::MouseButton::left, button_left() + local_x, button_top(n) + local_y);
    return;
  }
  if (gs.stage_mode < 0) return;
  take_click();
  if (gs.menu_open != 1 || !has_caption(n)) return;  // sliding out or closed: only ends a wait

  // The menu closes before anything else runs, so a second press cannot answer twice.
  play_sound(5, "pi.wav");
  gs.menu_open = 0;
  if (gs.choice_pending == 1) {
    gs.choice_pending = 0;
    gs.choice_result = n;
    if (gs.click_state != -1) gs.click_state = 1;  // ends the wait inside ask_choice
    return;
  }
  // The dispatcher offers new captions; hand it a copy of the pressed one.
  const sjis caption = gs.menu_label[n - 1];
  if (hooks.dispatch) hooks.dispatch(caption);
}

void key_choice(int n, plat::MouseButton b) {
  // A key stands for its button only while the button's caption is on offer. It never ends a
  // wait on its own, and never reaches the seal box, which the game opens only after a press
  // has closed the menu: those presses belong to the mouse.
  if (gs.stage_mode < 0 || gs.menu_open != 1 || !has_caption(n)) return;
  press_button(n, b, button_width / 2, button_height / 2);
}

void key_space() {
  // What a click on the picture does to a wait or a start screen, without the click's place:
  // nothing in the seal box is picked or stuck by a key.
  if (gs.stage_mode == -2 || gs.stage_mode == -1) {
    start_screen_click();
    return;
  }
  if (gs.click_state == 0) take_click();
}

void key_enter() {
  play_sound(1, "1.wav");
  const sjis& text =
      TR("おっと、初期化したい時は、タイトル画面でAboutを選んで\rそこでNewgameを選択してくれやーい"
         "っ)");
  // The host shows the box (and the headless driver traces it as `dialog`).
  host().confirm_box(text);
}

}  // namespace game
