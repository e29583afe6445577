// The item panel: its controls, its list, the details of the selected line, its three buttons,
// its drawing over the window image and its share of the mouse and keys.
#include "goods/item_panel.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "goods/catalogue.h"
#include "goods/stocking.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/json_out.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

using plat::rgb;
using plat::RGB;

// ---- layout, in picture pixels (the panel stands at the picture's top-left) ----
struct rect {
  int x, y, w, h;
  bool holds(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};
constexpr rect panel_area{0, 0, 389, 265};
constexpr rect detail_box{4, 4, 213, 161};     // item_l
constexpr rect money_strip{4, 168, 213, 17};   // gold_bak_l
constexpr rect coin_icon{72, 166, 20, 20};     // Image3
constexpr rect money_label{96, 168, 117, 17};  // gold_l
constexpr rect totals_label{4, 188, 213, 17};  // gold_l2
constexpr rect action_button{4, 208, 213, 25};
constexpr rect action_label{64, 215, 97, 12};
constexpr rect close_button{4, 236, 105, 25};
constexpr int close_label_x = 40, close_label_y = 243;
constexpr rect switch_button{112, 236, 105, 25};
constexpr rect switch_label{116, 243, 97, 12};
constexpr int picture_x = 188, picture_y = 136;  // item_box_cg
constexpr rect list_box{220, 8, 165, 252};       // item_list

// Inside the detail box the text keeps a little air from the edges.
constexpr int detail_pad = 3;
// Inside the list: where a line's text starts in its row.
constexpr int line_x = 2, line_y = 1;
// The slim scroll bar at the list's right edge (list coordinates), shown when the lines do not
// all fit; the part of the list that answers to it is a little wider than what is drawn.
constexpr int bar_x = 160, bar_w = 5, bar_zone_x = 155;
constexpr int bar_top = 2, bar_h = 248, thumb_min_h = 14;
constexpr int wheel_lines = 3;             // lines scrolled per notch
constexpr int page_lines = list_rows - 1;  // lines moved by a page key or a press on the track

constexpr int max_lines = 202;  // wrappings, the separator and seals from 100 slots at most
constexpr int max_detail_lines = 40;

// ---- the panel's state: what its controls hold ----
bool visible_ = false;
bool switch_shown_ = true;
sjis mode_;                  // caption of item_b
sjis switch_caption_;        // caption of item_l2
sjis detail_;                // caption of item_l
sjis money_, totals_;        // captions of gold_l and gold_l2
plat::Bitmap item_picture_;  // item_box_cg; empty = cleared

std::array<sjis, max_lines> lines_;
int line_count_ = 0;
int selected_ = -1;
int top_ = 0;

// The pointer held down on the list: choosing lines, or dragging the scroll bar's thumb.
bool choosing_ = false;
bool dragging_ = false;
int grab_dy_ = 0;

std::array<text_span, max_detail_lines> detail_spans_;
int detail_lines_ = 0;
bool detail_wrapped_ = false;

// The palette of the last list built (the print mode keeps it).
struct palette {
  rgb label_bg;   // item_l, gold_bak_l, gold_l, gold_l2
  rgb list_bg;    // item_list
  rgb text;       // item_l and the list
  rgb list_text;  // the list (the palettes set both to `text`)
  rgb accent;     // the selected line's band
};
constexpr palette first_palette{RGB(0x1C, 0x2B, 0x1E), RGB(0x11, 0x17, 0x13), RGB(0xDC, 0xF1, 0xE7),
                                RGB(0xEB, 0xE9, 0xBE), RGB(0x2F, 0x6E, 0x50)};
constexpr palette buy_palette{RGB(0x29, 0x1D, 0x28), RGB(0x17, 0x11, 0x16), RGB(0xEB, 0xE9, 0xBE),
                              RGB(0xEB, 0xE9, 0xBE), RGB(0x8E, 0x3A, 0x6E)};
constexpr palette stock_palette{RGB(0x1C, 0x2B, 0x1E), RGB(0x11, 0x17, 0x13), RGB(0xDC, 0xF1, 0xE7),
                                RGB(0xDC, 0xF1, 0xE7), RGB(0x2F, 0x6E, 0x50)};
palette pal_ = first_palette;

constexpr rgb money_colour = RGB(0xFE, 0xEE, 0x81);
constexpr rgb totals_colour = RGB(0xFF, 0x28, 0xFF);
constexpr rgb caption_colour = RGB(0xFF, 0xFF, 0xFF);
constexpr rgb chosen_text = RGB(0xFF, 0xFA, 0xEE);

// The pictures the panel is made of, loaded at its first showing.
plat::Bitmap coin_, action_plate_, close_plate_, switch_plate_;
bool plates_loaded_ = false;

// Work images: the detail box and the list are drawn into their own areas, so nothing of them
// spills over the rest of the panel.
plat::Bitmap detail_img_(detail_box.w, detail_box.h);
plat::Bitmap list_img_(list_box.w, list_box.h);

// The panel's texts: the proportional Gothic at 12 pixels, bold; the list the fixed-pitch one, so
// the count column lines up.
plat::TextStyle style(plat::Face face, rgb colour) {
  plat::TextStyle s;
  s.face = face;
  s.point = 9;  // 12 pixels
  s.bold = true;
  s.colour = colour;
  return s;
}

constexpr rgb mix(rgb a, rgb b, int b_per_256) {
  auto ch = [&](int x, int y) { return (x * (256 - b_per_256) + y * b_per_256) / 256; };
  return RGB(ch(plat::red_of(a), plat::red_of(b)), ch(plat::green_of(a), plat::green_of(b)),
             ch(plat::blue_of(a), plat::blue_of(b)));
}

bool is_mode(const sjis& m) {
  return mode_ == m;
}
bool valid_item(int n) {
  return n >= 0 && n < item_count;
}
bool valid_flyer(int n) {
  return n >= 0 && n < flyer_count;
}
int stock_of(int n) {
  return valid_item(n) ? gs.stock[std::size_t(n)] : 0;
}

const sjis& separator_line() {
  return TR("   ――――――――――");
}
// The sold-out stand-in's line: its name behind an empty count column, so that the line finds
// the stand-in again.
sjis sold_out_line() {
  return "   " + item[sold_out_item].name;
}

void push_line(const sjis& text) {
  if (line_count_ >= max_lines) return;
  lines_[std::size_t(line_count_++)] = text;
}

void load_plates() {
  if (plates_loaded_) return;
  plates_loaded_ = true;
  auto load = [](plat::Bitmap& into, const char* name) {
    if (plat::read_bmp_file(cg_path(name), into) != plat::BmpError::none) into = plat::Bitmap();
  };
  load(coin_, "coin.bmp");
  load(action_plate_, "btn_action.bmp");
  load(close_plate_, "btn_close.bmp");
  load(switch_plate_, "btn_mode.bmp");
}

// ---- the list's scrolling ----
bool scrolls() {
  return line_count_ > list_rows;
}
int last_top() {
  return std::max(0, line_count_ - list_rows);
}
bool set_top(int t) {
  t = std::clamp(t, 0, last_top());
  if (t == top_) return false;
  top_ = t;
  return true;
}
void keep_selection_in_view() {
  if (selected_ < 0) return;
  if (selected_ < top_)
    set_top(selected_);
  else if (selected_ >= top_ + list_rows)
    set_top(selected_ - list_rows + 1);
}
int thumb_h() {
  return std::max(thumb_min_h, bar_h * list_rows / std::max(1, line_count_));
}
int thumb_y() {
  const int travel = bar_h - thumb_h();
  return bar_top + (last_top() == 0 ? 0 : travel * top_ / last_top());
}
// The top line for a thumb standing at list y `y`, to the nearest line.
int top_for_thumb(int y) {
  const int travel = bar_h - thumb_h();
  if (travel <= 0) return 0;
  const int off = std::clamp(y - bar_top, 0, travel);
  return (off * last_top() + travel / 2) / travel;
}

// The line under a list position, -1 for none.
int line_at(int ly) {
  if (ly < 0 || ly >= list_box.h) return -1;
  const int i = top_ + ly / list_row_height;
  return i < line_count_ ? i : -1;
}

void fill_details_buy_or_stock(bool buy) {
  const int n = gs.sel_item;
  if (!valid_item(n)) return;
  const titem& it = item[std::size_t(n)];
  set_detail_text(plat::format(buy ? TR("%s\r(所持: %d個)\r\r%s\r\r値段:\\ %d円")
                                   : TR("%s\r(在庫: %d個)\r\r%s\r\r卸値:\\ %d円"),
                               {it.name, stock_of(n), it.info, it.price}));
  if (!buy) return;  // the stocking mode leaves the picture as it is
  item_picture_ = plat::Bitmap();
  if (!it.pic.empty() && it.kind == kind_seal) {
    plat::Bitmap pic;
    if (plat::read_bmp_file(cg_path(it.pic), pic) == plat::BmpError::none) item_picture_ = pic;
  }
}

void fill_details_print() {
  const int n = gs.sel_item;
  if (!valid_flyer(n)) return;
  const titem& d = tirasi[std::size_t(n)];
  const bool known = gs.flyer_used != 0 && valid_flyer(gs.shop_image);
  const sjis effect =
      known ? TRF("%sショップとして認知されているよ☆", tirasi[std::size_t(gs.shop_image)].name)
            : TR("なし");
  set_detail_text(TRF("<チラシ>\r%sチラシ\r\r%s\r\r印刷費:\\ %d円\r\r<現在のチラシ効果>\r%s",
                      d.name, d.info, d.price, effect));
  plat::Bitmap pic;
  if (plat::read_bmp_file(cg_path("tirasi" + std::to_string(n) + ".bmp"), pic) ==
      plat::BmpError::none)
    item_picture_ = pic;
}

// Where item_box_cg stands: at its place, moved in just enough to stay inside the detail box
// when the picture is larger than a seal.
plat::Point picture_place() {
  const int w = item_picture_.width(), h = item_picture_.height();
  return {std::max(detail_box.x, std::min(picture_x, detail_box.x + detail_box.w - w)),
          std::max(detail_box.y, std::min(picture_y, detail_box.y + detail_box.h - h))};
}

void wrap_detail() {
  const plat::TextStyle st = style(plat::Face::pgothic, 0);
  detail_lines_ = std::min(max_detail_lines, wrap_text(detail_, detail_box.w - 2 * detail_pad, st,
                                                       detail_spans_.data(), max_detail_lines));
  detail_wrapped_ = true;
}

// ---- drawing ----
void draw_plate(plat::Canvas& w, const rect& r, const plat::Bitmap& plate) {
  if (!plate.empty())
    w.stretch_transparent(r.x, r.y, r.w, r.h, plate);
  else
    w.fill_rect(r.x, r.y, r.w, r.h, pal_.accent);  // its picture missing: still a button
}

void text_centred(plat::Canvas& w, const rect& r, const sjis& s, rgb colour, bool middle) {
  const plat::TextStyle st = style(plat::Face::pgothic, colour);
  const plat::Size sz = plat::Canvas::text_size(s, st);
  w.text_out(r.x + (r.w - sz.w) / 2, middle ? r.y + (r.h - sz.h) / 2 : r.y, s, st);
}

void draw_details(plat::Canvas& w) {
  plat::Canvas d(detail_img_);
  d.clear(pal_.label_bg);
  if (!detail_wrapped_) wrap_detail();
  const plat::TextStyle st = style(plat::Face::pgothic, pal_.text);
  const int lh = plat::Canvas::text_height("", st);
  const std::string_view all(detail_);
  for (int i = 0; i < detail_lines_; ++i) {
    const int y = detail_pad + i * lh;
    if (y >= detail_box.h) break;
    const text_span& sp = detail_spans_[std::size_t(i)];
    d.text_out(detail_pad, y, all.substr(std::size_t(sp.start), std::size_t(sp.len)), st);
  }
  w.copy(detail_box.x, detail_box.y, detail_img_);
  if (!item_picture_.empty()) {
    const plat::Point p = picture_place();
    w.draw_transparent(p.x, p.y, item_picture_);
  }
}

void draw_list(plat::Canvas& w) {
  plat::Canvas l(list_img_);
  l.clear(pal_.list_bg);
  plat::TextStyle st = style(plat::Face::gothic, pal_.list_text);
  const int text_w = scrolls() ? bar_zone_x : list_box.w;
  for (int row = 0; row < list_rows; ++row) {
    const int i = top_ + row;
    if (i >= line_count_) break;
    const int y = row * list_row_height;
    if (i == selected_) {
      l.fill_rect(0, y, text_w, list_row_height, pal_.accent);
      st.colour = chosen_text;
    } else {
      st.colour = pal_.list_text;
    }
    l.text_out(line_x, y + line_y, lines_[std::size_t(i)], st);
  }
  if (scrolls()) {
    // The lines end where the bar begins; the bar is a pale track with a brighter thumb.
    l.fill_rect(text_w, 0, list_box.w - text_w, list_box.h, pal_.list_bg);
    l.fill_rect(bar_x, bar_top, bar_w, bar_h, mix(pal_.list_bg, pal_.list_text, 28));
    const rgb thumb = dragging_ ? pal_.list_text : mix(pal_.list_bg, pal_.list_text, 140);
    const int ty = thumb_y(), th = thumb_h();
    l.fill_rect(bar_x, ty + 1, bar_w, th - 2, thumb);
    l.fill_rect(bar_x + 1, ty, bar_w - 2, th, thumb);  // rounded ends
  }
  w.copy(list_box.x, list_box.y, list_img_);
}

}  // namespace

// ---- modes and captions ----
const sjis& buy_mode() {
  return TR("買う");
}
const sjis& stock_mode() {
  return TR("仕入れる");
}
const sjis& print_mode() {
  return TR("印刷");
}

const sjis& panel_mode() {
  if (mode_.empty()) mode_ = TR("使う");  // the caption the form starts with
  return mode_;
}
void set_panel_mode(const sjis& caption) {
  mode_ = caption;
}
const sjis& mode_switch_caption() {
  if (switch_caption_.empty()) switch_caption_ = TR("仕入れモード");
  return switch_caption_;
}
void set_mode_switch_caption(const sjis& caption) {
  switch_caption_ = caption;
}
void show_mode_switch(bool shown) {
  switch_shown_ = shown;
}
bool mode_switch_shown() {
  return switch_shown_;
}
const sjis& detail_text() {
  return detail_;
}
void set_detail_text(const sjis& text) {
  detail_ = text;
  detail_wrapped_ = false;
}
void clear_item_picture() {
  item_picture_ = plat::Bitmap();
}
void show_item_box() {
  load_plates();
  visible_ = true;
}
void hide_item_box() {
  visible_ = false;
  choosing_ = dragging_ = false;
}
bool item_box_visible() {
  return visible_;
}

// ---- the list ----
sjis count_column(int count) {
  // A count below 0 (a damaged progress file) shows as none, keeping the column three bytes wide.
  if (count <= 0) return "   ";
  if (count >= 100) return {};
  // Built in place: GCC 12's Release build takes " " + to_string(n) for an overlapping copy.
  sjis column = count < 10 ? " ?" : "??";
  if (count < 10) {
    column[1] = char('0' + count);
  } else {
    column[0] = char('0' + count / 10);
    column[1] = char('0' + count % 10);
  }
  column += ' ';
  return column;
}

void update_money_lines() {
  money_ = TRF("%d円", gs.money);
  totals_ = TRF("チール総数: %d枚 / 在庫総数: %d個", owned_seals_total(), owned_goods_total());
}
const sjis& money_line() {
  return money_;
}
const sjis& totals_line() {
  return totals_;
}

void add_line(const sjis& name) {
  push_line(count_column(stock_of(find_item(name))) + name);
}

void build_list() {
  line_count_ = 0;
  selected_ = -1;
  top_ = 0;
  choosing_ = dragging_ = false;
  gs.sel_item = -1;
  update_money_lines();
  if (is_mode(buy_mode())) {
    pal_ = buy_palette;
    for (int kind : {kind_wrapping, kind_seal}) {
      if (kind == kind_seal) push_line(separator_line());
      for (int id : gs.buy_list)
        if (valid_item(id) && !item[std::size_t(id)].name.empty() &&
            item[std::size_t(id)].kind == kind)
          add_line(item[std::size_t(id)].name);
    }
  } else if (is_mode(stock_mode())) {
    pal_ = stock_palette;
    for (int id : gs.goods_list)
      if (valid_item(id) && !item[std::size_t(id)].name.empty())
        add_line(item[std::size_t(id)].name);
  } else if (is_mode(print_mode())) {
    gs.sel_item = -1;
    show_mode_switch(false);
    // The design the shop is known by now is not offered again.
    for (int d = 0; d < flyer_count; ++d) {
      const titem& t = tirasi[std::size_t(d)];
      if (!t.name.empty() && t.min_lv <= gs.clerk_lv && d != gs.shop_image)
        push_line(TRF("%sチラシ", t.name));
    }
  }
}

void refresh_line(int n) {
  if (selected_ < 0 || selected_ >= line_count_ || !valid_item(n)) return;
  lines_[std::size_t(selected_)] = count_column(stock_of(n)) + item[std::size_t(n)].name;
}

void mark_selected_sold_out() {
  if (selected_ < 0 || selected_ >= line_count_) return;
  lines_[std::size_t(selected_)] = sold_out_line();
}

void show_selection() {
  if (selected_ < 0 || selected_ >= line_count_) return;
  const sjis& line = lines_[std::size_t(selected_)];
  if (line == separator_line()) {
    gs.sel_item = -1;
    set_detail_text({});
    return;
  }
  const int before = gs.sel_item;
  int found = 0;
  if (is_mode(print_mode())) {
    for (int d = 0; d < flyer_count; ++d) {
      const sjis& name = tirasi[std::size_t(d)].name;
      if (!name.empty() && line == TRF("%sチラシ", name)) found = d;
    }
  } else {
    // The whole line, or the line without its count column: a count of 100 or more has none.
    const std::string_view whole(line);
    const std::string_view named = whole.size() > 3 ? whole.substr(3) : std::string_view();
    for (int n = 0; n < item_count; ++n) {
      const sjis& name = item[std::size_t(n)].name;
      if (!name.empty() && (name == whole || name == named)) found = n;
    }
  }
  gs.sel_item = found;
  if (found != before) play_sound(1, SJ("key2.wav"));

  if (is_mode(buy_mode()))
    fill_details_buy_or_stock(true);
  else if (is_mode(stock_mode()))
    fill_details_buy_or_stock(false);
  else if (is_mode(print_mode()))
    fill_details_print();
}

int list_count() {
  return line_count_;
}
const sjis& list_line(int i) {
  static const sjis none;
  return i >= 0 && i < line_count_ ? lines_[std::size_t(i)] : none;
}
int selected_line() {
  return selected_;
}
int top_line() {
  return top_;
}

// ---- what the player does ----
void select_line(int i) {
  if (!visible_ || i < 0 || i >= line_count_) return;
  selected_ = i;
  keep_selection_in_view();
  show_selection();
}

void press_action() {
  if (!visible_) return;
  // Nothing usable selected: the press is ignored.
  if (selected_ < 0 || selected_ >= line_count_) return;
  if (lines_[std::size_t(selected_)].empty() || gs.sel_item == -1) return;
  const bool printing = is_mode(print_mode());
  if (printing ? !valid_flyer(gs.sel_item) || tirasi[std::size_t(gs.sel_item)].name.empty()
               : !valid_item(gs.sel_item) || item[std::size_t(gs.sel_item)].name.empty())
    return;
  if (is_mode(buy_mode()))
    buy_action();
  else if (is_mode(stock_mode()))
    stock_action();
  else if (printing)
    print_action();
}

void press_mode_switch() {
  if (!visible_ || !switch_shown_) return;
  clear_item_picture();
  if (switch_caption_ == TR("仕入れモード")) {
    set_detail_text(TR(">> 仕入れモード <<\r\r売るための商品を仕入れまちょう★"));
    set_mode_switch_caption(TR("袋チールモード"));
    play_sound(1, SJ("box.wav"));
    set_panel_mode(stock_mode());
  } else {
    set_detail_text(TR(">> 袋チールモード <<\r\r袋や、チールをかいまちょう♪"));
    set_mode_switch_caption(TR("仕入れモード"));
    play_sound(1, SJ("box.wav"));
    set_panel_mode(buy_mode());
  }
  build_list();
}

void press_close() {
  if (!visible_) return;
  play_sound(1, SJ("back.wav"));
  hide_item_box();
  if (is_mode(print_mode())) {
    // The printer's visit is over without a print.
    show_mode_switch(true);
    set_panel_mode(buy_mode());
    post_speech(TR("じゃあまったねーーーん"));
    if (hooks.end_day) hooks.end_day();
    return;
  }
  // The evening is over.
  gs.panel_visible = 0;
  play_music(SJ("not"));
  if (gs.day == 0) {
    if (hooks.open_first_day) hooks.open_first_day();
    return;
  }
  show_and_wait(TR("『さーてと帰って寝よ・・・』"));
  if (window_closing()) return;  // no night for a closing game
  if (gs.stock[save_seal] >= 1) {
    gs.leaving_flag = 0;
    show_menu({}, TR("セーブ"), TR("帰って寝る"));
  } else if (hooks.dispatch) {
    hooks.dispatch(TR("帰って寝る"));
  }
}

// ---- mouse and keys ----
bool item_box_at(int x, int y) {
  return visible_ && panel_area.holds(x, y);
}

void item_box_press(plat::MouseButton b, int x, int y) {
  if (!visible_) return;
  if (list_box.holds(x, y)) {
    const int lx = x - list_box.x, ly = y - list_box.y;
    if (scrolls() && lx >= bar_zone_x) {
      if (b != plat::MouseButton::left) return;
      const int ty = thumb_y();
      if (ly < ty) {
        set_top(top_ - page_lines);
      } else if (ly >= ty + thumb_h()) {
        set_top(top_ + page_lines);
      } else {
        dragging_ = true;
        grab_dy_ = ly - ty;
      }
      return;
    }
    // The left button chooses a line; any press on the list shows the selection again.
    if (b == plat::MouseButton::left) {
      choosing_ = true;
      const int i = line_at(ly);
      if (i >= 0) selected_ = i;
    }
    show_selection();
    return;
  }
  // The buttons answer a press of either mouse button, on the plate or on its caption.
  if (action_button.holds(x, y) || action_label.holds(x, y))
    press_action();
  else if (close_button.holds(x, y))
    press_close();
  else if (switch_shown_ && (switch_button.holds(x, y) || switch_label.holds(x, y)))
    press_mode_switch();
}

void item_box_release(plat::MouseButton, int, int) {
  const bool chose = choosing_;
  choosing_ = dragging_ = false;
  if (visible_ && chose) show_selection();
}

bool item_box_move(int, int y) {
  if (!visible_) return false;
  const int ly = y - list_box.y;
  if (dragging_) return set_top(top_for_thumb(ly - grab_dy_));
  if (choosing_) {
    // The selection follows the pointer held down over the lines.
    const int i = line_at(std::clamp(ly, 0, list_box.h - 1));
    if (i < 0 || i == selected_) return false;
    selected_ = i;
    return true;
  }
  return false;
}

bool item_box_wheel(int notches, int, int) {
  if (!visible_ || notches == 0) return false;
  // Many notches at once (a flung wheel) stay within the list.
  const long long want = (long long)top_ + (long long)notches * wheel_lines;
  return set_top(int(std::clamp<long long>(want, 0, last_top())));
}

void item_box_key(plat::NavKey k) {
  if (!visible_ || line_count_ == 0) return;
  int s = selected_;
  switch (k) {
    case plat::NavKey::up:
      s = s < 0 ? 0 : s - 1;
      break;
    case plat::NavKey::down:
      s = s < 0 ? 0 : s + 1;
      break;
    case plat::NavKey::page_up:
      s = s < 0 ? 0 : s - page_lines;
      break;
    case plat::NavKey::page_down:
      s = s < 0 ? 0 : s + page_lines;
      break;
    case plat::NavKey::home:
      s = 0;
      break;
    case plat::NavKey::end:
      s = line_count_ - 1;
      break;
  }
  selected_ = std::clamp(s, 0, line_count_ - 1);
  keep_selection_in_view();
  show_selection();
}

void draw_item_box(plat::Canvas& w) {
  if (!visible_) return;
  w.fill_rect(panel_area.x, panel_area.y, panel_area.w, panel_area.h, 0);
  draw_details(w);
  w.fill_rect(money_strip.x, money_strip.y, money_strip.w, money_strip.h, pal_.label_bg);
  if (!coin_.empty()) w.draw_transparent(coin_icon.x, coin_icon.y, coin_);
  {
    const plat::TextStyle st = style(plat::Face::pgothic, money_colour);
    const int h = plat::Canvas::text_height(money_, st);
    w.text_out(money_label.x, money_label.y + (money_label.h - h) / 2, money_, st);
  }
  w.fill_rect(totals_label.x, totals_label.y, totals_label.w, totals_label.h, pal_.label_bg);
  text_centred(w, totals_label, totals_, totals_colour, true);

  draw_plate(w, action_button, action_plate_);
  text_centred(w, action_label, panel_mode(), caption_colour, false);
  draw_plate(w, close_button, close_plate_);
  {
    const plat::TextStyle st = style(plat::Face::pgothic, caption_colour);
    w.text_out(close_label_x, close_label_y, TR("閉じる"), st);
  }
  if (switch_shown_) {
    draw_plate(w, switch_button, switch_plate_);
    text_centred(w, switch_label, mode_switch_caption(), caption_colour, false);
  }
  draw_list(w);
}

std::string item_panel_json() {
  std::string out = "{";
  json::key(out, "visible");
  out += visible_ ? "true" : "false";
  out += ',';
  json::key(out, "mode");
  json::text(out, panel_mode());
  out += ',';
  json::key(out, "mode_switch");
  if (switch_shown_)
    json::text(out, mode_switch_caption());
  else
    out += "null";
  out += ',';
  json::key(out, "lines");
  out += '[';
  for (int i = 0; i < line_count_; ++i) {
    if (i) out += ',';
    json::text(out, lines_[std::size_t(i)]);
  }
  out += "],";
  json::key(out, "selected");
  out += std::to_string(selected_) + ',';
  json::key(out, "top");
  out += std::to_string(top_) + ',';
  json::key(out, "detail");
  json::text(out, detail_);
  out += ',';
  json::key(out, "money");
  json::text(out, money_);
  out += ',';
  json::key(out, "totals");
  json::text(out, totals_);
  return out + "}";
}

void install_item_panel() {
  hooks.item_box_at = item_box_at;
  hooks.item_box_shown = item_box_visible;
  hooks.draw_item_box = draw_item_box;
  hooks.item_box_press = item_box_press;
  hooks.item_box_release = item_box_release;
  hooks.item_box_move = item_box_move;
  hooks.item_box_wheel = item_box_wheel;
  hooks.item_box_key = item_box_key;
}

// ---- word-wrapping ----
namespace {

// Closing punctuation, small kana and the long vowel mark never begin a line; opening brackets
// never end one.
bool no_line_start(char32_t c) {
  constexpr std::u32string_view marks =
      U"、。，．・：；？！ー）」』】〉》’”～〜…‥ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ゛゜ヽ"
      U"ヾゝゞ々"
      U")]},.!?:;｡､ｰ";
  return marks.find(c) != std::u32string_view::npos;
}

bool no_line_end(char32_t c) {
  constexpr std::u32string_view marks = U"（「『【〈《‘“([{｢";
  return marks.find(c) != std::u32string_view::npos;
}

// Japanese text breaks between any two characters; Latin text only at blanks.
bool japanese(char32_t c) {
  return c >= 0x2000;
}

}  // namespace

plat::TextStyle list_text_style() {
  return style(plat::Face::gothic, 0);
}

bool detail_text_fits(const sjis& text) {
  const plat::TextStyle st = style(plat::Face::pgothic, 0);
  std::array<text_span, max_detail_lines> spans;
  const int n = wrap_text(text, detail_box.w - 2 * detail_pad, st, spans.data(), max_detail_lines);
  return detail_pad + n * plat::Canvas::text_height("", st) <= detail_box.h;
}

int wrap_text(std::string_view s, int width, const plat::TextStyle& st, text_span* out,
              int max_lines) {
  int n = 0;
  auto flush = [&](std::size_t a, std::size_t b) {
    if (n < max_lines) out[n] = text_span{int(a), int(b - a)};
    ++n;
  };
  std::size_t start = 0;  // of the line being filled
  int w = 0;              // its width so far
  std::size_t brk = 0;    // the last place it may break, 0 = none yet
  int w_brk = 0;          // its width up to there
  char32_t prev = 0;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c == '\r' || c == '\n') {
      flush(start, i);
      i += (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ? 2 : 1;
      start = i, w = 0, brk = 0, prev = 0;
      continue;
    }
    std::size_t next = i;
    const char32_t cp = plat::decode_display_char(s, next);
    if (i > start && prev != 0) {
      const bool after_blank = prev == U' ' && cp != U' ';
      const bool between_words = japanese(prev) || japanese(cp);
      if ((after_blank || between_words) && !no_line_start(cp) && !no_line_end(prev))
        brk = i, w_brk = w;
    }
    const int cw = plat::Canvas::text_width(s.substr(i, next - i), st);
    if (w + cw > width && i > start) {
      if (cp == U' ') {
        // A blank at the edge ends the line and is not carried to the next.
        flush(start, i);
        while (i < s.size() && s[i] == ' ') ++i;
        start = i, w = 0, brk = 0, prev = 0;
        continue;
      }
      const bool at_brk = brk > start;
      const std::size_t cut = at_brk ? brk : i;
      flush(start, cut);
      w = at_brk ? w - w_brk : 0;
      start = cut, brk = 0;
    }
    w += cw;
    prev = cp;
    i = next;
  }
  flush(start, s.size());
  return n;
}

}  // namespace game
