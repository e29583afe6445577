#include "scenario/counter.h"

namespace game {

// Not built yet: the counter.
void scene_next() {}
void scene_flyer() {}
void scene_save() {}

}  // namespace game
