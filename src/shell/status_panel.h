// The status panel of a working day: on the left the day, the hours to closing and the three
// small gauges with the shop's image; on the right the takings against the quota, satisfaction
// against its goal, the clerk level and the cash; below them the card of the selected goods.
#pragma once
#include <array>
#include <string_view>

#include "platform/canvas.h"

namespace game {

// Frame step 13: slides, eases and draws the panel while it is visible. Allocates nothing.
void draw_status_panel(plat::Canvas& cg);

// The card's description in lines of 22 bytes: one line below 22 bytes, else the first 22, the
// next 22 and, from 44 bytes on, the rest. A double-byte character that a cut would split goes
// whole to the next line. Answers the number of lines (1 to 3).
int description_lines(std::string_view info, std::array<std::string_view, 3>& lines);

}  // namespace game
