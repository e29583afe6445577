// The counter work: wrap the goods in the material that suits their size (or the Ex material
// chosen with a right press), fold it, then stick a seal, hand it over without one, or refuse.
#include "wrapping/wrapping_stage.h"

#include <array>

#include "customers/outcome.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "effects/effects.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"
#include "wrapping/seal_box.h"

namespace game {

namespace {

constexpr int first_material = 200;
constexpr int last_material = 211;

// Pictures and waves of each material, wrapped and then folded.
struct material_look {
  const char* wrap_pic;
  const char* wrap_wave;
  const char* fold_pic;
  const char* fold_wave;
};
constexpr std::array<material_look, 12> materials{{
    {"fukuro_small.bmp", "small.wav", "fukuro_small2.bmp", "small2.wav"},  // 200
    {"fukuro.bmp", "white0.wav", "fukuro2.bmp", "white.wav"},
    {"fukuro_mid.bmp", "mis.wav", "fukuro_mid2.bmp", "mis2.wav"},
    {"fukuro_big.bmp", "don.wav", "fukuro_big2.bmp", "big.wav"},
    {"hako0.bmp", "dan.wav", "hako.bmp", "hako2.wav"},  // 204
    {"tesage.bmp", "tesage.wav", "tesage2.bmp", "tesage2.wav"},
    {"hako1.bmp", "hako3.wav", "hako2.bmp", "hako4.wav"},
    {"kami.bmp", "kami.wav", "kami2.bmp", "kami2.wav"},
    {"s_hako1.bmp", "s_hako0.wav", "s_hako0.bmp", "s_hako1.wav"},  // 208, the Ex ones
    {"s_fukuro0.bmp", "s_fukuro0.wav", "s_fukuro1.bmp", "s_fukuro1.wav"},
    {"s_tesage1.bmp", "tesage.wav", "s_tesage0.bmp", "tesage2.wav"},
    {"s_pan0.bmp", "dan.wav", "s_pan1.bmp", "hako2.wav"},  // 211
}};

bool is_material(int id) {
  return id >= first_material && id <= last_material;
}
const material_look* look_of(int id) {
  return is_material(id) ? &materials[std::size_t(id - first_material)] : nullptr;
}

void wrap() {
  // Only a real material held wraps: nothing is used up without one.
  if (is_material(gs.wrap_kind) && stock_of(gs.wrap_kind) > 0) {
    add_stock(gs.sel_item, -1);
    if (gs.sel_item >= 0 && gs.sel_item < item_count) gs.sold_today[std::size_t(gs.sel_item)] += 1;
    add_stock(gs.wrap_kind, -1);
    const material_look& look = *look_of(gs.wrap_kind);
    set_goods_picture(game_text(look.wrap_pic));
    play_sound(3, game_text(look.wrap_wave));
    gs.seal_layer_on = 0;  // a flyer laid on the goods goes inside
    post_message(TRF("包んだ(%s 残: %dコ)", entry_of(gs.wrap_kind).name, stock_of(gs.wrap_kind)));
    show_menu(SJ(""), SJ(""), TR("折る"));
  } else {
    play_sound(1, SJ("no.wav"));
    post_colored(TRF("%sがもうありません", entry_of(gs.wrap_kind).name), SJ("red"));
    show_menu(SJ(""), TR("断る"), TR("包む"));
  }
}

void fold() {
  if (const material_look* look = look_of(gs.wrap_kind)) {
    set_goods_picture(game_text(look->fold_pic));
    play_sound(gs.wrap_kind <= 208 ? 2 : 3, game_text(look->fold_wave));
  }
  post_message(TR("折った"));
  show_menu(SJ(""), TR("はい終わり"), TR("シール"));
}

void seal() {
  if (owned_seals_total() > 0) {
    open_seal_box_for_placing();
    return;
  }
  play_sound(1, SJ("no.wav"));
  post_colored(TR("シールがもう１枚もありません"), SJ("red"));
  show_menu(SJ(""), TR("はい終わり"), TR("シール"));
}

// Handing the goods over without a seal.
void hand_over() {
  const tman& m = current_customer();
  const int lv = m.min_lv;
  gs.chain = 0;
  add_fondness(gs.cur_man, -1);
  const int r = draw(12);
  if (r <= 6) {
    show_and_wait(TRF("%sは帰っていった....", m.name));
    if (draw(5) == 0) gs.bad_service += 1;
    gs.lovely -= 1;
    change_satisfaction(draw(lv + 2));
    finish_service(outcome_paid);
  } else if (r <= 8) {
    play_sound(4, SJ("mu.wav"));
    gs.bad_service += 1;
    gs.lovely -= 1;
    show_and_wait(TRF("%sはむっつりして帰っていった....", m.name));
    finish_service(outcome_half);
  } else if (r <= 10) {
    play_sound(4, draw(3) < 2 ? SJ("e.wav") : SJ("ii.wav"));
    show_coloured_and_wait(TR("えーシールは！？"), SJ("pink2"));
    change_satisfaction(-(gs.satisfaction / 20 + lv));
    gs.bad_service += 1;
    gs.lovely -= 1;
    show_and_wait(TRF("%sは不服そうに帰っていった....", m.name));
    finish_service(outcome_unpaid);
  } else {
    play_sound(4, SJ("sealwa.wav"));
    show_coloured_and_wait(TR("シール貼ってくれないの？シールが欲しかったのに！！"), SJ("pink2"));
    change_satisfaction(-(gs.satisfaction / 15 + 2 * lv));
    gs.bad_service += 1;
    gs.lovely -= 1;
    show_and_wait(TRF("%sは怒りながら帰っていった....", m.name));
    finish_service(outcome_unpaid);
  }
}

void refuse() {
  const tman& m = current_customer();
  gs.chain = 0;
  show_and_wait(TR("『いやだよ』"));
  set_customer_picture(SJ("not.bmp"));
  set_goods_picture(SJ("not.bmp"));
  gs.item_card = 2;
  static constexpr const char* crying[] = {"naki.wav", "naki2.wav", "naki3.wav", "naki4.wav",
                                           "kangae.wav"};
  play_sound(1, game_text(crying[draw(5)]));
  show_and_wait(TRF("%sは泣きながらどこかへ行った", m.name));
  change_satisfaction(-(m.min_lv + draw(m.min_lv + 2) + gs.satisfaction / 20));
  add_fondness(gs.cur_man, -2);
  gs.bad_service += 1;
  finish_service(outcome_no_sale);
}

}  // namespace

void on_choice(const plat::sjis& caption) {
  if (caption == TR("包む") || caption == TR("【Ex】包装"))
    wrap();
  else if (caption == TR("折る"))
    fold();
  else if (caption == TR("シール"))
    seal();
  else if (caption == TR("はい終わり"))
    hand_over();
  else if (caption == TR("断る"))
    refuse();
}

void on_wrap_button_right_click() {
  const plat::sjis& caption = gs.menu_label[2];
  plat::sjis next;
  if (caption == TR("包む") && ex_wrap_in_stock()) {
    gs.ex_wrap = 1;
    gs.wrap_kind = ex_wrap_for(gs.sel_item);
    next = TR("【Ex】包装");
  } else if (caption == TR("【Ex】包装")) {
    next = TR("包む");  // the choice itself waits for the next left press
  } else {
    return;
  }
  spawn_effect(285, 280, 158);
  play_sound(5, SJ("shift.wav"));
  set_caption(3, next);
}

void select_normal_wrapping() {
  gs.ex_wrap = 0;
  gs.wrap_kind = normal_wrap_for(gs.sel_item);
}

bool ex_wrap_in_stock() {
  const int ex = ex_wrap_for(gs.sel_item);
  return ex != 0 && stock_of(ex) > 0;
}

}  // namespace game
