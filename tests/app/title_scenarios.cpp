// The title scenes end to end through florinet-headless: About, System and the drawing rate,
// Back, New Game with the files it writes, the letter and the collection from crafted progress
// files, and a damaged progress file at start-up.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "platform/sjis.h"

namespace {

namespace fs = std::filesystem;

constexpr int lines_in_my_dat = 2259;

std::string read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void write_all(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}
std::string S(const std::string& utf8) {
  return plat::to_sjis(utf8);
}

// A progress file as 2259 numbers, line n at index n - 1.
struct my_dat {
  std::vector<int> v = std::vector<int>(lines_in_my_dat, 0);
  my_dat() {
    line(1207) = 1;   // save_marker
    line(2252) = -1;  // flyer_kind: none
  }
  int& line(int n) { return v[std::size_t(n - 1)]; }
  int& collected(int id) { return line(1251 + id); }
  std::string text() const {
    std::string t;
    for (int x : v) t += std::to_string(x) + "\r\n";
    return t;
  }
};

// A program folder of its own: the built pictures and sounds, our own dat/my.dat.
class program_folder {
 public:
  program_folder() {
    char tmpl[] = "/tmp/florinet-titlescn-XXXXXX";
    root_ = ::mkdtemp(tmpl);
    const fs::path game(FLORINET_GAME_DIR);
    std::error_code ec;
    fs::create_directory_symlink(game / "cg", fs::path(root_) / "cg", ec);
    fs::create_directory(fs::path(root_) / "dat");
    for (const auto& e : fs::directory_iterator(game / "dat", ec)) {
      const auto name = e.path().filename().string();
      if (name.rfind("my.dat", 0) == 0) continue;
      fs::create_symlink(e.path(), fs::path(root_) / "dat" / name, ec);
    }
  }
  ~program_folder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  const std::string& root() const { return root_; }
  std::string my_dat_path() const { return root_ + "/dat/my.dat"; }
  std::string ledger_path() const { return root_ + "/うりあげ帳.txt"; }

  struct result {
    std::vector<std::string> lines;  // standard output, one entry a line
    std::string err;
    int status = -1;
  };
  // Runs the driver with tracing on the given script.
  result run(const std::string& script) const {
    write_all(root_ + "/script.txt", script);
    const std::string cmd = std::string("'") + FLORINET_GAME_DIR +
                            "/florinet-headless' --seed 7 --root '" + root_ + "' --script '" +
                            root_ + "/script.txt' --trace 2>'" + root_ + "/stderr.txt'";
    result r;
    std::FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    r.status = ::pclose(p);
    std::size_t pos = 0;
    while (pos < out.size()) {
      std::size_t nl = out.find('\n', pos);
      if (nl == std::string::npos) nl = out.size();
      r.lines.push_back(out.substr(pos, nl - pos));
      pos = nl + 1;
    }
    r.err = read_all(root_ + "/stderr.txt");
    return r;
  }

 private:
  std::string root_;
};

// The events of a run without the driver's `ready` prompts.
std::vector<std::string> events(const program_folder::result& r) {
  std::vector<std::string> out;
  for (const auto& l : r.lines)
    if (l != "ready") out.push_back(l);
  return out;
}
int count(const program_folder::result& r, const std::string& line) {
  int n = 0;
  for (const auto& l : r.lines) n += l == line;
  return n;
}
// Lines starting with `prefix`, in order.
std::vector<std::string> starting(const program_folder::result& r, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& l : r.lines)
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}
// The `state` dumps, in order.
std::vector<std::string> states(const program_folder::result& r) {
  return starting(r, "{\"");
}
// An integer field of a state dump.
int field(const std::string& state, const std::string& name) {
  std::smatch m;
  if (!std::regex_search(state, m, std::regex("\"" + name + "\":(-?[0-9]+)"))) return -12345;
  return std::stoi(m[1]);
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
  program_folder pf;
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

  EXPECT_EQ(starting(r, "menu "),
            (std::vector<std::string>{"menu |About|Start", "menu System|New Game|Back",
                                      "menu 描画速度変更||Back", "menu 描画速度変更||Back",
                                      "menu 描画速度変更||Back", "menu 描画速度変更||Back",
                                      "menu |About|Start"}));
  EXPECT_EQ(count(r, "bg title2.bmp"), 1);
  EXPECT_EQ(count(r, "wait"), 4) << "About's four lines each wait for a click";
  EXPECT_EQ(
      starting(r, "msg "),
      (std::vector<std::string>{"msg 0 このげえむは、品物をつつむげえむです。",
                                "msg 0 そんだけ！！！！！！！", starting(r, "msg ")[2],
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
  const auto ev = events(r);
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
  EXPECT_EQ(count(r, "save"), 0);
}

TEST(TitleScenarios, NewGameWritesAFreshProgressFileAndLedger) {
  program_folder pf;
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
  EXPECT_EQ(starting(r, "menu ").front(), "menu Collection|About|Start");
  EXPECT_EQ(starting(r, "menu ").back(), "menu |About|Start");
  EXPECT_EQ(count(r, "sound 1 save.wav"), 1);
  EXPECT_EQ(count(r, "save"), 1);
  const auto msgs = starting(r, "msg 0 ....");
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
  program_folder pf;
  my_dat d;
  d.line(1201) = 4321;
  write_all(pf.my_dat_path(), d.text());
  // The script ends (the window closes) while New Game waits for its second click.
  auto r = pf.run(std::string(to_title) +
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"
                  "button 2\nclick 1 1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(count(r, "save"), 0);
  EXPECT_EQ(count(r, "sound 1 save.wav"), 0);
  EXPECT_EQ(read_all(pf.my_dat_path()), d.text());
  EXPECT_FALSE(fs::exists(pf.ledger_path()));
}

TEST(TitleScenarios, TheLetterIsOfferedAtStartUpOnceEverySealIsCollected) {
  game::build_catalogue_at(0);
  program_folder pf;
  my_dat d;
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[id].kind == game::kind_seal && id != game::sold_out_item) d.collected(id) = 1;
  write_all(pf.my_dat_path(), d.text());

  auto r = pf.run(std::string(to_title) + "menu\nbutton 1\ntick 4\nshot " + pf.root() +
                  "/letter.bmp\nclick 1 1\nclick 1 1\nclick 1 1\ntick 4\nstate\n"
                  "button 2\nclick 1 1\nclick 1 1\nclick 1 1\nclick 1 1\n"  // About
                  "button 3\nmenu\n");                                      // Back
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(starting(r, "menu "),
            (std::vector<std::string>{"menu 手紙|About|Start", "menu Collection|About|Start",
                                      "menu System|New Game|Back", "menu |About|Start"}));
  const auto ev = events(r);
  auto paper = std::find(ev.begin(), ev.end(), "sound 1 paper.wav");
  ASSERT_NE(paper, ev.end());
  EXPECT_EQ(*(paper + 1), "bg letter.bmp");
  EXPECT_EQ(*(paper + 2), "wait") << "the letter is read before anything is said";
  EXPECT_EQ(starting(r, "msg 304 "),
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
    program_folder pf;
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
    EXPECT_EQ(starting(r, "menu "), (std::vector<std::string>{"menu |About|Start"})) << variant;
  }
}

TEST(TitleScenarios, TheCollectionShowsTheSealsStuckSoFar) {
  program_folder pf;
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
  EXPECT_EQ(starting(r, "menu ").front(), "menu Collection|About|Start");
  EXPECT_EQ(count(r, "music col.mid"), 1);
  EXPECT_EQ(count(r, "menu ノーマル|キャラ|Back"), 3) << "offered, and again after each view";
  EXPECT_EQ(count(r, "sound 1 4.wav"), 2);

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
  EXPECT_EQ(starting(r, "menu ").back(), "menu Collection|About|Start");
  EXPECT_EQ(count(r, "music not"), 1);
  EXPECT_TRUE(fs::exists(shot));
}

TEST(TitleScenarios, ADamagedProgressFileIsKeptAsideAndTheGameStartsAfresh) {
  program_folder pf;
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
  EXPECT_EQ(starting(r, "menu "), (std::vector<std::string>{"menu |About|Start"}));

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
