// The real game in a real window, under a virtual X server: the window opens at an integer
// scale of 390×260, shows the picture, a click advances the start screen, the game waits without
// spinning, and the window's close request ends the program with status 0. Its comforts: M
// mutes and unmutes (remembered, told in the caption), F12 saves the picture as a PNG file at the
// window's scale into the pictures folder. The evening shop's long list scrolls with the wheel.
// The keys 1, 2, 3 press the buttons on offer, Space goes on where a click would, and a key held
// down presses once.
#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/png_decode.h"
#include "process.h"
#include "shell/program_folder.h"
#include "support/scratch_dir.h"
#include "x11_probe.h"

namespace {

namespace fs = std::filesystem;
using shell_test::ProgramFolder;
using test_support::read_all;

bool on_path(const std::string& tool) {
  return proc::run({"sh", "-c", "command -v " + tool}).status == 0;
}

// A virtual X server on a free display, for the length of the test.
class VirtualDisplay {
 public:
  bool start() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    if (!server_.start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                        "1280x1024x24", "-nolisten", "tcp"},
                       {}, fds[1], fds[1]))
      return false;
    close(fds[1]);
    // The server writes its display number once it accepts clients.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 15000) > 0) {
      char c;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    if (number.empty()) return false;
    name_ = ":" + number;
    return true;
  }
  const std::string& name() const { return name_; }

 private:
  proc::child server_;
  std::string name_;
};

// How long the test waits for the game to show a change. Generous: a busy two-core machine may
// hold the game back for seconds, and a change that has come ends the wait at once.
constexpr int settle_ms = 20000;

struct geometry {
  int w = 0, h = 0;
};

geometry window_size(const std::string& display, const std::string& id) {
  const proc::result r = proc::run({"xwininfo", "-id", id}, {"DISPLAY=" + display});
  geometry g;
  std::istringstream is(r.out);
  for (std::string l; std::getline(is, l);) {
    if (l.find("Width:") != std::string::npos) g.w = std::atoi(l.c_str() + l.find(':') + 1);
    if (l.find("Height:") != std::string::npos) g.h = std::atoi(l.c_str() + l.find(':') + 1);
  }
  return g;
}

// Waits until the pixel shows `want`; answers the last colour seen.
unsigned long wait_for_pixel(x11::probe& d, unsigned long w, int x, int y, unsigned long want,
                             int ms) {
  unsigned long got = ~0ul;
  for (int t = 0; t < ms; t += 50) {
    got = d.pixel(w, x, y);
    if (got == want) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return got;
}

// The first of the tools these tests need that the machine lacks, or "".
std::string missing_tool() {
  for (const char* tool : {"Xvfb", "xdotool", "xwininfo"})
    if (!on_path(tool)) return tool;
  return "";
}

// The game copied into a program folder of its own, with pictures whose colours tell the screens
// apart, and a home of its own (the window's settings are not the tester's), on a virtual display.
struct windowed_game {
  ProgramFolder folder;
  fs::path exe = fs::path(folder.path()) / "florinet";
  std::string home = folder.path() + "/home";
  std::string config = home + "/.config";
  VirtualDisplay x;
  std::vector<std::string> env, xenv;

  bool open() {
    folder.put_standard();
    fs::copy_file(fs::path(FLORINET_GAME_DIR) / "florinet", exe);
    if (!x.start()) return false;
    xenv = {"DISPLAY=" + x.name()};
    env = {"DISPLAY=" + x.name(),       "SDL_VIDEODRIVER=x11",
           "SDL_AUDIODRIVER=dummy",     "HOME=" + home,
           "XDG_CONFIG_HOME=" + config, "XDG_DATA_HOME=" + home + "/.local/share"};
    return true;
  }
  // The id of the game's window once it shows ("" when none does within 20 s).
  std::string window_id() const {
    std::istringstream ids(proc::run({"timeout", "20", "xdotool", "search", "--sync",
                                      "--onlyvisible", "--name", "florinet"},
                                     xenv)
                               .out);
    std::string id;
    ids >> id;
    return id;
  }
};

TEST(WindowTest, OpensAtAnIntegerScaleAdvancesOnAClickAndClosesCleanly) {
  if (const std::string tool = missing_tool(); !tool.empty())
    GTEST_SKIP() << tool << " is missing: run scripts/setup.sh";

  windowed_game stage;
  ASSERT_TRUE(stage.open());
  const VirtualDisplay& x = stage.x;
  proc::child game;
  ASSERT_TRUE(game.start({stage.exe.string()}, stage.env));

  const std::string id = stage.window_id();
  ASSERT_FALSE(id.empty()) << "no window appeared";

  // 1280×1024 leaves room for three times 390×260.
  const geometry g = window_size(x.name(), id);
  ASSERT_GT(g.w, 0);
  EXPECT_EQ(g.w % 390, 0) << g.w;
  EXPECT_EQ(g.w / 390 * 260, g.h) << g.w << "x" << g.h;
  EXPECT_EQ(g.w, 390 * 3);
  const int s = g.w / 390;

  x11::probe d(x.name());
  ASSERT_TRUE(d.ok());
  const unsigned long w = std::stoul(id);
  // The first start screen: the plain background shows.
  EXPECT_EQ(wait_for_pixel(d, w, 20 * s + 1, 20 * s + 1, shell_test::c_bg, settle_ms),
            shell_test::c_bg);

  // Waiting on a start screen costs next to nothing (no busy loop): far below half a core.
  const long t0 = game.cpu_ticks();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const long t1 = game.cpu_ticks();
  EXPECT_LT(t1 - t0, sysconf(_SC_CLK_TCK)) << "CPU ticks in 2 s: " << (t1 - t0);

  // A click on the picture: the title picture.
  const std::string cx = std::to_string(100 * s), cy = std::to_string(80 * s);
  proc::run({"xdotool", "mousemove", "--window", id, cx, cy, "click", "1"}, stage.xenv);
  EXPECT_EQ(wait_for_pixel(d, w, 20 * s + 1, 20 * s + 1, shell_test::c_title, settle_ms),
            shell_test::c_title);
  // A second click: the title menu over login.bmp, drawn by the ticks.
  proc::run({"xdotool", "mousemove", "--window", id, cx, cy, "click", "1"}, stage.xenv);
  EXPECT_EQ(wait_for_pixel(d, w, 20 * s + 1, 20 * s + 1, shell_test::c_login, settle_ms),
            shell_test::c_login);

  // Enter: the hint box opens as a second window of the game; Enter again answers it.
  auto windows = [&] {
    std::istringstream ws(
        proc::run({"xdotool", "search", "--onlyvisible", "--class", "florinet"}, stage.xenv).out);
    int n = 0;
    for (std::string l; ws >> l;) ++n;
    return n;
  };
  auto wait_windows = [&](int want) {
    for (int i = 0; i < settle_ms / 100; ++i) {
      if (windows() == want) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  };
  ASSERT_EQ(windows(), 1);
  proc::run({"timeout", "20", "xdotool", "windowfocus", "--sync", id}, stage.xenv);
  proc::run({"xdotool", "key", "Return"}, stage.xenv);
  EXPECT_TRUE(wait_windows(2)) << "no box appeared";
  proc::run({"xdotool", "key", "Return"}, stage.xenv);
  EXPECT_TRUE(wait_windows(1)) << "the box did not close";
  EXPECT_TRUE(game.running());

  d.close_window(w);
  EXPECT_EQ(game.wait_for(settle_ms), 0);
}

TEST(WindowTest, MMutesAndF12SavesTheShownPictureAtTheWindowsScale) {
  if (const std::string tool = missing_tool(); !tool.empty())
    GTEST_SKIP() << tool << " is missing: run scripts/setup.sh";
  windowed_game stage;
  ASSERT_TRUE(stage.open());
  const VirtualDisplay& x = stage.x;
  const std::vector<std::string>& env = stage.env;
  const std::vector<std::string>& xenv = stage.xenv;
  const fs::path& exe = stage.exe;
  const std::string& home = stage.home;
  const std::string settings = stage.config + "/florinet/settings.ini";
  const std::string err_file = stage.folder.path() + "/stderr";
  const int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(err, 0);
  proc::child game;
  // Scale 2 asked for on the command line, smaller than the display would allow.
  ASSERT_TRUE(game.start({exe.string(), "--scale", "2"}, env, err, 2));
  close(err);
  std::string id = stage.window_id();
  ASSERT_FALSE(id.empty()) << "no window appeared";
  EXPECT_EQ(window_size(x.name(), id).w, 390 * 2);
  x11::probe d(x.name());
  ASSERT_TRUE(d.ok());
  const unsigned long w = std::stoul(id);
  ASSERT_EQ(wait_for_pixel(d, w, 41, 41, shell_test::c_bg, settle_ms), shell_test::c_bg);
  proc::run({"timeout", "20", "xdotool", "windowfocus", "--sync", id}, xenv);

  auto caption = [&] { return proc::run({"xdotool", "getwindowname", id}, xenv).out; };
  auto wait_until = [&](auto done) {
    for (int t = 0; t < settle_ms && !done(); t += 50)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return done();
  };
  // M: muted, said in the caption, remembered at once.
  proc::run({"xdotool", "key", "m"}, xenv);
  EXPECT_TRUE(wait_until([&] { return read_all(settings).find("mute=1") != std::string::npos; }))
      << read_all(settings);
  EXPECT_NE(caption().find("消音"), std::string::npos) << caption();
  // The caption note goes after a while.
  EXPECT_TRUE(wait_until([&] { return caption().find("消音") == std::string::npos; }));

  // F12: the picture at the window's scale, as a new file in ~/Pictures, and stderr says where.
  proc::run({"xdotool", "key", "F12"}, xenv);
  const fs::path pictures = fs::path(home) / "Pictures";
  auto shots = [&] {
    std::vector<fs::path> v;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(pictures, ec)) v.push_back(e.path());
    return v;
  };
  ASSERT_TRUE(wait_until([&] { return shots().size() == 1; })) << read_all(err_file);
  const fs::path shot = shots()[0];
  EXPECT_EQ(shot.extension(), ".png");
  EXPECT_NE(read_all(err_file).find("screenshot saved as " + shot.string()), std::string::npos)
      << read_all(err_file);
  EXPECT_NE(caption().find(shot.filename().string()), std::string::npos) << caption();
  png_test::image img;
  std::string why;
  const std::string bytes = read_all(shot.string());
  ASSERT_TRUE(png_test::decode({bytes.begin(), bytes.end()}, img, why)) << why;
  EXPECT_EQ(img.w, 390 * 2);
  EXPECT_EQ(img.h, 260 * 2);
  EXPECT_EQ(plat::RGB(img.at(41, 41, 0), img.at(41, 41, 1), img.at(41, 41, 2)), shell_test::c_bg);
  // A second one never replaces the first.
  proc::run({"xdotool", "key", "F12"}, xenv);
  EXPECT_TRUE(wait_until([&] { return shots().size() == 2; }));

  // M again: sound back.
  proc::run({"xdotool", "key", "m"}, xenv);
  EXPECT_TRUE(wait_until([&] { return read_all(settings).find("mute=0") != std::string::npos; }));
  d.close_window(w);
  EXPECT_EQ(game.wait_for(settle_ms), 0);
  // The scale came from the command line, for this run only: it is not remembered.
  EXPECT_EQ(read_all(settings).find("scale="), std::string::npos) << read_all(settings);

  // Muted again and the window made twice the picture by the player (it opened at three times,
  // the most that fits): the next start remembers both, and says it is muted.
  auto start = [&](std::vector<std::string> args) {
    args.insert(args.begin(), exe.string());
    EXPECT_TRUE(game.start(args, env));
    id = stage.window_id();
    return !id.empty();
  };
  ASSERT_TRUE(start({}));
  proc::run({"timeout", "20", "xdotool", "windowfocus", "--sync", id}, xenv);
  proc::run({"xdotool", "key", "m"}, xenv);
  EXPECT_TRUE(wait_until([&] { return read_all(settings).find("mute=1") != std::string::npos; }));
  proc::run({"xdotool", "windowsize", "--sync", id, "780", "520"}, xenv);
  d.close_window(std::stoul(id));
  EXPECT_EQ(game.wait_for(settle_ms), 0);
  EXPECT_NE(read_all(settings).find("scale=2"), std::string::npos) << read_all(settings);
  ASSERT_TRUE(start({}));
  EXPECT_EQ(window_size(x.name(), id).w, 390 * 2);
  EXPECT_NE(caption().find("消音"), std::string::npos) << caption();
  d.close_window(std::stoul(id));
  EXPECT_EQ(game.wait_for(settle_ms), 0);
}

TEST(WindowTest, KeysPressTheOfferedButtonsOnceAndSpaceGoesOn) {
  if (const std::string tool = missing_tool(); !tool.empty())
    GTEST_SKIP() << tool << " is missing: run scripts/setup.sh";
  windowed_game stage;
  ASSERT_TRUE(stage.open());
  constexpr plat::rgb c_about = plat::RGB(220, 120, 20), c_shop = plat::RGB(120, 20, 220);
  stage.folder.put_solid("title2.bmp", 195, 130, c_about);
  stage.folder.put_solid("haikei2.bmp", 195, 130, c_shop);
  const std::vector<std::string>& xenv = stage.xenv;
  proc::child game;
  ASSERT_TRUE(game.start({stage.exe.string()}, stage.env));
  const std::string id = stage.window_id();
  ASSERT_FALSE(id.empty()) << "no window appeared";
  x11::probe d(stage.x.name());
  ASSERT_TRUE(d.ok());
  const unsigned long w = std::stoul(id);
  const int s = window_size(stage.x.name(), id).w / 390;
  ASSERT_GT(s, 0);
  auto at = [&](int px, int py) { return d.pixel(w, px * s + s / 2, py * s + s / 2); };
  auto wait_at = [&](int px, int py, plat::rgb want) {
    return wait_for_pixel(d, w, px * s + s / 2, py * s + s / 2, want, settle_ms);
  };
  auto key = [&](const std::string& k) { proc::run({"xdotool", "key", k}, xenv); };
  // A key held for well over the display's repeat delay, then let go.
  auto hold = [&](const std::string& k) {
    proc::run({"xdotool", "keydown", k}, xenv);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    proc::run({"xdotool", "keyup", k}, xenv);
  };
  // Nothing more happens for a while: the background stays `c`.
  auto stays = [&](plat::rgb c) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    return at(20, 20) == c;
  };

  ASSERT_EQ(wait_at(20, 20, shell_test::c_bg), shell_test::c_bg);
  // The pointer rests on the picture, away from the buttons (a hovered plate moves).
  proc::run(
      {"xdotool", "mousemove", "--window", id, std::to_string(10 * s), std::to_string(10 * s)},
      xenv);
  proc::run({"timeout", "20", "xdotool", "windowfocus", "--sync", id}, xenv);
  // Space past the two start screens.
  key("space");
  EXPECT_EQ(wait_at(20, 20, shell_test::c_title), shell_test::c_title);
  key("space");
  EXPECT_EQ(wait_at(20, 20, shell_test::c_login), shell_test::c_login);

  // The title menu offers "", About, Start: 1 has no caption, and Shift+3 is the right press,
  // which Start ignores.
  key("1");
  key("shift+3");
  EXPECT_TRUE(stays(shell_test::c_login));
  // 2 held: About, once. Its four lines each wait: Space until its menu's first plate shows.
  hold("2");
  EXPECT_EQ(wait_at(20, 20, c_about), c_about);
  bool menu = false;
  for (int t = 0; t < settle_ms && !menu; t += 400) {
    key("space");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    menu = at(255, 166) == shell_test::c_box;
  }
  ASSERT_TRUE(menu) << "About's menu did not come";
  // 3 held: Back to the title menu, and no second press on its Start.
  hold("3");
  EXPECT_EQ(wait_at(20, 20, shell_test::c_login), shell_test::c_login);
  EXPECT_TRUE(stays(shell_test::c_login)) << "a held key pressed again";
  // A new press of 3: Start, the shop.
  key("3");
  EXPECT_EQ(wait_at(20, 20, c_shop), c_shop);
  d.close_window(w);
  EXPECT_EQ(game.wait_for(settle_ms), 0);
}

// A new player's progress file for a clerk well up the ranks on day 3: the first evening then
// offers every wrapping the level allows, eleven seals and the save seal, so its buy list is
// nearly always longer than the 18 lines the list shows.
void write_progress(const fs::path& file) {
  std::ofstream out(file, std::ios::binary);
  for (int line = 1; line <= 2259; ++line) {
    int v = 0;
    if (line == 1205) v = 9;   // clerk level
    if (line == 1206) v = 3;   // day
    if (line == 1207) v = 1;   // the file's marker
    if (line == 2252) v = -1;  // no flyer batch
    out << v << "\r\n";
  }
}

TEST(WindowTest, TheWheelScrollsTheEveningList) {
  if (const std::string tool = missing_tool(); !tool.empty())
    GTEST_SKIP() << tool << " is missing: run scripts/setup.sh";
  windowed_game stage;
  ASSERT_TRUE(stage.open());
  const VirtualDisplay& x = stage.x;
  const std::vector<std::string>& xenv = stage.xenv;
  x11::probe d(x.name());
  ASSERT_TRUE(d.ok());

  // The buy list's scroll bar at the list's right edge: the thumb at the top while the list
  // shows its first lines, the bare track there once it has scrolled. Without a bar the list's
  // own background shows.
  constexpr int bar_x = 382, bar_y = 14;
  constexpr plat::rgb thumb = plat::RGB(138, 135, 113), track = plat::RGB(46, 40, 40);
  constexpr plat::rgb black = plat::RGB(0, 0, 0);
  auto click = [&](const std::string& id, int s, int px, int py) {
    proc::run({"xdotool", "mousemove", "--window", id, std::to_string(px * s + s / 2),
               std::to_string(py * s + s / 2), "click", "1"},
              xenv);
  };

  // The offers are drawn from the clock: an evening whose list happens to fit is played again.
  bool scrolled = false;
  for (int attempt = 0; attempt < 6 && !scrolled; ++attempt) {
    write_progress(fs::path(stage.folder.path()) / "dat" / "my.dat");
    proc::child game;
    ASSERT_TRUE(game.start({stage.exe.string()}, stage.env));
    const std::string id = stage.window_id();
    ASSERT_FALSE(id.empty()) << "no window appeared";
    const unsigned long w = std::stoul(id);
    const int s = window_size(x.name(), id).w / 390;
    ASSERT_GT(s, 0);
    auto at = [&](int px, int py) { return d.pixel(w, px * s + s / 2, py * s + s / 2); };
    auto wait_at = [&](int px, int py, plat::rgb want) {
      return wait_for_pixel(d, w, px * s + s / 2, py * s + s / 2, want, settle_ms);
    };

    // Past the two start screens to the title menu, then "Start".
    ASSERT_EQ(wait_at(20, 20, shell_test::c_bg), shell_test::c_bg);
    click(id, s, 100, 80);
    ASSERT_EQ(wait_at(20, 20, shell_test::c_title), shell_test::c_title);
    click(id, s, 100, 80);
    ASSERT_EQ(wait_at(20, 20, shell_test::c_login), shell_test::c_login);
    click(id, s, 322, 246);
    // The owner's lines each wait for a click, and the first button answers his question (the
    // easiest mode, the most money): clicks there until the evening's panel covers the picture.
    // Those that come after it land on the list's rows in view, which scroll nothing.
    bool shown = false;
    for (int t = 0; t < settle_ms && !shown; t += 250) {
      click(id, s, 300, 190);
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      shown = at(1, 1) == black;
    }
    ASSERT_TRUE(shown) << "the evening's panel did not open";
    // The panel came with its list drawn; a bar shows only for a long one.
    if (at(bar_x, bar_y) != thumb) {
      d.close_window(w);
      EXPECT_EQ(game.wait_for(settle_ms), 0);
      continue;
    }

    // One notch down over the list: the list scrolls and the thumb leaves the top. One up: back.
    proc::run({"xdotool", "mousemove", "--window", id, std::to_string(300 * s),
               std::to_string(100 * s), "click", "5"},
              xenv);
    EXPECT_EQ(wait_at(bar_x, bar_y, track), track);
    proc::run({"xdotool", "click", "4"}, xenv);
    EXPECT_EQ(wait_at(bar_x, bar_y, thumb), thumb);
    scrolled = true;
    d.close_window(w);
    EXPECT_EQ(game.wait_for(settle_ms), 0);
  }
  EXPECT_TRUE(scrolled) << "no evening offered more lines than the list shows";
}

}  // namespace
