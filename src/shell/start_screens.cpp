// The two start screens: a random article of the shop with the makers' credit, then the title
// picture. The tick draws nothing on them; each click draws the next screen itself.
#include "shell/start_screens.h"

#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

void draw_start_screen() {
  plat::Canvas cg(cg_image());
  if (hooks.random_title_goods) {
    const plat::sjis& name = hooks.random_title_goods();
    if (!name.empty()) set_goods_picture(name);
  }
  const plat::Bitmap& goods = picture(3);
  const int w = goods.width(), h = goods.height();
  // The article doubled, centred above the credit.
  if (!goods.empty()) cg.stretch_transparent(195 - w, 100 - w, 2 * w, 2 * w, goods);

  const plat::sjis& credit = SJ("presented by the florinet makers");
  plat::TextStyle st;
  st.point = 8;
  st.bold = true;
  st.colour = plat::RGB(0, 0, 0);
  const int x = 195 - plat::Canvas::text_width(credit, st) / 2;
  const int y = 135 + h / 2;
  // A black shadow, then the white line one pixel up and left.
  cg.text_out(x, y, credit, st);
  st.colour = plat::RGB(255, 255, 255);
  cg.text_out(x - 1, y - 1, credit, st);
}

void start_screen_click() {
  if (gs.stage_mode == -2) {
    play_sound(1, SJ("start.wav"));
    gs.stage_mode = -1;
    set_background(SJ("title.bmp"));
    // Shown at once: the tick leaves the start screens alone.
    plat::Canvas(cg_image()).copy(0, 0, 390, 260, picture(6));
    present_window();
  } else if (gs.stage_mode == -1) {
    park_buttons(false);
    gs.stage_mode = 0;
    play_sound(4, SJ("start2.wav"));
    // The title menu prepared at creation slides in with the next ticks.
    set_background(SJ("login.bmp"));
  }
}

}  // namespace game
