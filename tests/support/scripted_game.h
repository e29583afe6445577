// Scenes run inside the test against the headless host: the state fresh, a player who clicks at
// every click wait, and the game's trace kept. A test derives its fixture from `stage`, adds the
// tables and pictures its scenes need, and answers draw(n) with a script of its own.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace scripted_game {

// The window's side as the scenes need it: a press ends the click wait, a close request closes.
class clicker final : public plat::HostHandler {
 public:
  void on_timer() override {}
  void on_press(plat::MouseButton, int, int) override { game::take_click(); }
  void on_move(int, int) override {}
  void on_key_enter() override {}
  void on_close_request() override { game::close_request(); }
};

class stage : public ::testing::Test {
 public:
  // Every line the game traced since the test began, "kind text" (the kind alone without text).
  static inline std::vector<std::string> traced;
  static void record(std::string_view kind, std::string_view text) {
    traced.push_back(text.empty() ? std::string(kind)
                                  : std::string(kind) + " " + std::string(text));
  }
  // The texts traced under one kind, in order ("" for a line of the kind alone).
  static std::vector<std::string> lines(const std::string& kind) {
    std::vector<std::string> out;
    for (const auto& t : traced)
      if (t == kind)
        out.emplace_back();
      else if (t.size() > kind.size() && t.compare(0, kind.size(), kind) == 0 &&
               t[kind.size()] == ' ')
        out.push_back(t.substr(kind.size() + 1));
    return out;
  }
  static int count_traced(const std::string& line) {
    return int(std::count(traced.begin(), traced.end(), line));
  }
  static bool was_traced(const std::string& line) { return count_traced(line) > 0; }

 protected:
  void SetUp() override {
    game::gs = game::game_state{};
    game::gs.click_state = 1;
    game::gs.stage_mode = 1;
    new_host();
    traced.clear();
    game::set_trace_sink(record);
  }
  void TearDown() override {
    game::set_trace_sink(nullptr);
    game::script_draws(nullptr);
  }

  // A fresh host for the game (a closed one stays closed): whenever a scene waits with nothing
  // queued, answer_wait says what the player does.
  void new_host() {
    host = std::make_unique<plat::HeadlessHost>();
    host->set_handler(window);
    host->set_feeder([this](plat::HeadlessHost& h) {
      answer_wait(h);
      return true;
    });
    game::set_host(host.get());
  }
  // The player clicks the middle of the picture.
  virtual void answer_wait(plat::HeadlessHost& h) {
    h.queue_press(plat::MouseButton::left, 200, 100);
  }

  std::unique_ptr<plat::HeadlessHost> host;
  clicker clicks;
  // Where the host delivers the player's input; a fixture routes it elsewhere in its constructor.
  plat::HostHandler* window = &clicks;
};

}  // namespace scripted_game
