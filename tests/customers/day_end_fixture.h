// A closing-time stage for tests: the real game tables and pictures, a headless host whose
// player clicks every wait at once and answers every blocking choice with a chosen button, the
// game's draws answered from a script (and recorded), and the trace kept.
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
inline void capture(std::string_view kind, std::string_view text) {
  traced.push_back(std::string(kind) + " " + std::string(text));
}

// draw(n) answers from `answers[n]` while it lasts, then from `draws`, then `draw_default`;
// every n asked is kept in `asked`.
inline std::map<int, std::deque<int>> answers;
inline std::deque<int> draws;
inline int draw_default = 1;
inline std::vector<int> asked;
inline int scripted(int n) {
  asked.push_back(n);
  if (auto a = answers.find(n); a != answers.end() && !a->second.empty()) {
    const int d = a->second.front();
    a->second.pop_front();
    return d;
  }
  if (draws.empty()) return draw_default;
  const int d = draws.front();
  draws.pop_front();
  return d;
}

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
      if (gs.choice_pending == 1) {
        // The chosen button when it is on offer, else the one that is (the door's).
        const int n = gs.menu_label[std::size_t(answer - 1)].empty() ? 3 : answer;
        h.queue_call([n] { press_button(n, plat::MouseButton::left, 60, 14); });
      } else {
        h.queue_press(plat::MouseButton::left, 200, 100);
      }
      return true;
    });
    set_host(host.get());
    traced.clear();
    draws.clear();
    answers.clear();
    asked.clear();
    draw_default = 1;
    set_trace_sink(capture);
    script_draws(scripted);
  }
  void TearDown() override {
    game::set_trace_sink(nullptr);
    game::script_draws(nullptr);
  }

  // Traced lines of one kind, without the kind.
  static std::vector<std::string> lines(const std::string& kind) {
    std::vector<std::string> out;
    for (const auto& t : traced)
      if (t.rfind(kind + " ", 0) == 0) out.push_back(t.substr(kind.size() + 1));
    return out;
  }
  // The texts of the messages shown, without their colour codes.
  static std::vector<std::string> said() {
    std::vector<std::string> out;
    for (const auto& m : lines("msg")) out.push_back(m.substr(m.find(' ') + 1));
    return out;
  }
  static bool said(const std::string& text) {
    for (const auto& s : said())
      if (s == text) return true;
    return false;
  }
  static bool traced_line(const std::string& line) {
    for (const auto& t : traced)
      if (t == line) return true;
    return false;
  }

  std::unique_ptr<plat::HeadlessHost> host;
  clicker handler;
  int answer = 3;  // the button pressed at a blocking choice
};

}  // namespace day_end_test
