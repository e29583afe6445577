// A closing-time stage for tests: the real tables and pictures, a headless host whose player
// clicks every wait and answers every blocking choice (`answer`, or the only button offered),
// draws answered from a script and recorded, and the trace kept.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "support/scripted_game.h"

namespace day_end_test {

// draw(n): `answers[n]` while it lasts, then `draw_default`; every n asked lands in `asked`.
inline std::map<int, std::deque<int>> answers;
inline int draw_default = 1;
inline std::vector<int> asked;

class DayEnd : public scripted_game::stage {
 protected:
  void SetUp() override {
    using namespace game;
    stage::SetUp();
    gs.flyer_kind = -1;
    gs.mode = 2;
    build_catalogue_at(0);
    build_roster();
    set_program_dir(FLORINET_GAME_DIR);
    build_picture_store();
    answers.clear();
    asked.clear();
    draw_default = 1;
    script_draws([](int n) {
      asked.push_back(n);
      auto a = answers.find(n);
      if (a == answers.end() || a->second.empty()) return draw_default;
      const int d = a->second.front();
      a->second.pop_front();
      return d;
    });
  }
  void answer_wait(plat::HeadlessHost& h) override {
    using namespace game;
    const int n = gs.menu_label[std::size_t(answer - 1)].empty() ? 3 : answer;
    if (gs.choice_pending == 1)
      h.queue_call([n] { press_button(n, plat::MouseButton::left, 60, 14); });
    else
      stage::answer_wait(h);
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

  int answer = 3;
};

}  // namespace day_end_test
