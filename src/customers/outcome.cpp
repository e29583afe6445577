// The end of every customer's visit: the price the customer pays, the tip or the refusal the
// service earned, the customer leaving the counter and one hour less until closing.
#include "customers/outcome.h"

#include <climits>
#include <cstdint>

#include "customers/closing.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

// The shop's mark-up on a list price: the dearer the goods, the smaller the share.
std::int64_t marked_up(std::int64_t p) {
  if (p < 0 || p >= 100000) return p;
  static constexpr struct {
    int below;
    int divisor;  // 1: the price is doubled
  } bands[] = {{50, 1},  {100, 2},  {150, 3},  {200, 4},  {300, 5},
               {500, 6}, {1000, 7}, {2000, 8}, {5000, 9}, {100000, 10}};
  for (const auto& b : bands)
    if (p < b.below) return p + p / b.divisor;
  return p;
}

// A customer who may walk out without paying a plain payment, one time in five.
bool walks_out(const tman& m, const char* name, const char* line, const char* announcement) {
  if (m.name != plat::tr(name) || draw(5) != 0) return false;
  post_speech(plat::tr(line));
  post_colored(plat::tr(announcement), SJ("red"));
  return true;
}

}  // namespace

int customer_price(int price) {
  std::int64_t x = marked_up(price);
  if (gs.mode == 0) x += x / 3;
  if (gs.mode == 1) x += x / 6;
  // Worked out wide: a price near the top of the range must not wrap round into a loss.
  if (x > INT_MAX) return INT_MAX;
  if (x < INT_MIN) return INT_MIN;
  return int(x);
}

void finish_service(int code) {
  int b = customer_price(entry_of(gs.sel_item).price);

  if (gs.ex_wrap == 1 && code <= 1) {
    play_sound(2, SJ("ex_fukuro.wav"));
    post_colored(TR("Ex包装＞チップUp!!"), SJ("yellow"));
    gs.ex_wrap = 0;
    b += b / 2;
  }
  if (gs.shop_image == 11 && code == outcome_big_tip) b += b / 2;

  switch (code) {
    case outcome_big_tip:
      post_colored(TR("チップを大量に代金に加算してくれた"), SJ("yellow2"));
      receive_payment(b * 2);
      break;
    case outcome_tip:
      post_colored(TR("チップを代金に加算してくれた"), SJ("yellow2"));
      receive_payment(b + b / 2);
      break;
    case outcome_small_tip:
      post_colored(TR("チップを少しだけ代金に加算してくれた"), SJ("yellow2"));
      receive_payment(b + b / 4);
      break;
    case outcome_paid: {
      const tman& m = current_customer();
      if (walks_out(m, N_("ギャラガ"), N_("あ…お金がなかったです…すみません…"),
                    N_("お金を払ってくれなかった....")))
        b = 0;
      if (walks_out(m, N_("白川シキ"), N_("（何かを考え事をしているようだ…）"),
                    N_("お金を払わずに帰ってしまった....")))
        b = 0;
      receive_payment(b);
      break;
    }
    case outcome_half:
      post_colored(TR("お金を半分しか払ってくれなかった.."), SJ("red"));
      receive_payment(b - b / 2);  // the customer keeps the smaller half
      break;
    case outcome_unpaid:
      post_colored(TR("お金を払ってくれなかった...."), SJ("red"));
      wait_click();
      break;
    default:
      break;  // no sale: nothing to say
  }

  // The customer goes; the card slides away and the stuck seal leaves with the goods.
  set_customer_picture(SJ("not.bmp"));
  gs.item_card = 2;
  gs.seal_box_state = 0;

  gs.hours_left -= 1;
  if (gs.hours_left > 0)
    show_menu(SJ(""), SJ(""), TR("次"));
  else
    close_shop();
}

}  // namespace game
