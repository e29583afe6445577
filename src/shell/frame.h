// The tick loop and frame driver.
#pragma once

namespace game {

void on_timer();
void advance_tick();
void draw_frame();
void clamp_state();

}  // namespace game
