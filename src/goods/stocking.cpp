// The evening's offers and the item panel's three actions: buying wrappings and seals, stocking
// goods at the wholesale price, printing a batch of flyers.
#include "goods/stocking.h"

#include <climits>

#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

constexpr int offer_slots = 100;
constexpr int bonus_seal = 185;  // "墨子チール", the printer's occasional present

bool valid_item(int n) {
  return n >= 0 && n < item_count;
}

// Writes catalogue number n into the next slot of an offer list.
void offer(std::array<int, offer_slots>& list, int& count, int n) {
  if (count < 0 || count >= offer_slots) return;
  list[std::size_t(count)] = n;
  ++count;
}
void offer_buy(int n) {
  offer(gs.buy_list, gs.buy_count, n);
}
void offer_goods(int n) {
  offer(gs.goods_list, gs.goods_count, n);
}
// The entry of a name as the catalogue holds it, in the language in use.
int named(const char* utf8) {
  return find_item(plat::tr(utf8));
}

// A progress file may hold any count; one more never wraps round to a negative one.
void add_stock(int n, int count) {
  int& s = gs.stock[std::size_t(n)];
  s = count > 0 && s > INT_MAX - count ? INT_MAX : s + count;
}

// Every slot of an offer list holding n becomes the sold-out placeholder.
void mark_sold_out(std::array<int, offer_slots>& list, int n, int placeholder) {
  for (int& slot : list)
    if (slot == n) slot = placeholder;
}

void sell_out(std::array<int, offer_slots>& list, int n, int placeholder) {
  mark_selected_sold_out();
  mark_sold_out(list, n, placeholder);
  gs.sel_item = -1;
}

// The wrappings offered beside the four plain bags, each when the clerk's level allows it and a
// draw of 0 from n comes up.
struct wrap_offer {
  const char* name;
  int min_lv;  // INT_MIN: any level
  int n;
};
constexpr wrap_offer wrap_offers[] = {
    {N_("箱"), 1, 2},
    {N_("大きな箱"), 1, 2},
    {N_("手さげ袋"), 1, 2},
    {N_("パン袋"), INT_MIN, 2},
    {N_("ピンクの小箱"), 1, 3},
    {N_("キュートな袋"), 2, 3},
    {N_("スイートランチＢＯＸ"), 3, 4},
    {N_("ラブリーな手さげ袋"), 4, 4},
};

}  // namespace

void evening_stocking() {
  if (gs.day == 0)
    set_shop_scene();
  else
    set_background(SJ("night.bmp"));
  set_mode_switch_caption(TR("仕入れモード"));
  show_mode_switch(true);
  set_panel_mode(buy_mode());

  switch (draw(7)) {
    case 0:
      play_music(SJ("shop.mid"));
      break;
    case 2:
      play_music(SJ("shop3.mid"));
      break;
    case 3:
      play_music(SJ("shop4.mid"));
      break;
    default:
      play_music(SJ("star.mid"));
      break;
  }

  // Wrappings and seals to buy.
  gs.buy_list.fill(0);
  gs.buy_count = 0;
  for (const char* bag : {N_("ちっちゃな袋"), N_("小さな袋"), N_("大きめの袋"), N_("特大の袋")})
    offer_buy(named(bag));
  for (const wrap_offer& w : wrap_offers)
    if (gs.clerk_lv >= w.min_lv && draw(w.n) == 0) offer_buy(named(w.name));

  // Up to eleven seals the clerk's level and purse allow, each with a chance of 1 in 4; the
  // save seal is offered apart, every third day.
  const long long seal_price_cap = (long long)gs.clerk_lv * 100 + 100;
  const long long seal_purse_cap = (long long)gs.money / 3 + 15;
  int seals = 0;
  for (int n = 0; n <= 997; ++n) {
    const titem& t = item[std::size_t(n)];
    if (seals <= 10 && n != save_seal && t.kind == kind_seal && t.price < seal_price_cap &&
        t.price < seal_purse_cap && draw(4) == 0) {
      offer_buy(n);
      ++seals;
    }
  }
  if (gs.day % 3 == 0 && gs.day != 0) offer_buy(save_seal);

  // Goods to stock.
  gs.goods_list.fill(0);
  gs.goods_count = 0;
  if (draw(5) == 0) offer_goods(named(N_("うんちのキーホルダ")));
  for (const char* g : {N_("ハートのキーホルダ"), N_("ねこのノート"), N_("鈴")})
    offer_goods(named(g));
  const int bell = named(N_("鈴"));
  const int r = gs.clerk_lv + 5;
  const long long goods_purse_cap = (long long)gs.money / 2 + 30;
  int goods = 0;
  for (int n = 4; n <= 997; ++n) {
    const titem& t = item[std::size_t(n)];
    if (goods <= 20 && n != bell && gs.stock[std::size_t(n)] <= 3 &&
        (t.limited == 0 || gs.shop_image == 11) && t.kind == kind_goods &&
        t.min_lv <= gs.clerk_lv && t.price < goods_purse_cap && draw(r) == 0) {
      offer_goods(n);
      ++goods;
    }
  }

  set_detail_text(
      TR("明日の準備をしましょう\r\r>> 袋チールモード "
         "<<\r　袋が無いと商品があっても包めません。袋を十分に"
         "用意して、チールも揃えましょう\r\r>> 仕入れモード "
         "<<\r　売る商品を仕入れましょう。来店するお客層"
         "と、買いたい物を予想するのがポイントだよ"));
  play_sound(1, SJ("box.wav"));
  build_list();
  show_item_box();
  clear_item_picture();
}

void open_print_mode() {
  set_detail_text(TR(">> チラシモード <<"));
  play_sound(1, SJ("box.wav"));
  set_panel_mode(print_mode());
  build_list();
  show_item_box();
  clear_item_picture();
  play_music(SJ("star.mid"));
}

namespace {

// Money never goes below 0: what the purse cannot pay is refused with "no.wav", the selection
// kept; what it can is paid with "buy.wav".
bool pay_for(const titem& it) {
  if (it.price > gs.money) {
    play_sound(1, SJ("no.wav"));
    return false;
  }
  play_sound(1, SJ("buy.wav"));
  gs.money -= it.price;
  return true;
}

}  // namespace

void buy_action() {
  const int n = gs.sel_item;
  if (n == sold_out_item || !valid_item(n)) return;
  const titem& it = item[std::size_t(n)];
  if (!pay_for(it)) return;
  add_stock(n, 1);
  refresh_line(n);
  show_selection();

  const int owned = gs.stock[std::size_t(n)];
  bool sold_out = false;
  if (it.kind == kind_seal) {
    if (owned >= 4 && draw(2) == 0)
      sold_out = true;
    else if (gs.money / 20 > it.price && owned >= 2 && draw(2) == 0)
      sold_out = true;
  }
  if (!sold_out && it.kind == kind_wrapping && owned >= 8 && draw(2) == 0) sold_out = true;
  if (sold_out) sell_out(gs.buy_list, n, it.kind == kind_seal ? sold_out_item : sold_out_wrapping);
  update_money_lines();
}

void stock_action() {
  const int n = gs.sel_item;
  if (n == sold_out_item || !valid_item(n)) return;
  const titem& it = item[std::size_t(n)];
  if (!pay_for(it)) return;
  add_stock(n, it.bundle >= 1 ? it.bundle : 1);
  refresh_line(n);
  show_selection();

  // Dear goods (300 yen or more) come once an evening; the others run out as they are taken.
  const int owned = gs.stock[std::size_t(n)];
  bool sold_out = (owned >= 3 && it.kind == kind_goods && draw(3) != 0) || it.price >= 300;
  if (!sold_out)
    sold_out = gs.money / 20 > it.price && owned >= 2 && it.kind == kind_goods && draw(2) == 0;
  if (sold_out) sell_out(gs.goods_list, n, sold_out_item);
  update_money_lines();
}

void print_action() {
  const int d = gs.sel_item;
  if (d < 0 || d >= flyer_count) return;
  const titem& design = tirasi[std::size_t(d)];
  if (!pay_for(design)) return;
  hide_item_box();
  gs.flyer_kind = d;
  gs.flyer_used = 0;
  post_speech(TR("おっけ～"));
  post_speech(TRF("%sなチラシを印刷したわーよ", design.name));
  if (draw(5) == 0) {
    post_speech(TR("オマケでこれあげーるよ、うれしーでしょ"));
    if (hooks.gain_item) hooks.gain_item(bonus_seal);
  }
  show_mode_switch(true);
  set_panel_mode(buy_mode());
  post_speech(TR("じゃあまったねーーーん"));
  if (hooks.end_day) hooks.end_day();
}

}  // namespace game
