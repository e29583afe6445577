// The item panel `item_box`: the window-in-the-window through which the clerk spends money. In
// the evening it offers wrappings and seals to buy and goods to stock, when the printer's
// daughter calls it offers flyer designs to print. It is a control above the picture: the game
// draws it itself over the window image and it takes the pointer, the wheel and the list keys
// while it is shown.
//
// The panel's mode is nothing but the caption of its action button: "買う" (buy), "仕入れる"
// (stock) or "印刷" (print).
#pragma once
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/sjis.h"

namespace game {

using plat::sjis;

// The three modes' captions.
const sjis& buy_mode();    // "買う"
const sjis& stock_mode();  // "仕入れる"
const sjis& print_mode();  // "印刷"

// Puts the panel's procedures into the shell's hooks (drawing and input routing).
void install_item_panel();

// ---- the controls' captions and visibility ----
const sjis& panel_mode();
void set_panel_mode(const sjis& caption);
// The mode switch `item_l2` names the mode it leads to; hidden for the whole print mode.
const sjis& mode_switch_caption();
void set_mode_switch_caption(const sjis& caption);
void show_mode_switch(bool shown);
bool mode_switch_shown();
// The detail text `item_l` ("\r" breaks the line; the rest is word-wrapped in its box).
const sjis& detail_text();
void set_detail_text(const sjis& text);
// The picture `item_box_cg` of the selected seal or flyer design.
void clear_item_picture();
void show_item_box();
void hide_item_box();
bool item_box_visible();

// ---- the list ----
constexpr int list_rows = 18;        // lines that fit in the list's 252 pixels
constexpr int list_row_height = 14;  // pixels
// A buy or stocking line: the three-byte count column (none from 100 on) and the name.
sjis count_column(int count);
// Clears the list and the selection, sets `sel_item` to -1, updates the money and totals lines and
// fills the list for the current mode (with its palette).
void build_list();
// Appends the count column and the name of the entry `name` looks up.
void add_line(const sjis& name);
// Rewrites the selected line as the count column and the name of entry n.
void refresh_line(int n);
// The selected line becomes "    ―sold out―".
void mark_selected_sold_out();
// Resolves the selected line to `sel_item` ("key2.wav" on a change) and fills the details.
void show_selection();
// The money line and the totals line from the state.
void update_money_lines();
const sjis& money_line();
const sjis& totals_line();

int list_count();
const sjis& list_line(int i);
int selected_line();  // -1 for none
int top_line();       // first line in view

// ---- what the player does (the driver and the tests run these too) ----
// A click on line i: selected, scrolled into view, shown.
void select_line(int i);
void press_action();
void press_close();
void press_mode_switch();

// Mouse and keys, in picture coordinates, as the form routes them.
bool item_box_at(int x, int y);
void item_box_press(plat::MouseButton b, int x, int y);
void item_box_release(plat::MouseButton b, int x, int y);
bool item_box_move(int x, int y);
bool item_box_wheel(int notches, int x, int y);
void item_box_key(plat::NavKey k);

// Draws the panel over the window image (nothing when hidden). Allocates nothing.
void draw_item_box(plat::Canvas& window);

// The driver's `panel` answer: visible, mode, mode switch (null while hidden), lines, selected,
// top, detail, money, totals; texts in UTF-8.
std::string item_panel_json();

// What a translation's texts are held to: a list line within the list's width beside its scroll
// bar, at the list's lettering (a glyph cell's last column is its blank bearing, which the bar's
// edge may take), and a detail text whose every line shows in the detail box.
plat::TextStyle list_text_style();
constexpr int list_text_room = 154;
bool detail_text_fits(const sjis& text);

// Word-wrapping in a box `width` pixels wide: each line as a byte range of `text`. "\r" (or
// "\r\n", "\n") ends a line; lines break after blanks and between Japanese characters, never
// inside a double-byte character, never before closing punctuation or after an opening bracket.
struct text_span {
  int start = 0, len = 0;
};
int wrap_text(std::string_view text, int width, const plat::TextStyle& style, text_span* out,
              int max_lines);

}  // namespace game
