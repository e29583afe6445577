// The title scenes end to end through florinet-headless: About, System and the drawing rate,
// Back, New Game with the files it writes, the letter and the collection from crafted progress
// files, and a damaged progress file at start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"
#include "goods/catalogue.h"
#include "platform/sjis.h"

namespace {

namespace fs = std::filesystem;

using driver_test::count_of;
using driver_test::field;
using driver_test::my_dat;
using driver_test::program_folder;
using driver_test::starting;
using test_support::read_all;
using test_support::write_all;

constexpr int seed = 7;

std::string S(const std::string& utf8) {
  return plat::to_sjis(utf8);
}

// The `state` dumps, in order.
std::vector<std::string> states(const program_folder::result& r) {
  return starting(r.lines, "{\"");
}
// An array field dumped as an object of its non-zero entries.
std::string object_field(const std::string& state, const std::string& name) {
  std::smatch m;
  if (!std::regex_search(state, m, std::regex("\"" + name + "\":(\\{[^}]*\\})"))) return "?";
  return m[1];
}

// Past the two start screens to the title menu.
const char* const to_title = "click 100 100\nclick 100 100\ntick 8\n";

TEST(TitleScenarios, AboutSystemAndBackFromAFirstStart) {
  program_folder pf(seed);
  auto r = pf.run(std::string(to_title) +
                  "button 2\n"  // About
                  "click 10 10\nclick 10 10\nclick 10 10\nclick 10 10\ntick 8\n"
                  "button 1\ntick 8\nstate\n"        // System
                  "button 1\ntick 8\nstate\n"        // 描画速度変更: 中
                  "button 1\ntick 8\nstate\n"        // 低
                  "button 1\ntick 8\nstate\n"        // 普通
                  "button 3\ntick 8\nmenu\nlog\n");  // Back
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("my.dat not found"), std::string::npos) << r.err;

  EXPECT_EQ(starting(r.lines, "menu "),
            (std::vector<std::string>{"menu |About|Start", "menu System|New Game|Back",
                                      "menu 描画速度変更||Back", "menu 描画速度変更||Back",
                                      "menu 描画速度変更||Back", "menu 描画速度変更||Back",
                                      "menu |About|Start"}));
  EXPECT_EQ(count_of(r.lines, "bg title2.bmp"), 1);
  EXPECT_EQ(count_of(r.lines, "wait"), 4) << "About's four lines each wait for a click";
  EXPECT_EQ(
      starting(r.lines, "msg "),
      (std::vector<std::string>{"msg 0 このげえむは、品物をつつむげえむです。",
                                "msg 0 そんだけ！！！！！！！", starting(r.lines, "msg ")[2],
                                "msg 0 ..あ、あと初期化してNEW GAMEしたい時はここでできるよ",
                                "msg 0 もし動作が重い場合は", "msg 0 描画速度を変更してみてね",
                                "msg 0 描画速度を[中]にしました", "msg 0 描画速度を[低]にしました",
                                "msg 0 描画速度を[普通]にしました"}));
  const auto st = states(r);
  ASSERT_EQ(st.size(), 4u);
  EXPECT_EQ(field(st[0], "draw_speed"), 0);
  EXPECT_EQ(field(st[1], "draw_speed"), 1);
  EXPECT_EQ(field(st[2], "draw_speed"), 2);
  EXPECT_EQ(field(st[3], "draw_speed"), 0);
  // Back: the title's background, the music stopped, the log emptied.
  const auto ev = r.lines;
  const auto back = std::find(ev.begin(), ev.end(), "bg login.bmp");
  ASSERT_NE(back, ev.end());
  const auto back2 = std::find(back + 1, ev.end(), "bg login.bmp");
  ASSERT_NE(back2, ev.end()) << "the start screen's and Back's";
  EXPECT_EQ(*(back2 + 1), "music not");
  EXPECT_EQ(ev.back(), "exit");
  EXPECT_EQ(*(ev.end() - 3), "[\"\",\"About\",\"Start\"]");
  EXPECT_EQ(*(ev.end() - 2), "[]") << "the log is empty again";
  // Nothing was saved: only New Game and the save seal write files.
  EXPECT_FALSE(fs::exists(pf.my_dat_path()));
  EXPECT_EQ(count_of(r.lines, "save"), 0);
}

TEST(TitleScenarios, NewGameWritesAFreshProgressFileAndLedger) {
  program_folder pf(seed);
  my_dat d;
  d.line(1) = 1;        // progress[0]
  d.line(4) = 1;        // progress[3]: letter read
  d.line(8) = 1;        // progress[7]: introduction seen
  d.line(101 + 5) = 3;  // stock[5]
  d.line(1201) = 4321;  // money
  d.line(1205) = 6;     // clerk_lv
  d.line(1206) = 33;    // day
  d.line(1208) = 4;     // play_count
  d.line(1209) = 6;     // best level
  d.line(1210) = 40;    // best day count
  d.line(1211) = 800;   // sales_history[0]: kept by the reset
  d.collected(100) = 1;
  d.line(2251) = 5000;  // best_sales
  d.line(2252) = 3;     // flyer_kind
  d.line(2257) = 9;     // spare_counter
  d.line(2258) = 1;     // draw_speed
  d.line(2259) = 2;     // mode
  write_all(pf.my_dat_path(), d.text());

  auto r = pf.run(std::string(to_title) +
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"  // About
                  "button 1\nbutton 1\n"                                    // System, 中 -> 低
                  "button 3\n"                                              // Back
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"  // About
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\ntick 4\n"     // New Game
                  "state\nmenu\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(starting(r.lines, "menu ").front(), "menu Collection|About|Start");
  EXPECT_EQ(starting(r.lines, "menu ").back(), "menu |About|Start");
  EXPECT_EQ(count_of(r.lines, "sound 1 save.wav"), 1);
  EXPECT_EQ(count_of(r.lines, "save"), 1);
  const auto msgs = starting(r.lines, "msg 0 ....");
  EXPECT_EQ(msgs, (std::vector<std::string>{"msg 0 ....それでは初期化します", "msg 0 ........",
                                            "msg 0 ....初期化しました"}));

  my_dat fresh;
  fresh.line(1211) = 800;
  fresh.line(2258) = 2;  // the drawing rate chosen before the New Game
  fresh.line(2259) = 2;
  EXPECT_EQ(read_all(pf.my_dat_path()), fresh.text());
  EXPECT_EQ(read_all(pf.ledger_path()),
            S("★フロリネット ver1.5\r\n"
              "最高レベル: 0 最高日数:0日 (大人モード)\r\n"
              "最高売り上げ: ￥0円\r\n"
              "ノーマルチールコレクション: 0種類\r\n"
              "キャラチールコレクション: 0種類\r\n"
              "私の好きなチール:           (←ここには貴方の一番好きなチールを書いてね)\r\n"
              "\r\n"));
  const auto st = states(r);
  ASSERT_EQ(st.size(), 1u);
  EXPECT_EQ(field(st[0], "money"), 0);
  EXPECT_EQ(field(st[0], "play_count"), 0);
  EXPECT_EQ(object_field(st[0], "collected"), "{}");
  // No temporary file is left beside it.
  for (const auto& e : fs::directory_iterator(pf.root() + "/dat"))
    EXPECT_EQ(e.path().filename().string().find(".new"), std::string::npos) << e.path();
}

TEST(TitleScenarios, ClosingTheWindowDuringNewGameKeepsTheProgress) {
  program_folder pf(seed);
  my_dat d;
  d.line(1201) = 4321;
  write_all(pf.my_dat_path(), d.text());
  // The script ends (the window closes) while New Game waits for its second click.
  auto r = pf.run(std::string(to_title) +
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"
                  "button 2\nclick 1 1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(count_of(r.lines, "save"), 0);
  EXPECT_EQ(count_of(r.lines, "sound 1 save.wav"), 0);
  EXPECT_EQ(read_all(pf.my_dat_path()), d.text());
  EXPECT_FALSE(fs::exists(pf.ledger_path()));
}

TEST(TitleScenarios, TheLetterIsOfferedAtStartUpOnceEverySealIsCollected) {
  game::build_catalogue_at(0);
  program_folder pf(seed);
  my_dat d;
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[id].kind == game::kind_seal && id != game::sold_out_item) d.collected(id) = 1;
  write_all(pf.my_dat_path(), d.text());

  auto r = pf.run(std::string(to_title) + "menu\nbutton 1\ntick 4\nshot " + pf.root() +
                  "/letter.bmp\nclick 1 1\nclick 1 1\nclick 1 1\ntick 4\nstate\n"
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"  // About
                  "button 3\nmenu\n");                                      // Back
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(starting(r.lines, "menu "),
            (std::vector<std::string>{"menu 手紙|About|Start", "menu Collection|About|Start",
                                      "menu System|New Game|Back", "menu |About|Start"}));
  const auto ev = r.lines;
  auto paper = std::find(ev.begin(), ev.end(), "sound 1 paper.wav");
  ASSERT_NE(paper, ev.end());
  EXPECT_EQ(*(paper + 1), "bg letter.bmp");
  EXPECT_EQ(*(paper + 2), "wait") << "the letter is read before anything is said";
  EXPECT_EQ(starting(r.lines, "msg 304 "),
            (std::vector<std::string>{"msg 304 以上が、あなた様に届いた、シール王からのお便りです",
                                      "msg 304 おめでとう!!"}));
  const auto st = states(r);
  ASSERT_EQ(st.size(), 1u);
  EXPECT_NE(st[0].find("\"progress\":{\"3\":1}"), std::string::npos) << "the letter is read";
  // Reading the letter saves nothing by itself.
  EXPECT_EQ(read_all(pf.my_dat_path()), d.text());
  EXPECT_TRUE(fs::exists(pf.root() + "/letter.bmp"));
}

TEST(TitleScenarios, NoLetterWhileASealIsMissingOrOnceItWasRead) {
  game::build_catalogue_at(0);
  for (int variant = 0; variant < 2; ++variant) {
    program_folder pf(seed);
    my_dat d;
    for (int id = 0; id < game::item_count; ++id)
      if (game::item[id].kind == game::kind_seal && id != game::sold_out_item) d.collected(id) = 1;
    if (variant == 0)
      d.collected(517) = 0;
    else
      d.line(4) = 1;  // progress[3]
    write_all(pf.my_dat_path(), d.text());
    auto r = pf.run(std::string(to_title) + "menu\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(starting(r.lines, "menu "), (std::vector<std::string>{"menu |About|Start"}))
        << variant;
  }
}

TEST(TitleScenarios, TheCollectionShowsTheSealsStuckSoFar) {
  program_folder pf(seed);
  my_dat d;
  d.line(1208) = 1;  // play_count: a run has been started
  d.collected(100) = 1;
  d.collected(105) = 1;
  d.collected(500) = 1;
  d.collected(999) = 1;   // a damaged file: the sold-out stand-in is no seal to show
  d.line(101 + 101) = 4;  // stock[101]: bought but never stuck
  game::build_catalogue_at(0);
  int chara = 0;
  for (int id = 100; id < game::item_count && !chara; ++id)
    if (game::item[id].kind == game::kind_seal && game::item[id].chara == 1) chara = id;
  ASSERT_NE(chara, 0);
  d.collected(chara) = 1;
  write_all(pf.my_dat_path(), d.text());

  const std::string shot = pf.root() + "/collection.bmp";
  auto r = pf.run(std::string(to_title) +
                  "menu\nbutton 1\ntick 2\n"  // Collection
                  "button 1\ntick 10\nmove 47 33\ntick 1\nshot " +
                  shot +
                  "\nstate\n"                                 // ノーマル
                  "button 3\ntick 1\nstate\ntick 3\nstate\n"  // a press over a button closes it
                  "button 2\ntick 10\nstate\n"                // キャラ
                  "click 200 200\ntick 4\n"
                  "button 3\ntick 2\nmenu\n");  // Back
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(starting(r.lines, "menu ").front(), "menu Collection|About|Start");
  EXPECT_EQ(count_of(r.lines, "music col.mid"), 1);
  EXPECT_EQ(count_of(r.lines, "menu ノーマル|キャラ|Back"), 3)
      << "offered, and again after each view";
  EXPECT_EQ(count_of(r.lines, "sound 1 4.wav"), 2);

  const auto st = states(r);
  ASSERT_EQ(st.size(), 4u);
  EXPECT_EQ(field(st[0], "seal_box_state"), 2);
  EXPECT_EQ(field(st[0], "box_mode"), 1);
  EXPECT_EQ(field(st[0], "box_x"), 0);
  EXPECT_EQ(field(st[0], "box_count"), 3);
  // Cells by column × 8 + row: (0,0), (1,0), (2,0).
  EXPECT_EQ(object_field(st[0], "seal_grid"), "{\"0\":100,\"8\":105,\"16\":500}");
  // The third button lay over the box: its press closed the view instead of going "Back".
  EXPECT_EQ(field(st[1], "seal_box_state"), 3);
  EXPECT_EQ(field(st[1], "box_mode"), 2);
  EXPECT_EQ(field(st[2], "seal_box_state"), 0);
  EXPECT_EQ(field(st[2], "box_mode"), 0);
  EXPECT_EQ(object_field(st[3], "seal_grid"), "{\"0\":" + std::to_string(chara) + "}");
  EXPECT_EQ(field(st[3], "collection_tab"), 1);
  // Back after the second view.
  EXPECT_EQ(starting(r.lines, "menu ").back(), "menu Collection|About|Start");
  EXPECT_EQ(count_of(r.lines, "music not"), 1);
  EXPECT_TRUE(fs::exists(shot));
}

TEST(TitleScenarios, ADamagedProgressFileIsKeptAsideAndTheGameStartsAfresh) {
  program_folder pf(seed);
  my_dat d;
  d.line(1201) = 777;
  d.line(1208) = 3;
  std::string damaged = d.text();
  damaged.resize(damaged.size() / 3);  // cut short, as a crash in the middle of a write would
  write_all(pf.my_dat_path(), damaged);

  auto r = pf.run(std::string(to_title) + "state\nmenu\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("my.dat.damaged-1"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(pf.my_dat_path()));
  EXPECT_EQ(read_all(pf.my_dat_path() + ".damaged-1"), damaged);
  const auto st = states(r);
  ASSERT_EQ(st.size(), 1u);
  EXPECT_EQ(field(st[0], "money"), 0);
  EXPECT_EQ(field(st[0], "play_count"), 0);
  EXPECT_EQ(field(st[0], "save_marker"), 1);
  EXPECT_EQ(field(st[0], "flyer_kind"), -1);
  EXPECT_EQ(starting(r.lines, "menu "), (std::vector<std::string>{"menu |About|Start"}));

  // Garbage in a line is damage too, and the first file kept is never overwritten.
  std::string garbage = d.text();
  garbage.replace(garbage.find("777"), 3, "7x7");
  write_all(pf.my_dat_path(), garbage);
  r = pf.run("state\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read_all(pf.my_dat_path() + ".damaged-1"), damaged);
  EXPECT_EQ(read_all(pf.my_dat_path() + ".damaged-2"), garbage);
}

}  // namespace
