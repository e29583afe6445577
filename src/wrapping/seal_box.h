// The seal box: a box of cells sliding in from the right edge of the picture, one cell per seal.
// Filled from the stock it is where the player picks the seal to stick on wrapped goods; filled
// from the collection it is the "Collection" view, where hovering names each seal collected and
// any click closes it again.
//
// seal_box_state: 0 no box, 1 sliding in, 2 shown, 3 sliding out, 4 seal held, 5 seal stuck.
// box_mode: 0 placing, 1 viewing the collection, 2 the collection view is closing.
#pragma once
#include "platform/canvas.h"

namespace game {

// Cell geometry: 25 × 30 pixels, cell (col, row) at (20 + 25·col, 20 + 30·row), 14 cells a row.
constexpr int box_columns = 15;  // presses read column 14 too, which is never filled
constexpr int box_rows = 8;      // the rows a 260-pixel picture shows
constexpr int cells_per_row = 14;

// The seal in a cell (0 = empty or outside the grid).
int seal_in_cell(int col, int row);
// The seal under a picture position, by the cell rule (positions truncate toward zero).
int seal_under(int x, int y);

// Opens the box for placing: one cell per unit of every seal held, in ascending catalogue order.
void open_seal_box_for_placing();
// Opens the collection view on tab 0 (normal seals) or 1 (character seals): one cell per seal
// collected, in ascending catalogue order.
void open_collection_box(int tab);
// Appends one cell holding seal `id` and draws its picture into the box.
void add_to_box(int id);

// Once per drawn frame while the box is up: slide, then draw the box or the held seal and the
// name of the seal under the pointer.
void update_and_draw_seal_box(plat::Canvas& cg);

// A left press on the picture (or a choice button lying over the box), after the click was taken.
void seal_box_press(int x, int y);
// The box, a held seal or the collection view takes the choice buttons' presses.
bool seal_box_takes_buttons();

}  // namespace game
