#include "customers/closing.h"

#include "customers/review.h"

namespace game {

// Not built yet: the visitors; the day ends at once.
void close_shop() {
  end_day();
}

}  // namespace game
