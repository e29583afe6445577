// The one window: its creation, destruction and close request, the picture surface, the
// program folder and the game's random generator.
#include "shell/form.h"

#include <sys/stat.h>

#include <cstdint>

#include "platform/canvas.h"
#include "platform/i18n.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/start_screens.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

namespace {

constexpr int surface_w = 390, surface_h = 260;

plat::Host* host_ = nullptr;
plat::Bitmap cg_(surface_w, surface_h);
plat::Bitmap bak_(surface_w, surface_h);
// What the window shows when a control lies above the picture: the picture, then the control.
plat::Bitmap window_(surface_w, surface_h);
std::string program_dir_ = ".";
void (*picture_watch_)(const std::string&) = nullptr;

// The game's generator: a 32-bit linear congruential sequence; draw(n) takes the high part
// of seed × n, so every n gets evenly spread values from the whole word.
std::uint32_t rand_seed_ = 0;
int (*scripted_draw_)(int) = nullptr;

bool item_box_at(int x, int y) {
  return hooks.item_box_at && hooks.item_box_at(x, y);
}
bool item_box_shown() {
  return hooks.item_box_shown && hooks.item_box_shown();
}

// Host events, routed as the window's controls route them: the item panel lies above
// everything while it is shown, then a choice button takes what is over its area (in its own
// coordinates), and the picture the rest. A press on the panel captures the pointer until the
// button goes up, as a list's scroll bar does while dragged. Whatever reaches the panel shows at
// once, without waiting for the next tick.
class form_handler final : public plat::HostHandler {
 public:
  void on_timer() override { game::on_timer(); }
  void on_press(plat::MouseButton b, int x, int y) override {
    if (item_box_at(x, y)) {
      captured_ = true;
      if (hooks.item_box_press) hooks.item_box_press(b, x, y);
      present_window();
    } else if (int n = button_at(x, y)) {
      press_button(n, b, x - button_left(), y - button_top(n));
    } else {
      press_picture(b, x, y);
    }
  }
  void on_release(plat::MouseButton b, int x, int y) override {
    if (!captured_) return;  // the picture and the buttons act on the press alone
    captured_ = false;
    if (hooks.item_box_release) hooks.item_box_release(b, x, y);
    present_window();
  }
  void on_move(int x, int y) override {
    if ((captured_ && item_box_shown()) || item_box_at(x, y)) {
      if (hooks.item_box_move && hooks.item_box_move(x, y)) present_window();
    } else if (int n = button_at(x, y)) {
      move_button(n, x - button_left(), y - button_top(n));
    } else {
      move_picture(x, y);
    }
  }
  void on_wheel(int notches, int x, int y) override {
    // Only the panel's list scrolls; the picture has nothing to scroll.
    if (!item_box_at(x, y) || !hooks.item_box_wheel) return;
    if (hooks.item_box_wheel(notches, x, y)) present_window();
  }
  void on_nav_key(plat::NavKey k) override {
    // The panel's list holds the keyboard focus while the panel is shown.
    if (!item_box_shown() || !hooks.item_box_key) return;
    hooks.item_box_key(k);
    present_window();
  }
  void on_press_key(plat::PressKey k, bool shift) override {
    // The panel lies over the picture and the buttons alike: they are out of reach.
    if (item_box_shown()) return;
    const auto left = plat::MouseButton::left;
    switch (k) {
      case plat::PressKey::one:
        if (!shift) key_choice(1, left);
        break;
      case plat::PressKey::two:
        if (!shift) key_choice(2, left);
        break;
      case plat::PressKey::three:
        // Shift+3 is the right press on the third button (the Ex wrapping's switch).
        key_choice(3, shift ? plat::MouseButton::right : left);
        break;
      case plat::PressKey::space:
        key_space();
        break;
    }
  }
  void on_key_enter() override { key_enter(); }
  void on_close_request() override { close_request(); }

 private:
  bool captured_ = false;
};
form_handler handler_;

// Loads a picture file into a 390×260 surface, top-left aligned; a failure leaves it as it was.
void load_surface(plat::Bitmap& surface, const plat::sjis& name) {
  plat::Bitmap pic;
  if (plat::read_bmp_file(cg_path(name), pic) != plat::BmpError::none) return;
  plat::Canvas c(surface);
  c.clear(0);
  c.copy(0, 0, pic);
}

void offer_title_menu() {
  plat::sjis first;
  if (gs.play_count > 0) first = TR("Collection");
  if (gs.progress[3] == 0 && hooks.all_seals_collected && hooks.all_seals_collected())
    first = TR("手紙");
  show_menu(first, TR("About"), TR("Start"));
}

}  // namespace

void set_host(plat::Host* h) {
  host_ = h;
}
plat::Host& host() {
  return *host_;
}
bool has_host() {
  return host_ != nullptr;
}

plat::Bitmap& cg_image() {
  return cg_;
}
plat::Bitmap& bak_image() {
  return bak_;
}

const plat::Bitmap& window_image() {
  if (!item_box_shown() || !hooks.draw_item_box) return cg_;
  if (window_.width() != cg_.width() || window_.height() != cg_.height())
    window_.resize(cg_.width(), cg_.height(), 0);
  plat::Canvas w(window_);
  w.copy(0, 0, cg_);
  hooks.draw_item_box(w);
  return window_;
}

void present_window() {
  host().present(window_image());
}

plat::HostHandler& form_events() {
  return handler_;
}

void set_program_dir(const std::string& dir) {
  program_dir_ = dir;
  while (program_dir_.size() > 1 && program_dir_.back() == '/') program_dir_.pop_back();
}
const std::string& program_dir() {
  return program_dir_;
}
// File names are Shift-JIS in the game and UTF-8 on the disk. A picture with lettering has a
// version for each language that has one, in cg/<language>/ (cg/en/title.bmp): a translated
// game shows it instead.
std::string cg_path(const plat::sjis& name) {
  const std::string file = plat::to_utf8(name);
  std::string path;
  const std::string& lang = plat::current_language();
  if (!lang.empty()) {
    struct stat st;
    for (const std::string& l : {lang, lang.substr(0, lang.find('_'))}) {
      const std::string p = program_dir_ + "/cg/" + l + "/" + file;
      if (::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        path = p;
        break;
      }
    }
  }
  if (path.empty()) path = program_dir_ + "/cg/" + file;
  if (picture_watch_) picture_watch_(path);
  return path;
}
void watch_picture_paths(void (*fn)(const std::string& path)) {
  picture_watch_ = fn;
}
std::string dat_path(const plat::sjis& name) {
  return program_dir_ + "/dat/" + plat::to_utf8(name);
}

void form_create() {
  host().set_handler(&handler_);
  // 1. The five wave slots (and the music device); a missing wave is no reason to stop.
  if (hooks.sound_start) hooks.sound_start();
  // 2. The random generator from the clock.
  seed_random(host().clock_seed());
  // 3. The picture surface and the work image start as the plain background.
  cg_.resize(surface_w, surface_h, 0);
  bak_.resize(surface_w, surface_h, 0);
  load_surface(cg_, SJ("00.bmp"));
  load_surface(bak_, SJ("00.bmp"));
  // 5. Shell state; the buttons wait off the picture until the title picture is clicked.
  gs.click_state = 1;
  host().set_timer_interval(90);
  gs.stage_mode = -2;
  park_buttons(true);
  // 6. The picture store.
  build_picture_store();
  // 7., 8. A fresh run, then the progress file, the catalogue and the roster.
  reset_run();
  if (hooks.load_progress) hooks.load_progress();
  if (hooks.build_catalogue) hooks.build_catalogue();
  if (hooks.build_roster) hooks.build_roster();
  // 9. The first start screen.
  draw_start_screen();
  // 10., 11. Status panel and menu out of sight; the title menu waits behind the start screens.
  gs.panel_x = -200;
  offer_title_menu();
  present_window();
}

void form_destroy() {
  // The music first, then the thirty pictures and masks, then the wave slots (fifth first).
  if (hooks.music_free) hooks.music_free();
  free_picture_store();
  if (hooks.sound_stop) hooks.sound_stop();
}

void close_request() {
  gs.click_state = -1;
}

bool window_closing() {
  return gs.click_state == -1;
}

void close_program() {
  host().close_window();
  gs.click_state = -1;  // whoever handles the host's events, the game is closing
}

void seed_random(unsigned seed) {
  rand_seed_ = seed;
}

void script_draws(int (*fn)(int n)) {
  scripted_draw_ = fn;
}

int draw(int n) {
  if (scripted_draw_) return scripted_draw_(n);
  rand_seed_ = rand_seed_ * 134775813u + 1u;
  if (n <= 0) return 0;
  return int((std::uint64_t(rand_seed_) * std::uint64_t(unsigned(n))) >> 32);
}

}  // namespace game
