#include "customers/arrival.h"

namespace game {

// Not built yet: the customers' arrival.
void let_customer_in() {}

}  // namespace game
