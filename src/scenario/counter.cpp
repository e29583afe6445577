// The counter's scenes: calling the next customer, putting a flyer in the customer's bag, and
// taking the save seal to the shop door at the end of the evening.
#include "scenario/counter.h"

#include <array>

#include "customers/arrival.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "goods/catalogue.h"
#include "platform/i18n.h"
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

}  // namespace

void scene_next() {
  set_shop_scene();
  post_message(SJ(""));
  post_message(TR("次のお客様どうぞー"));
  wait_click();
  let_customer_in();
}

void scene_flyer() {
  // Only offered while a printed batch has flyers left.
  if (gs.flyer_kind < 0 || gs.flyer_kind >= flyer_count || gs.flyer_used >= flyers_a_batch) {
    show_menu(SJ(""), TR("断る"), TR("包む"));
    return;
  }
  gs.flyer_used += 1;
  show_flyer_picture();
  play_sound(4, SJ("paper2.wav"));
  const int left = flyers_a_batch - gs.flyer_used;
  post_message(plat::format(TRN("%sを入れた(残: %d枚)", "%sを入れた(残: %d枚)", left),
                            {tirasi[std::size_t(gs.flyer_kind)].name, left}));

  const tman& m = current_customer();
  if (refuses_flyer(m, gs.flyer_kind)) {
    gs.flyer_used -= 1;
    gs.chain = 0;
    static constexpr std::array<const char*, 3> waves{"iranai.wav", "konna.wav", "dasai.wav"};
    play_sound(5, game_text(waves[std::size_t(draw(3))]));
    static constexpr std::array<const char*, 5> lines{
        N_("げ、こんなチラシ要るわけないじゃん！"),
        N_("こんな趣味の悪いチラシ渡されても…いりません…"),
        N_("えぇ…私がこんな趣味を持ってる人に見えますか？全く！"),
        N_("こんなチラシいらねーんだよ！バチーン！"),
        N_("う、何このチラシ…、悪いけどいらなーーい"),
    };
    post_speech(plat::tr(lines[std::size_t(draw(5))]));
    change_satisfaction(-m.min_lv - gs.clerk_lv / 2 - 1);
    gs.bad_service += 1;
    const int back = flyers_a_batch - gs.flyer_used;
    post_and_wait(plat::format(
        TRN("チラシを返されてしまった..(残: %d枚)", "チラシを返されてしまった..(残: %d枚)", back),
        {back}));
  }
  show_menu(SJ(""), SJ(""), TR("包む"));
}

void scene_save() {
  // Offered only while a save seal is held; without one the evening simply ends.
  if (stock_of(save_seal) < 1) {
    if (hooks.dispatch) hooks.dispatch(TR("帰って寝る"));
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
