// The held seal in the window: between the timer's frames the window draws the seal where the
// pointer is, and that picture is exactly the one the next frame draws for the same pointer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sdl/sdl_host.h"
#include "shell/form.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/program_folder.h"
#include "shell/state.h"
#include "wrapping/seal_box.h"

namespace {

// Records what the game hands the window for its pointer; everything else does nothing.
class pointer_host final : public plat::Host {
 public:
  void set_handler(plat::HostHandler*) override {}
  void set_timer_interval(int) override {}
  int timer_interval() const override { return 90; }
  double now_days() const override { return 0; }
  unsigned clock_seed() const override { return 1; }
  void present(const plat::Bitmap&) override {}
  bool process_messages() override { return false; }
  void close_window() override {}
  void post_task(void (*)(void*), void*) override {}
  void confirm_box(std::string_view) override {}
  plat::AudioDevice* audio_device() override { return nullptr; }
  void hold_under_pointer(const plat::Bitmap* u, const plat::Bitmap* h, int w, int hh) override {
    under = u;
    held = h;
    size_w = w;
    size_h = hh;
  }
  const plat::Bitmap* under = nullptr;
  const plat::Bitmap* held = nullptr;
  int size_w = 0, size_h = 0;
};

TEST(HeldSeal, TheWindowDrawsBetweenFramesWhatTheNextFrameDraws) {
  using namespace game;
  shell_test::ProgramFolder folder;
  folder.put_standard();
  plat::Bitmap seal(22, 22, plat::RGB(250, 20, 120));
  seal.set_pixel(0, 21, plat::RGB(0, 255, 0));  // its see-through colour
  seal.set_pixel(5, 5, plat::RGB(0, 255, 0));
  folder.put("seal106.bmp", seal);
  folder.put("haikei2.bmp", plat::Bitmap(195, 130, plat::RGB(200, 180, 190)));
  folder.put_solid("front2.bmp", 390, 120, plat::RGB(120, 80, 60));

  pointer_host host;
  set_host(&host);
  set_program_dir(folder.path());
  gs = game_state{};
  gs.stage_mode = 1;
  gs.click_state = 1;
  hooks.draw_seal_box = update_and_draw_seal_box;
  build_picture_store();
  set_shop_scene();
  set_hand_seal_picture("seal106.bmp");
  gs.seal_box_state = 4;

  move_picture(100, 120);
  draw_frame();
  ASSERT_NE(host.under, nullptr);
  ASSERT_EQ(host.held, &picture(4));
  EXPECT_EQ(host.size_w, 44);
  EXPECT_EQ(host.size_h, 44);
  plat::Bitmap shown;
  plat::compose_held(*host.under, *host.held, host.size_w, host.size_h, 100, 120, shown);
  EXPECT_EQ(shown.pixels(), cg_image().pixels()) << "the frame itself";

  // The pointer moves on before the next tick: the window's picture, then the tick's.
  plat::compose_held(*host.under, *host.held, host.size_w, host.size_h, 301, 15, shown);
  move_picture(301, 15);
  draw_frame();
  EXPECT_EQ(shown.pixels(), cg_image().pixels());
  EXPECT_NE(shown.pixel(301, 15), plat::Bitmap(*host.under).pixel(301, 15));

  // Once the seal is stuck the window shows the game's frames alone.
  gs.seal_box_state = 5;
  draw_frame();
  EXPECT_EQ(host.under, nullptr);
  hooks = game_hooks{};
}

}  // namespace
