#include "wrapping/seal_box.h"

#include <climits>

#include "goods/catalogue.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"
#include "wrapping/reactions.h"

namespace game {

namespace {

constexpr int box_slot = 5;   // the seal-box picture
constexpr int held_slot = 4;  // the seal in hand (and the loading slot for each cell's picture)

int& grid(int col, int row) {
  return gs.seal_grid[std::size_t(col * box_rows + row)];
}

// Fresh box picture and an empty grid, sliding in from the right edge.
void start_box() {
  gs.box_x = 390;
  gs.seal_box_state = 1;
  gs.seal_grid.fill(0);
  load_picture(box_slot, SJ("seal_box.bmp"));
  gs.box_count = 0;
}

// Label colour of the hovered seal's name, stepping every tick.
plat::rgb hover_colour() {
  switch (gs.frame_counter % 4) {
    case 0:
      return plat::RGB(255, 187, 238);
    case 2:
      return plat::RGB(255, 221, 255);
    default:
      return plat::RGB(255, 204, 255);
  }
}

const titem* entry(int id) {
  return id > 0 && id < item_count ? &item[std::size_t(id)] : nullptr;
}

// The frame under the held seal, kept for the window: between the timer's frames it redraws
// the seal wherever the pointer goes (made once, so that no frame allocates it).
plat::Bitmap under_held_(390, 260);
bool holding_ = false;

void hold_seal(plat::Canvas& cg, const plat::Bitmap& held, int size) {
  if (!has_host()) return;
  plat::Canvas(under_held_).copy(0, 0, cg.target());
  host().hold_under_pointer(&under_held_, &held, size, size);
  holding_ = true;
}

void release_held_seal() {
  if (!holding_) return;
  holding_ = false;
  if (has_host()) host().hold_under_pointer(nullptr, nullptr, 0, 0);
}

}  // namespace

int seal_in_cell(int col, int row) {
  if (col < 0 || col >= box_columns || row < 0 || row >= box_rows) return 0;
  return grid(col, row);
}

int seal_under(int x, int y) {
  return seal_in_cell((x - 20) / 25, (y - 20) / 30);
}

void open_seal_box_for_placing() {
  start_box();
  constexpr int visible_cells = cells_per_row * box_rows;
  for (int id = 0; id < item_count; ++id) {
    if (item[std::size_t(id)].kind != kind_seal) continue;
    int units = gs.stock[std::size_t(id)];
    for (; units > 0 && gs.box_count < visible_cells; --units) add_to_box(id);
    // Cells past the eighth row lie below the box, out of sight and out of reach: they are only
    // counted (a huge stock must not mean a picture load per unit, nor a count past 32 bits).
    if (units > 0) gs.box_count = units > INT_MAX - gs.box_count ? INT_MAX : gs.box_count + units;
  }
}

void open_collection_box(int tab) {
  gs.collection_tab = tab;
  start_box();
  gs.box_mode = 1;
  for (int id = 0; id < item_count; ++id) {
    const titem& t = item[std::size_t(id)];
    // The sold-out stand-in is filed as a seal but can never be stuck: a damaged progress file
    // that marks it collected must not put a cell without a picture in the collection.
    if (id == sold_out_item) continue;
    if (gs.collected[std::size_t(id)] == 1 && t.kind == kind_seal && t.chara == gs.collection_tab) {
      add_to_box(id);
    }
  }
}

void add_to_box(int id) {
  const int col = gs.box_count % cells_per_row;
  const int row = gs.box_count / cells_per_row;
  // Cells below the eighth row lie outside the picture: drawn there (clipped) but never stored,
  // so they can never be picked and never overwrite a visible cell.
  if (row < box_rows) grid(col, row) = id;
  if (const titem* t = entry(id)) load_picture(held_slot, t->pic);
  plat::Canvas box(picture(box_slot));
  box.draw_transparent(20 + 25 * col, 20 + 30 * row, picture(held_slot));
  gs.box_count += 1;
}

void update_and_draw_seal_box(plat::Canvas& cg) {
  if (gs.seal_box_state <= 0) return;

  if (gs.seal_box_state == 1) {
    if (gs.box_x > 0) gs.box_x -= gs.box_x / 2 + 1;
    if (gs.box_x <= 0) gs.seal_box_state = 2;
  }
  if (gs.seal_box_state == 3) {
    if (gs.box_x < 390 && gs.box_mode == 2) gs.box_x += (390 - gs.box_x) / 2 + 30;
    if (gs.box_x < 390 && gs.box_mode == 0) gs.box_x += 391;  // the placing box leaves at once
    if (gs.box_x >= 390) gs.seal_box_state = 4;
  }
  if (gs.seal_box_state == 4 && gs.box_mode == 2) {
    // The collection view has closed: back to its menu.
    gs.box_mode = 0;
    gs.seal_box_state = 0;
    show_menu(TR("ノーマル"), TR("キャラ"), TR("Back"));
    return;
  }

  const int state = gs.seal_box_state;
  if (state != 4) release_held_seal();
  if (state >= 1 && state <= 3) cg.draw_transparent(gs.box_x, 0, picture(box_slot));
  if (state == 4 || state == 5) {
    const plat::Bitmap& held = picture(held_slot);
    const int w = held.width();
    const int cx = state == 4 ? gs.mouse_x : gs.seal_x;
    const int cy = state == 4 ? gs.mouse_y : gs.seal_y;
    if (state == 4) hold_seal(cg, held, 2 * w);
    if (w > 0) cg.stretch_transparent(cx - w, cy - w, 2 * w, 2 * w, held);
  }

  // The name of the seal under the pointer.
  const int col = (gs.mouse_x - 20) / 25;
  const int row = (gs.mouse_y - 20) / 30;
  const titem* t = entry(seal_in_cell(col, row));
  if (!t) return;
  if (state >= 1 && state <= 3) {
    plat::TextStyle st;
    st.point = 7;
    st.bold = true;
    st.colour = hover_colour();
    const plat::Size sz = plat::Canvas::text_size(t->name, st);
    cg.text_out(25 * col + 33 - sz.w / 2, 30 * row + 14 - sz.h / 2, t->name, st);
  }
  if (gs.box_mode == 1) {
    plat::TextStyle name_st;
    name_st.point = 9;
    name_st.bold = true;
    name_st.colour = plat::RGB(187, 0, 119);
    cg.text_out(20, 210, t->name, name_st);
    plat::TextStyle info_st;
    info_st.point = 7;
    info_st.bold = true;
    info_st.colour = plat::RGB(204, 34, 119);
    cg.text_out(20, 225, t->info, info_st);
  }
}

void seal_box_press(int x, int y) {
  if (gs.box_mode == 1) {
    // Any click closes the collection view, even while it is still sliding in.
    play_sound(1, SJ("4.wav"));
    gs.seal_box_state = 3;
    gs.box_mode = 2;
    return;
  }
  if (gs.seal_box_state == 2) {
    // A press on an empty cell, or outside the cells, picks nothing.
    gs.picked_seal = seal_under(x, y);
    const titem* t = entry(gs.picked_seal);
    if (!t) return;
    set_hand_seal_picture(t->pic);
    post_message(TRF("【%s】を取った、どこに貼ろっかな", t->name));
    gs.seal_box_state = 3;
  } else if (gs.seal_box_state == 4) {
    release_held_seal();
    play_sound(1, SJ("point.wav"));
    gs.seal_x = gs.mouse_x;
    gs.seal_y = gs.mouse_y;
    const titem* t = entry(gs.picked_seal);
    post_message(TRF("【%s】を貼った", t ? t->name : plat::sjis()));
    post_message(SJ(""));
    gs.seal_box_state = 5;
    react_to_seal(gs.picked_seal);
  }
  // While the box slides in or out, and once the seal is stuck, presses only end waits.
}

bool seal_box_takes_buttons() {
  return gs.seal_box_state == 2 || gs.seal_box_state == 4 || gs.box_mode == 1;
}

}  // namespace game
