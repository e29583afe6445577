// A window for tests that need a host but none of its work: no timer, no picture, no events, no
// sound. A test derives from it and overrides the one part it watches or needs.
#pragma once
#include <string_view>

#include "platform/host.h"

namespace test_support {

class idle_host : public plat::Host {
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
};

}  // namespace test_support
