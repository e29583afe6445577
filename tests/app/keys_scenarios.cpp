// The keyboard through florinet-headless: the start screens, the title menu, the owner's morning
// and three customers at the counter played twice with the same seed, once with the mouse and
// once with the keys (1, 2, 3 for the buttons, Shift+3 for the right press on the third, Space
// for the click that ends a wait). Both runs must hear and end the same; in between, the keyboard
// run tries every key where it must do nothing (no caption on offer, no wait, the seal box open)
// and checks that nothing changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"
#include "goods/json_mini.h"

namespace {

using driver_test::my_dat;
using driver_test::program_folder;
using driver_test::session;
using jsonmini::value;

int num(const value& v) {
  return v.kind == value::number ? int(v.num) : 0;
}

// Intro seen, level 2, 500 yen, 小学生モード, no flyers; goods any customer of the plain shop
// may want, every bag and box (the Ex ones too) and a few seals.
my_dat keys_progress() {
  my_dat d{{8, 1}, {1201, 500}, {1205, 2}, {1206, 3}, {2259, 1}};
  for (int goods : {33, 19, 18, 2, 70, 4, 37, 55, 56, 64, 65, 45, 1, 57, 3, 10, 9, 81, 72, 83, 82})
    d.line(101 + goods) = 3;
  for (int bag = 200; bag <= 211; ++bag) d.line(101 + bag) = 4;
  for (int seal : {100, 101, 127, 129, 133, 151}) d.line(101 + seal) = 2;
  return d;
}

// The state without where the pointer was left: the keys leave it alone.
std::string without_pointer(const std::string& state) {
  static const std::regex pointer("\"mouse_[xy]\":-?[0-9]+,?");
  return std::regex_replace(state, pointer, "");
}

struct run {
  std::vector<std::string> heard;  // every trace line, in order
  std::string end_state;           // the last state, without the pointer
  int ex_toggles = 0, sealed = 0, handed_over = 0, customers = 0;
};

// One run. `keys`: play with the keyboard and try the idle keys on the way.
run play(bool keys, int seed) {
  const program_folder folder(seed, program_folder::content::pictures);
  folder.progress(keys_progress());
  session d(folder.root(), seed);
  run r;
  auto send = [&](const std::string& c) {
    const auto l = d.send(c);
    r.heard.insert(r.heard.end(), l.begin(), l.end());
    return l;
  };
  auto press = [&](int n) { send((keys ? "key " : "button ") + std::to_string(n)); };
  auto go_on = [&] { send(keys ? "key space" : "click 200 100"); };
  auto state = [&] { return d.json("state"); };
  auto caption = [&](const value& st, int n) {
    return st["menu_label"].items[std::size_t(n - 1)].str;
  };
  // Keys that must do nothing here: no trace, and the state as it was.
  auto idle = [&](std::initializer_list<const char*> probes, const std::string& where) {
    if (!keys) return;
    for (const char* k : probes) {
      const std::string before = d.send("state").at(0);
      const auto heard = d.send(std::string("key ") + k);
      EXPECT_TRUE(heard.empty()) << "key " << k << " " << where << ": " << heard.at(0);
      EXPECT_EQ(d.send("state").at(0), before) << "key " << k << " " << where;
    }
  };
  // The waits clicked (or spaced) away until captions are offered again.
  auto settle = [&] {
    value st = state();
    for (int i = 0; i < 80 && num(st["click_state"]) == 0 && num(st["choice_pending"]) == 0; ++i) {
      go_on();
      st = state();
    }
    return st;
  };

  idle({"1", "2", "3", "shift+3"}, "on the first start screen");
  go_on();
  go_on();
  send("tick 8");
  EXPECT_EQ(num(state()["stage_mode"]), 0);
  // The title menu offers "", About, Start.
  idle({"1", "space", "shift+3"}, "on the title menu");
  press(3);  // Start
  idle({"1", "2", "3", "shift+3"}, "while the owner speaks");
  value st = settle();
  for (int i = 0; i < 20 && caption(st, 3) != "次"; ++i) {
    if (caption(st, 3) == "がんばるぞー♪") press(3);
    send("tick 1");
    st = settle();
  }
  EXPECT_EQ(caption(st, 3), "次");
  idle({"1", "2", "space"}, "before the first customer");

  for (int i = 0; i < 8 && r.customers < 3 && caption(st, 3) == "次"; ++i) {
    press(3);  // 次
    st = settle();
    if (caption(st, 3) != "包む") continue;  // nothing wanted in stock: gone already
    const int customer = r.customers++;
    EXPECT_EQ(caption(st, 1), "");
    idle({"1", "space"}, "before the wrapping");
    // The right press on the third button twice: to the Ex wrapping and back, when one is held.
    const std::string third = caption(st, 3);
    send(keys ? "key shift+3" : "rbutton 3");
    if (caption(state(), 3) == "【Ex】包装") {
      ++r.ex_toggles;
      // Odd customers are wrapped in it.
      if (customer % 2 == 0) send(keys ? "key shift+3" : "rbutton 3");
    }
    press(3);  // 包む or 【Ex】包装
    st = settle();
    EXPECT_EQ(caption(st, 3), "折る");
    idle({"1", "2", "space"}, "with the wrapped goods");
    press(3);  // 折る
    st = settle();
    if (customer == 1) {
      press(2);  // はい終わり
      ++r.handed_over;
    } else {
      press(3);  // シール
      send("tick 9");
      EXPECT_EQ(num(state()["seal_box_state"]), 2);
      idle({"1", "2", "3", "shift+3", "space"}, "with the seal box open");
      send("click 30 35");  // the first cell
      send("tick 1");
      EXPECT_NE(num(state()["picked_seal"]), 0);
      idle({"2", "space"}, "with a seal in hand");
      send("move 190 165");
      send("click 190 165");  // on the goods
      ++r.sealed;
    }
    st = settle();
    idle({"1", "2", "space"}, "between customers");
  }
  r.end_state = without_pointer(d.send("state").at(0));
  EXPECT_EQ(d.finish(), 0);
  return r;
}

TEST(Keys, PlayAsTheMouseDoesAndDoNothingWhereNothingIsOffered) {
  const int seed = 21;
  const run mouse = play(false, seed);
  const run keyboard = play(true, seed);
  EXPECT_EQ(keyboard.heard, mouse.heard);
  EXPECT_EQ(keyboard.end_state, mouse.end_state);
  // The run went where it meant to: customers served both ways, the Ex switch used.
  EXPECT_EQ(mouse.customers, 3);
  EXPECT_GE(mouse.sealed, 1);
  EXPECT_EQ(mouse.handed_over, 1);
  EXPECT_GE(mouse.ex_toggles, 1);
  EXPECT_EQ(keyboard.ex_toggles, mouse.ex_toggles);
  // The keys made the buttons' and the waits' own sounds.
  auto count = [&](const std::string& l) {
    return std::count(keyboard.heard.begin(), keyboard.heard.end(), l);
  };
  EXPECT_GE(count("sound 5 pi.wav"), 10);
  EXPECT_GE(count("sound 1 3.wav"), 5);
  EXPECT_GE(count("sound 5 shift.wav"), 1);
}

}  // namespace
