#include "shell/status_panel.h"

#include <algorithm>
#include <cstdint>

#include "platform/i18n.h"
#include "platform/sjis.h"
#include "shell/hooks.h"
#include "shell/line_text.h"
#include "shell/state.h"

namespace game {

namespace {

using plat::RGB;
using plat::rgb;

constexpr rgb white = RGB(255, 255, 255);
constexpr rgb cyan = RGB(0, 255, 255);

plat::TextStyle text_style(int point, rgb colour) {
  plat::TextStyle st;
  st.point = point;
  st.bold = true;
  st.colour = colour;
  return st;
}

// Divisions of the panel: a zero (or, from a damaged state, negative) divisor counts as 1, and
// products are taken wide so that no value of the state can overflow them.
long long share(long long n, long long d) {
  return n / std::max<long long>(d, 1);
}

// A gauge length in pixels, kept to what can be seen (the bar may run past the right edge).
int gauge_width(long long w) {
  return int(std::clamp<long long>(w, 0, 1000));
}

// The colour of a number by the share it stands for: dark red when little is left or reached,
// white when most is; the quota and satisfaction turn cyan once reached in full.
rgb band_colour(long long s, bool cyan_when_reached) {
  if (s <= 10) return RGB(128, 0, 0);
  if (s <= 20) return RGB(255, 0, 0);
  if (s <= 30) return RGB(255, 119, 68);
  if (s <= 50) return RGB(255, 204, 85);
  if (s <= 65) return RGB(255, 255, 187);
  if (s <= 75) return RGB(255, 255, 221);
  if (cyan_when_reached && s >= 100) return cyan;
  return white;
}

// A displayed value's step toward the true one: a `part`-th of the gap and one more (the step
// never passes the value).
void ease(int& shown, int value, int part) {
  if (shown > value) shown = int(shown - ((static_cast<long long>(shown) - value) / part + 1));
  if (shown < value) shown = int(shown + ((static_cast<long long>(value) - shown) / part + 1));
}

// A short coloured bar over its shadow, one of the three small gauges of the left half.
void small_gauge(plat::Canvas& cg, int p, int top, int w, rgb bar) {
  cg.fill_rect(45 + p, top, w, 5, RGB(68, 34, 0));
  cg.fill_rect(44 + p, top, w, 3, bar);
}

// The panel's texts stand on whatever the scene shows behind them, pale shelves as well as the
// night: each is drawn over a thin dark rim so that it reads on both.
constexpr rgb rim = RGB(48, 16, 40);

void rimmed_text(plat::Canvas& cg, int x, int y, std::string_view text, const plat::TextStyle& st) {
  plat::TextStyle dark = st;
  dark.colour = rim;
  cg.text_out(x - 1, y, text, dark);
  cg.text_out(x + 1, y, text, dark);
  cg.text_out(x, y - 1, text, dark);
  cg.text_out(x, y + 1, text, dark);
  cg.text_out(x, y, text, st);
}

// A right-aligned line of a small label, a large number and a small unit.
void right_line(plat::Canvas& cg, int right, std::string_view label, std::string_view number,
                std::string_view unit, const plat::TextStyle& small, const plat::TextStyle& big,
                int small_y, int big_y) {
  const int wl = plat::Canvas::text_width(label, small);
  const int wn = plat::Canvas::text_width(number, big);
  const int wu = plat::Canvas::text_width(unit, small);
  const int x = right - (wl + wn + wu);
  rimmed_text(cg, x, small_y, label, small);
  rimmed_text(cg, x + wl, big_y, number, big);
  rimmed_text(cg, x + wl + wn, small_y, unit, small);
}

void right_aligned(plat::Canvas& cg, int right, int y, std::string_view text,
                   const plat::TextStyle& st) {
  rimmed_text(cg, right - plat::Canvas::text_width(text, st), y, text, st);
}

std::string_view design_name(int design) {
  return hooks.design_name ? hooks.design_name(design) : std::string_view();
}

void draw_left(plat::Canvas& cg, int p) {
  const plat::TextStyle small = text_style(8, white);
  {
    line_text t;
    t.format(TR("オープンから %d日目"), {gs.day});
    rimmed_text(cg, 3 + p, 2, t.view(), small);
  }
  {
    const std::string_view head = TR("閉店まで ");
    line_text n;
    n << gs.hours_left;
    const long long s = share(static_cast<long long>(gs.hours_left) * 100, gs.clerk_lv + 8);
    const plat::TextStyle big = text_style(12, band_colour(s, false));
    const int wh = plat::Canvas::text_width(head, small);
    const int wn = plat::Canvas::text_width(n.view(), big);
    rimmed_text(cg, 3 + p, 15, head, small);
    rimmed_text(cg, 3 + p + wh, 10, n.view(), big);
    rimmed_text(cg, 3 + p + wh + wn, 15, TRN(" 時間", " 時間", gs.hours_left), small);
  }
  const bool award_due = gs.lovely >= static_cast<long long>(gs.award_count) + 10;
  const plat::TextStyle label = text_style(7, white);
  const plat::TextStyle lit = text_style(7, cyan);
  rimmed_text(cg, 3 + p, 35, TR("ラブリー "), award_due ? lit : label);
  rimmed_text(cg, 3 + p, 45, TR("　ふまん "), gs.bad_service > 9 ? lit : label);
  rimmed_text(cg, 3 + p, 55, TR("クレーム "), gs.poor_stock > 9 ? lit : label);
  {
    line_text t;
    t.format(TR("%sショップ"), {design_name(gs.shop_image)});
    // Its own plum shadow lies between the rim and the pink name.
    rimmed_text(cg, 3 + p, 70, t.view(), text_style(8, RGB(255, 119, 170)));
    cg.text_out(4 + p, 71, t.view(), text_style(8, RGB(136, 17, 102)));
    cg.text_out(3 + p, 70, t.view(), text_style(8, RGB(255, 119, 170)));
  }
}

void draw_right(plat::Canvas& cg, int p) {
  const int right = 385 - p;
  const plat::TextStyle small = text_style(8, white);
  {
    line_text n;
    n << gs.sales_today;
    right_line(cg, right, TR("売り上げ \\ "), n.view(), TR(" 円"), small, text_style(11, white), 33,
               29);
  }
  {
    const long long r = share(static_cast<long long>(gs.sales_today) * 100, gs.quota);
    line_text n;
    n << std::min<long long>(r, 100);
    right_line(cg, right, TR("売り上げノルマ "), n.view(), TR(" ％"), small,
               text_style(15, band_colour(r, true)), 50, 43);
  }
  {
    const long long t = share(static_cast<long long>(gs.satisfaction) * 100, gs.satis_goal);
    line_text n;
    n << gs.satisfaction;
    right_line(cg, right, TR("客の満足度 "), n.view(), TR(" ％"), small,
               text_style(15, band_colour(t, true)), 80, 73);
  }
  const plat::TextStyle nine = text_style(9, white);
  {
    line_text t;
    t.format(TR("LV: %d"), {gs.clerk_lv});
    right_aligned(cg, right, 105, t.view(), nine);
  }
  ease(gs.money_shown, gs.money, 5);  // the cash a fifth at a time
  {
    line_text t;
    t.format(TR("金:￥%d円"), {gs.money_shown});
    right_aligned(cg, right, 118, t.view(), nine);
  }
}

// The card of the selected goods, sliding in from the right and out again.
void draw_item_card(plat::Canvas& cg) {
  if (gs.item_card <= 0) return;
  const int id = gs.sel_item;
  const std::string_view name = hooks.item_name ? hooks.item_name(id) : std::string_view();
  if (name.empty() || id < 0 || id >= static_cast<int>(gs.stock.size())) return;
  const int right = 390 + gs.item_card_x;
  right_aligned(cg, right, 135, name, text_style(9, RGB(187, 0, 119)));
  std::array<std::string_view, 3> lines;
  const int n =
      description_lines(hooks.item_info ? hooks.item_info(id) : std::string_view(), lines);
  const plat::TextStyle desc = text_style(8, RGB(204, 34, 119));
  for (int i = 0; i < n; ++i) right_aligned(cg, right, 150 + 10 * i, lines[std::size_t(i)], desc);
  {
    line_text t;
    t.format(TR("在庫 %d"), {gs.stock[std::size_t(id)]});
    right_aligned(cg, right, 180, t.view(), text_style(8, RGB(207, 39, 127)));
  }
  int& x = gs.item_card_x;
  if (gs.item_card == 1 && x > 0) {
    x -= x / 2 + 1;
  } else if (gs.item_card == 2 && x < 200) {
    x += (200 - x) / 4 + 1;
    if (x > 199) gs.item_card = 0;
  }
}

}  // namespace

plat::TextStyle panel_text_style(int point) {
  return text_style(point, white);
}

int description_lines(std::string_view info, std::array<std::string_view, 3>& lines) {
  lines = {};
  if (plat::breaks_at_blanks() && plat::is_ascii(info)) {
    // A translation's words stay whole: each of the first two lines ends before a blank within
    // its 22 bytes, and the third takes the rest, as the Japanese card does.
    int n = 0;
    while (!info.empty() && n < 2) {
      const plat::blank_cut c = plat::break_at_blank(info, 22);
      if (c.next >= info.size()) break;
      lines[std::size_t(n++)] = info.substr(0, c.length);
      info.remove_prefix(c.next);
    }
    lines[std::size_t(n++)] = info;
    return n;
  }
  if (info.size() < 22) {
    lines[0] = info;
    return 1;
  }
  // The byte where a cut at `at` may fall without halving a character.
  auto cut_before = [&](std::size_t from, std::size_t at) {
    std::size_t i = from;
    while (i < at && i < info.size()) {
      const std::size_t next = i + (plat::is_lead_byte(std::uint8_t(info[i])) ? 2 : 1);
      if (next > at) break;
      i = next;
    }
    return i;
  };
  const std::size_t a = cut_before(0, 22);
  lines[0] = info.substr(0, a);
  if (info.size() < 44) {
    lines[1] = info.substr(a);
    return 2;
  }
  const std::size_t b = cut_before(a, 44);
  lines[1] = info.substr(a, b - a);
  lines[2] = info.substr(b);
  return 3;
}

void draw_status_panel(plat::Canvas& cg) {
  if (!gs.panel_visible) return;
  // 1. The halves slide in from their sides.
  if (gs.panel_x < 0) gs.panel_x += (-gs.panel_x) / 4 + 1;
  const int p = gs.panel_x;
  // 2. Hours to closing: 95 pixels for a full day.
  cg.fill_rect(3 + p, 29, 95, 2, RGB(0, 34, 68));
  cg.fill_rect(
      2 + p, 27,
      gauge_width(share(static_cast<long long>(gs.hours_shown) * 950, gs.clerk_lv + 8) / 10), 2,
      RGB(51, 221, 255));
  // 3. Lovely points toward the next award, and the two counts that turn into rumours; each
  //    blinks on even ticks once it is due.
  const bool even = gs.frame_counter % 2 == 0;
  const long long award_at = static_cast<long long>(gs.award_count) + 10;
  small_gauge(cg, p, 38, gauge_width(share(static_cast<long long>(gs.lovely) * 400, award_at) / 10),
              even && gs.lovely >= award_at ? RGB(255, 119, 238) : RGB(255, 51, 170));
  small_gauge(cg, p, 48, gauge_width(4LL * gs.bad_service),
              even && gs.bad_service > 9 ? RGB(255, 153, 119) : RGB(255, 85, 51));
  small_gauge(cg, p, 58, gauge_width(4LL * gs.poor_stock),
              even && gs.poor_stock > 9 ? RGB(255, 255, 136) : RGB(255, 221, 51));
  // 4. Takings against the quota: the bar runs on past the edge once the quota is passed.
  cg.fill_rect(285 - p, 64, 100, 2, RGB(68, 68, 0));
  cg.fill_rect(284 - p, 62,
               gauge_width(share(static_cast<long long>(gs.sales_shown) * 100, gs.quota)), 2,
               RGB(204, 255, 0));
  // 5. Satisfaction with the day's goal marked.
  cg.fill_rect(285 - p, 94, 100, 2, RGB(0, 68, 68));
  cg.fill_rect(284 - p, 92, gauge_width(gs.satisfaction_shown), 2, RGB(0, 255, 204));
  const int goal_x = 285 - p + std::max(gs.satis_goal, 1);
  cg.line(goal_x, 90, goal_x, 98, RGB(255, 255, 0));
  // 6. The gauges follow their values a tenth of the gap at a time.
  ease(gs.hours_shown, gs.hours_left, 10);
  ease(gs.satisfaction_shown, gs.satisfaction, 10);
  ease(gs.sales_shown, gs.sales_today, 10);
  // 7., 8. The texts, then the card of the selected goods.
  draw_left(cg, p);
  draw_right(cg, p);
  draw_item_card(cg);
}

}  // namespace game
