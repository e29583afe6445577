// A closing-time stage for tests: the real tables and pictures, a headless host whose player
// clicks every wait and answers every blocking choice (`answer`, or the only button offered),
// draws answered from a script and recorded, and the trace kept.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace day_end_test {

inline std::vector<std::string> traced;
// draw(n): `answers[n]` while it lasts, then `draw_default`; every n asked lands in `asked`.
inline std::map<int, std::deque<int>> answers;
inline int draw_default = 1;
inline std::vector<int> asked;

class clicker final : public plat::HostHandler {
 public:
  void on_timer() override {}
  void on_press(plat::MouseButton, int, int) override { game::take_click(); }
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override { game::close_request(); }
};

class DayEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace game;
    gs = game_state{};
    gs.click_state = 1;
    gs.stage_mode = 1;
    gs.flyer_kind = -1;
    gs.mode = 2;
    build_catalogue_at(0);
    build_roster();
    set_program_dir(FLORINET_GAME_DIR);
    build_picture_store();
    host = std::make_unique<plat::HeadlessHost>();
    host->set_handler(&handler);
    host->set_feeder([this](plat::HeadlessHost& h) {
      const int n = gs.menu_label[std::size_t(answer - 1)].empty() ? 3 : answer;
      if (gs.choice_pending == 1)
        h.queue_call([n] { press_button(n, plat::MouseButton::left, 60, 14); });
      else
        h.queue_press(plat::MouseButton::left, 200, 100);
      return true;
    });
    set_host(host.get());
    traced.clear();
    answers.clear();
    asked.clear();
    draw_default = 1;
    set_trace_sink([](std::string_view kind, std::string_view text) {
      traced.push_back(std::string(kind) + " " + std::string(text));
    });
    script_draws([](int n) {
      asked.push_back(n);
      auto a = answers.find(n);
      if (a == answers.end() || a->second.empty()) return draw_default;
      const int d = a->second.front();
      a->second.pop_front();
      return d;
    });
  }
  void TearDown() override {
    game::set_trace_sink(nullptr);
    game::script_draws(nullptr);
  }

  static bool traced_line(const std::string& line) {
    for (const auto& t : traced)
      if (t == line) return true;
    return false;
  }
  // A message shown, whatever its colour.
  static bool said(const std::string& text) {
    for (const auto& t : traced)
      if (t.rfind("msg ", 0) == 0 && t.substr(t.find(' ', 4) + 1) == text) return true;
    return false;
  }

  // What the player reads and hears, in order: lines, sounds, music, pictures, click waits and
  // choices (the click that ends a wait and the press on a choice button left out).
  static std::vector<std::string> scene() {
    std::vector<std::string> out;
    for (const auto& t : traced) {
      const std::string kind = t.substr(0, t.find(' '));
      if (t == "sound 1 3.wav" || t == "sound 5 pi.wav") continue;
      if (kind == "msg" || kind == "sound" || kind == "music" || kind == "bg" ||
          kind == "picture" || kind == "wait" || kind == "choice")
        out.push_back(t.back() == ' ' ? t.substr(0, t.size() - 1) : t);
    }
    return out;
  }

  std::unique_ptr<plat::HeadlessHost> host;
  clicker handler;
  int answer = 3;
};

}  // namespace day_end_test
