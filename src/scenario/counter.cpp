// The counter's scenes: calling the next customer, putting a flyer in the customer's bag, and
// taking the save seal to the shop door at the end of the evening.
#include "scenario/counter.h"

#include <array>

#include "customers/arrival.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "goods/catalogue.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

constexpr int flyers_a_batch = 10;

bool refuses_flyer(const tman& m, int design) {
  for (int refused : m.hate_flyer)
    if (refused == design) return true;
  return false;
}

plat::sjis flyers_left() {
  return SJ("(残: ") + num(flyers_a_batch - gs.flyer_used) + SJ("枚)");
}

}  // namespace

void scene_next() {
  set_shop_scene();
  post_message(SJ(""));
  post_message(SJ("次のお客様どうぞー"));
  wait_click();
  let_customer_in();
}

void scene_flyer() {
  // Only offered while a printed batch has flyers left.
  if (gs.flyer_kind < 0 || gs.flyer_kind >= flyer_count || gs.flyer_used >= flyers_a_batch) {
    show_menu(SJ(""), SJ("断る"), SJ("包む"));
    return;
  }
  gs.flyer_used += 1;
  show_flyer_picture();
  play_sound(4, SJ("paper2.wav"));
  post_message(tirasi[std::size_t(gs.flyer_kind)].name + SJ("を入れた") + flyers_left());

  const tman& m = current_customer();
  if (refuses_flyer(m, gs.flyer_kind)) {
    gs.flyer_used -= 1;
    gs.chain = 0;
    static constexpr std::array<const char*, 3> waves{"iranai.wav", "konna.wav", "dasai.wav"};
    play_sound(5, game_text(waves[std::size_t(draw(3))]));
    static constexpr std::array<const char*, 5> lines{
        "げ、こんなチラシ要るわけないじゃん！",
        "こんな趣味の悪いチラシ渡されても…いりません…",
        "えぇ…私がこんな趣味を持ってる人に見えますか？全く！",
        "こんなチラシいらねーんだよ！バチーン！",
        "う、何このチラシ…、悪いけどいらなーーい",
    };
    post_speech(game_text(lines[std::size_t(draw(5))]));
    change_satisfaction(-m.min_lv - gs.clerk_lv / 2 - 1);
    gs.bad_service += 1;
    post_and_wait(SJ("チラシを返されてしまった..") + flyers_left());
  }
  show_menu(SJ(""), SJ(""), SJ("包む"));
}

void scene_save() {
  // Offered only while a save seal is held; without one the evening simply ends.
  if (stock_of(save_seal) < 1) {
    if (hooks.dispatch) hooks.dispatch(SJ("帰って寝る"));
    return;
  }
  set_background(SJ("door.bmp"));
  gs.leaving_flag = 1;
  gs.picked_seal = save_seal;
  set_hand_seal_picture(entry_of(save_seal).pic);
  clear_message_log();
  // The box is not shown: the next frame puts the seal in the player's hand.
  gs.seal_box_state = 3;
}

}  // namespace game
