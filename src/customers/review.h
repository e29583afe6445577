// The day's end: the seal association's award, the totals montage, the ten-day history and
// chart, and the owner's review, which leads into the evening stocking.
#pragma once
#include "platform/canvas.h"

namespace game {

// The day is over (the last customer served, or the printer's panel closed).
void end_day();
// Frame layers: the totals montage (step 7) and the ten-day chart (step 15).
void draw_totals(plat::Canvas& cg, plat::Canvas& bak);
void draw_chart(plat::Canvas& cg);

}  // namespace game
