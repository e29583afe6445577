#include "customers/review.h"

#include "goods/stocking.h"

namespace game {

// Not built yet: the day's totals and the owner's review; the evening follows at once.
void end_day() {
  evening_stocking();
}
void draw_totals(plat::Canvas&, plat::Canvas&) {}
void draw_chart(plat::Canvas&) {}

}  // namespace game
