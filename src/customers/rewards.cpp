#include "customers/rewards.h"

#include <algorithm>
#include <climits>
#include <string>

#include "customers/roster.h"
#include "customers/service.h"
#include "effects/effects.h"
#include "goods/catalogue.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

void announce_money(int amount) {
  play_sound(1, SJ("coin.wav"));
  post_colored(TRF("お金 %d円を入手", amount), SJ("yellow2"));
}

// A hand-edited progress file may hold any count or fondness: adding to it never wraps round.
int plus(int a, int b) {
  return int(std::clamp<long long>((long long)a + b, INT_MIN, INT_MAX));
}

bool named_item(int id) {
  return id >= 0 && id < item_count && !item[id].name.empty();
}

}  // namespace

void receive_payment(int amount) {
  if (amount == 0) return;
  gs.money += amount;
  gs.sales_today += amount;
  announce_money(amount);
  if (gs.chain >= 2) chain_bonus((amount / 10) * (gs.chain - 1));
  wait_click();
}

void receive_money(int amount) {
  if (amount == 0) return;
  gs.money += amount;
  announce_money(amount);
  wait_click();
}

void chain_bonus(int amount) {
  if (amount == 0) return;
  gs.money += amount;
  gs.sales_today += amount;
  play_sound(1, SJ("coin.wav"));
  // The backslash is the yen sign of the Japanese font.
  post_colored(TRF("%d chain bonus > + \\%d", gs.chain, amount), SJ("yellow2"));
}

int satisfaction_bonus(int lv) {
  static constexpr int low_levels[] = {10, 9, 8, 7, 5, 3, 2};
  if (lv >= 0 && lv <= 6) return low_levels[lv];
  if (lv >= 7 && lv <= 99) return 1;
  return 0;
}

void change_satisfaction(int amount) {
  if (amount == 0) return;
  if (amount > 0) {
    amount += satisfaction_bonus(gs.clerk_lv);
    gs.satisfaction += amount;
    play_sound(3, SJ("exp.wav"));
    spawn_effect(330, 120, 157);
    post_colored(TRF("お客の満足度 %dUP", amount), SJ("yellow"));
  } else {
    gs.satisfaction += amount;
    play_sound(3, SJ("down.wav"));
    post_colored(TRF("お客の満足度 %dDOWN", -amount), SJ("red"));
  }
  wait_click();
}

void add_fondness(int man_no, int step) {
  if (man_no < 0 || man_no >= man_count || man[man_no].name.empty()) return;
  int& fond = gs.man_fond[man_no];
  fond = plus(fond, step);
  if (fond < 0) fond = 0;
  if (fond < 10) return;
  fond = 0;
  // He hands over presents of his own when a seal pleases him.
  if (man_no == 25) return;
  if (draw(2) == 0) {
    gs.bad_service -= 1;
    gs.poor_stock -= 1;
  }
  play_sound(3, SJ("kira.wav"));
  spawn_effect(195, 110, 140);
  post_speech(TR("そうだ…"));
  post_speech(TR("いつも可愛いチールありがとう"));
  post_speech(TR("お礼にこれあげるね。"));
  gain_items(man[man_no].gift, draw(3) + 1);
}

void gain_item(int id) {
  gain_items(id, 1);  // "を 1個入手した": the one-unit message is the general one
}

void gain_items(int id, int count) {
  if (!named_item(id)) return;
  play_sound(4, SJ("item.wav"));
  gs.stock[id] = plus(gs.stock[id], count);
  post_colored(TRF("Item【%s】を %d個入手した(所持:%d個)", item[id].name, count, gs.stock[id]),
               SJ("green"));
  wait_click();
}

}  // namespace game
