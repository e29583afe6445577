// The seal box's frames at the counter allocate nothing: sliding in with a seal's name under the
// pointer, the seal held (and handed to the window to follow the pointer), the seal stuck.
#include <gtest/gtest.h>

#include <string>

#include "goods/catalogue.h"
#include "platform/canvas.h"
#include "platform/host.h"
#include "shell/form.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "support/alloc_count.h"
#include "wrapping/seal_box.h"

namespace {

// A window that takes the held seal and nothing else.
class quiet_host final : public plat::Host {
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
  void hold_under_pointer(const plat::Bitmap* u, const plat::Bitmap*, int, int) override {
    holding = u != nullptr;
  }
  bool holding = false;
};

TEST(SealBoxFrames, PickHoldAndStickDrawWithoutAllocating) {
  using namespace game;
  const auto saved = item;
  for (int id : {120, 121, 135}) {
    item[std::size_t(id)].name = SJ("とってもながーい名前のチール") + std::to_string(id);
    item[std::size_t(id)].kind = kind_seal;
  }
  quiet_host host;
  set_host(&host);
  gs = game_state{};
  picture(4) = plat::Bitmap(22, 22, plat::RGB(200, 40, 90));
  picture(5) = plat::Bitmap(390, 260, plat::RGB(120, 60, 110));
  plat::Bitmap surface(390, 260, 0);
  plat::Canvas cg(surface);

  // Opening the box loads each seal's picture (files, not frames); its frames are measured.
  auto one_visit = [&](bool measured) {
    gs.stock[120] = 30;
    gs.stock[121] = 2;
    gs.stock[135] = 1;
    open_seal_box_for_placing();
    gs.mouse_x = 75;  // over the cell (2, 1): its name is written above it
    gs.mouse_y = 55;
    if (measured) alloc_count::start();
    for (int f = 0; f < 12; ++f) {
      update_and_draw_seal_box(cg);
      gs.frame_counter = (gs.frame_counter + 1) % 1000;
    }
    gs.picked_seal = 120;
    gs.seal_box_state = 3;
    for (int f = 0; f < 6; ++f) {
      gs.mouse_x = 150 + 7 * f;
      update_and_draw_seal_box(cg);
    }
    EXPECT_TRUE(host.holding);
    gs.seal_x = gs.mouse_x;
    gs.seal_y = gs.mouse_y;
    gs.seal_box_state = 5;
    for (int f = 0; f < 4; ++f) update_and_draw_seal_box(cg);
    EXPECT_FALSE(host.holding);
    return measured ? alloc_count::stop() : 0;
  };
  one_visit(false);  // fills the glyph cache
  EXPECT_EQ(one_visit(true), 0);
  item = saved;
  set_host(nullptr);
}

}  // namespace
