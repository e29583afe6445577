// The two start screens before the title menu: the random goods picture with the makers' credit,
// then the title picture. A left click on the picture moves on (stage -2 -> -1 -> 0).
#pragma once

namespace game {

// Form creation step 9: the random goods picture, stretched to double size, and the credit line.
void draw_start_screen();
// A left click on the picture while `stage_mode` is -2 or -1.
void start_screen_click();

}  // namespace game
