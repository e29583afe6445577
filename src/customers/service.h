// The customer at the counter and the goods in the service, read safely: every index into the
// roster, the catalogue or the stock is checked, so that a progress file written by hand can
// never make the counter read outside a table.
#pragma once
#include <string>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "platform/sjis.h"

namespace game {

// The customer being served (`cur_man`); an empty record when the number is outside the roster.
const tman& current_customer();
// Catalogue entry `id`; an empty entry outside 0..999.
const titem& entry_of(int id);
// Units held of entry `id`; 0 outside 0..999.
int stock_of(int id);
// Adds `n` (negative: takes) to the units held of entry `id`; ids outside 0..999 are left alone.
void add_stock(int id, int n);

// A number written in decimal, as the game's lines show it.
plat::sjis num(int n);
// A UTF-8 line of the game's own tables as Shift-JIS; a line with no Shift-JIS form is a
// programming error and stops the game at its first use.
plat::sjis game_text(const char* utf8);

// A customer's lines from slot `start` (0 for set A, 5 for set B) up to the first empty slot.
void say_lines_from(const std::array<plat::sjis, msg_slots>& lines, int start,
                    void (*say)(const plat::sjis&));

}  // namespace game
