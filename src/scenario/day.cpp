#include "scenario/day.h"

namespace game {

// Not built yet: the start of play, the night and the morning.
void scene_start() {}
void scene_good_luck() {}
void scene_night() {}
void morning() {}
void open_first_day() {}

}  // namespace game
