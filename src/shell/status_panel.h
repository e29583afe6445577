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
// whole to the next line. A translation's description breaks between words instead, each of
// the first two lines within 22 bytes. Answers the number of lines (1 to 3).
int description_lines(std::string_view info, std::array<std::string_view, 3>& lines);

// The panel's lettering at a point size (bold), and the room its texts have, which a
// translation's texts are held to: the left column's lines and the three gauges' labels before
// the gauges; the right column's lines of label, number and unit; the card's lines, right-aligned
// at the picture's edge, before the goods on the counter.
plat::TextStyle panel_text_style(int point);
constexpr int left_line_room = 110, gauge_label_room = 40, right_line_room = 120, card_room = 150;

}  // namespace game
