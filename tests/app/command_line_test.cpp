// The programs' command lines as a player meets them: --help, --version, a bad option, no
// display, and --data-dir: the first start fills the folder from the program's own my.dat, a
// later start leaves the player's file alone, and the program folder is not written. The manual
// pages name the same options as the programs' --help.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <thread>

#include "process.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

const std::string game_exe = std::string(FLORINET_GAME_DIR) + "/florinet";

using test_support::read_all;

struct scratch : test_support::scratch_dir {
  scratch() : scratch_dir("cli") {}
  std::string err() const { return dir + "/stderr"; }
  // A new player's environment: nothing of the real home is read or written.
  std::vector<std::string> env() const {
    return {"HOME=" + dir + "/home", "XDG_DATA_HOME=" + dir + "/data",
            "XDG_CONFIG_HOME=" + dir + "/config"};
  }
};

TEST(CommandLine, HelpVersionAndABadOption) {
  scratch s;
  proc::result r = proc::run({game_exe, "--help"}, s.env(), s.err());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("usage: florinet", 0), 0u) << r.out;
  // The build folder can be written: progress stays in it, and --help says so.
  EXPECT_NE(r.out.find(std::string(FLORINET_GAME_DIR) + "/dat/my.dat"), std::string::npos);
  r = proc::run({game_exe, "--help", "--data-dir", s.dir + "/saves"}, s.env(), s.err());
  EXPECT_NE(r.out.find(s.dir + "/saves/my.dat"), std::string::npos) << r.out;

  r = proc::run({game_exe, "--version"}, s.env(), s.err());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("florinet 1.4", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\nbuild "), std::string::npos) << r.out;

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{game_exe, "--frobnicate"}, {game_exe, "--scale", "0"}}) {
    r = proc::run(bad, s.env(), s.err());
    EXPECT_EQ(r.status, 2) << bad[1];
    EXPECT_EQ(r.out, "") << "usage goes to stderr";
    EXPECT_NE(read_all(s.err()).find("usage: florinet"), std::string::npos) << read_all(s.err());
  }
  EXPECT_FALSE(fs::exists(s.dir + "/data")) << "the command line alone makes no folder";
  EXPECT_FALSE(fs::exists(s.dir + "/saves"));

  r = proc::run({std::string(FLORINET_GAME_DIR) + "/florinet-headless", "--help"}, {}, s.err());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("usage: florinet-headless", 0), 0u) << r.out;
}

// The long options a text names ("--name"; troff writes the dash as "\-").
std::set<std::string> options_in(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
  std::set<std::string> out;
  const std::regex option("--[a-z][a-z-]*[a-z]");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it)
    out.insert(it->str());
  return out;
}

TEST(CommandLine, TheManualPagesNameTheOptionsOfTheHelp) {
  scratch s;
  for (const std::string program : {"florinet", "florinet-headless"}) {
    SCOPED_TRACE(program);
    const proc::result help =
        proc::run({std::string(FLORINET_GAME_DIR) + "/" + program, "--help"}, s.env(), s.err());
    const std::string page_file = std::string(FLORINET_BINARY_DIR) + "/man/" + program + ".6";
    const std::string page = read_all(page_file);
    ASSERT_FALSE(page.empty()) << page_file;
    EXPECT_EQ(page.find('@'), std::string::npos) << "a value left unfilled";
    EXPECT_GE(options_in(help.out).size(), 4u);
    EXPECT_EQ(options_in(page), options_in(help.out));
    // Both say where progress is kept (the game) or name the commands' manual (the driver).
    if (program == "florinet") {
      EXPECT_NE(page.find("my.dat"), std::string::npos);
      EXPECT_NE(help.out.find("Japanese"), std::string::npos);
      EXPECT_NE(help.out.find("--lang en"), std::string::npos) << "how to choose English";
      EXPECT_NE(help.out.find("西部チール"), std::string::npos) << "the save seal";
    } else {
      EXPECT_EQ(help.out.find("ARCHITECTURE"), std::string::npos) << "a file not installed";
      for (const char* key : {"key 1", "key shift+3", "key space", "panel select", "stories"})
        EXPECT_NE(page.find(key), std::string::npos) << key;
    }
    // The page renders without a warning, where man is at hand.
    if (proc::run({"sh", "-c", "command -v man"}).status == 0) {
      const std::string warnings = s.dir + "/man-warnings";
      const proc::result r =
          proc::run({"man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", page_file},
                    {"MANWIDTH=80"}, warnings);
      EXPECT_EQ(r.status, 0);
      EXPECT_EQ(read_all(warnings), "");
      // Bold may come as overstrikes ("S\bS"): the letters are read without them.
      const std::string plain = std::regex_replace(r.out, std::regex(".\b"), "");
      EXPECT_NE(plain.find("SYNOPSIS"), std::string::npos) << r.out.substr(0, 300);
    }
  }
}

TEST(CommandLine, NoDisplayIsOneClearLineAndStatusOne) {
  scratch s;
  const proc::result r = proc::run(
      {"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "SDL_VIDEODRIVER", game_exe}, s.env(),
      s.err());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(read_all(s.err()),
            "florinet: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is "
            "set)\n");
}

TEST(CommandLine, ADataDirIsFilledOnceFromTheProgramsProgressAndThenLeftToThePlayer) {
  scratch s;
  // A portable copy of the game whose own progress file is recognisable.
  const fs::path game = s.dir + "/game";
  fs::create_directories(game / "dat");
  fs::copy_file(game_exe, game / "florinet");
  fs::create_directory_symlink(fs::path(FLORINET_GAME_DIR) / "cg", game / "cg");
  for (const auto& e : fs::directory_iterator(fs::path(FLORINET_GAME_DIR) / "dat")) {
    const std::string name = e.path().filename().string();
    if (name.rfind("my.dat", 0) != 0) fs::create_symlink(e.path(), game / "dat" / name);
  }
  std::string progress;
  for (int line = 1; line <= 2259; ++line)
    progress += std::to_string(line == 1201 ? 4321 : line == 2252 ? -1 : 0) + "\r\n";
  std::ofstream(game / "dat" / "my.dat", std::ios::binary) << progress;

  const std::string saves = s.dir + "/saves";
  auto play_a_moment = [&] {
    proc::child c;
    std::vector<std::string> env = s.env();
    env.push_back("SDL_VIDEODRIVER=dummy");
    env.push_back("SDL_AUDIODRIVER=dummy");
    ASSERT_TRUE(c.start({(game / "florinet").string(), "--data-dir", saves}, env));
    for (int i = 0; i < 300 && !fs::exists(saves + "/my.dat") && c.running(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::kill(c.pid(), SIGTERM);  // the window's close request
    EXPECT_EQ(c.wait_for(20000), 0);
  };

  play_a_moment();
  EXPECT_EQ(read_all(saves + "/my.dat"), progress) << "the first start copies the program's file";
  std::string players = progress;
  players.replace(players.find("4321"), 4, "7777");
  std::ofstream(saves + "/my.dat", std::ios::binary) << players;
  play_a_moment();
  EXPECT_EQ(read_all(saves + "/my.dat"), players) << "a later start keeps the player's own";

  EXPECT_EQ(read_all((game / "dat" / "my.dat").string()), progress);
  EXPECT_FALSE(fs::exists(game / "うりあげ帳.txt"));
  EXPECT_FALSE(fs::exists(s.dir + "/data")) << "no other save folder is made";
}

}  // namespace
