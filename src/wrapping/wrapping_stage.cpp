#include "wrapping/wrapping_stage.h"

namespace game {

// Not built yet: the wrapping stage.
void on_choice(const plat::sjis&) {}
void on_wrap_button_right_click() {}
void select_normal_wrapping() {}
bool ex_wrap_in_stock() {
  return false;
}

}  // namespace game
