// A host for unit tests of the message pump: each process_messages() call delivers the next
// scripted event; with none left it reports the end, as a closed window does.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace testing_host {

class ScriptHost final : public plat::Host {
 public:
  std::deque<std::function<void()>> events;
  std::vector<std::string> boxes;
  int pumps = 0;

  void set_handler(plat::HostHandler*) override {}
  void set_timer_interval(int ms) override { interval_ = ms; }
  int timer_interval() const override { return interval_; }
  double now_days() const override { return 0; }
  unsigned clock_seed() const override { return 1; }
  void present(const plat::Bitmap&) override {}
  bool process_messages() override {
    ++pumps;
    if (pumps > 10000) return false;  // a wait that never ends fails the test, not the machine
    if (events.empty()) return false;
    auto ev = std::move(events.front());
    events.pop_front();
    ev();
    return true;
  }
  void close_window() override { events.clear(); }
  void post_task(void (*fn)(void*), void* ctx) override {
    events.push_back([fn, ctx] { fn(ctx); });
  }
  void confirm_box(std::string_view text) override { boxes.emplace_back(text); }
  plat::AudioDevice* audio_device() override { return nullptr; }

 private:
  int interval_ = 90;
};

// Every trace line of the game, "kind text".
inline std::vector<std::string>& traced() {
  static std::vector<std::string> lines;
  return lines;
}
inline void record(std::string_view kind, std::string_view text) {
  traced().push_back(std::string(kind) + (text.empty() ? "" : " ") + std::string(text));
}
// The traced lines of one kind, without the kind.
inline std::vector<std::string> traced(const std::string& kind) {
  std::vector<std::string> out;
  for (const auto& l : traced())
    if (l.rfind(kind, 0) == 0 && (l.size() == kind.size() || l[kind.size()] == ' '))
      out.push_back(l.size() > kind.size() ? l.substr(kind.size() + 1) : "");
  return out;
}

// A fresh game state, no subsystems above the shell, trace recorded, this host in place.
inline void fresh_game(ScriptHost& h) {
  game::gs = game::game_state{};
  game::hooks = game::game_hooks{};
  traced().clear();
  game::set_trace_sink(record);
  game::set_host(&h);
  game::seed_random(12345);
  game::gs.click_state = 1;
}

}  // namespace testing_host
