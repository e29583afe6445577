#include "goods/stocking.h"

namespace game {

// Not built yet: the evening shop.
void evening_stocking() {}
void open_print_mode() {}

}  // namespace game
