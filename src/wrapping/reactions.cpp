#include "wrapping/reactions.h"

namespace game {

// Not built yet: the seal reactions.
void react_to_seal(int) {}
void chain_step() {}

}  // namespace game
