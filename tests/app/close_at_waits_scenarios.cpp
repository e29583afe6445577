// The window closed at every click wait and every blocking choice of played days: the game must
// unwind at once, shut down and exit 0, and the progress file must hold nothing but what the
// player saved. The robot player plays the days and, at each wait, closes the window in a copy
// of the game (florinet-autoplay --close-at-waits); then a sample of those waits is closed again
// by the real florinet-headless, replaying the robot's commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/process.h"

namespace {

namespace fs = std::filesystem;

const std::string robot = std::string(FLORINET_BINARY_DIR) + "/tools/autoplay/florinet-autoplay";
const std::string driver = std::string(FLORINET_GAME_DIR) + "/florinet-headless";

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int number_before(const std::string& text, const std::string& word) {
  const auto at = text.find(word);
  if (at == std::string::npos) return -1;
  auto b = text.rfind(' ', at - 2);
  return std::atoi(text.c_str() + (b == std::string::npos ? 0 : b + 1));
}

struct played {
  int waits = 0, choices = 0, saves = 0, endings = 0;
  std::string work;
};

// One seed's day through the robot, closing at every wait; its files kept in a fresh folder.
played play(const std::vector<std::string>& args) {
  char tmpl[] = "/tmp/florinet-closes-XXXXXX";
  played p;
  p.work = ::mkdtemp(tmpl);
  std::vector<std::string> argv{robot,    "--days", "1",   "--close-at-waits",
                                "--keep", "--work", p.work};
  argv.insert(argv.end(), args.begin(), args.end());
  const proc::result r = proc::run(argv);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(" 0 failures"), std::string::npos) << r.out;
  p.waits = number_before(r.out, "click waits");
  const auto closed = r.out.find("closed the window");
  p.choices = closed == std::string::npos ? -1 : number_before(r.out.substr(closed), "of them");
  p.saves = number_before(r.out, "saves,");
  p.endings = number_before(r.out, "endings");
  return p;
}

TEST(CloseAtEveryWait, AFreshGameFromTheTitleThroughItsFirstDay) {
  // The title, the introduction, the choice of difficulty, the first evening, day 1, its closing,
  // the owner's review, the evening and the night.
  const played p = play({"--seed", "1"});
  EXPECT_GT(p.waits, 50);
  EXPECT_GE(p.choices, 1);  // the difficulty
  fs::remove_all(p.work);
}

TEST(CloseAtEveryWait, TheEndingsWaitsAndChoices) {
  // A late game whose first day ends in the promotion to level 10 and the ending: whether it
  // does is the robot's play, so the first of a few seeds that comes there is taken.
  played p;
  for (int s = 1; s <= 12 && (p.endings != 1 || p.choices < 2); ++s) {
    if (!p.work.empty()) fs::remove_all(p.work);
    p = play({"--seed", std::to_string(s), "--late-every", std::to_string(s)});
  }
  EXPECT_EQ(p.endings, 1) << "no seed from 1 to 12 came to the ending";
  EXPECT_GE(p.choices, 2);  // the knock, the answer to セブン
  fs::remove_all(p.work);
}

TEST(CloseAtEveryWait, ThePrintersDayWithASaveAlsoThroughTheRealDriver) {
  // A late game opening day 48: the printer's daughter knocks at closing time, and in the
  // evening the player sticks the save seal on the door.
  // Whether the robot saves that evening, and whether a blocking choice comes that day, are its
  // own choices: the first of a few seeds whose player does both is taken.
  played p;
  std::string seed;
  for (int s = 55; s < 55 + 24 && (p.saves != 1 || p.choices < 1); ++s) {
    if (!p.work.empty()) fs::remove_all(p.work);
    seed = std::to_string(s);
    p = play({"--seed", seed, "--late-every", seed});
  }
  ASSERT_EQ(p.saves, 1) << "no seed from 55 to 78 saved and chose on its printer's day";
  ASSERT_GT(p.waits, 80);
  ASSERT_GE(p.choices, 1);

  // The same day through florinet-headless: where each wait, choice and save came.
  const std::string dir = p.work + "/seed-" + seed;
  const std::string start = slurp(dir + "/life-0.dat");
  const std::string saved = slurp(dir + "/game/dat/my.dat");
  ASSERT_NE(start, saved);
  std::vector<std::string> commands;
  {
    std::istringstream in(slurp(dir + "/life-0.script"));
    for (std::string l; std::getline(in, l);) commands.push_back(l);
  }
  auto run_to = [&](const std::vector<std::string>& script, bool trace) {
    std::ofstream(dir + "/cut.script") << [&] {
      std::string s;
      for (const auto& c : script) s += c + "\n";
      return s;
    }();
    fs::copy_file(dir + "/life-0.dat", dir + "/game/dat/my.dat",
                  fs::copy_options::overwrite_existing);
    std::vector<std::string> argv{driver, "--root",   dir + "/game",      "--seed",
                                  seed,   "--script", dir + "/cut.script"};
    if (trace) argv.push_back("--trace");
    return proc::run(argv);
  };
  const proc::result full = run_to(commands, true);
  ASSERT_EQ(full.status, 0);
  ASSERT_EQ(slurp(dir + "/game/dat/my.dat"), saved) << "the driver replays the robot's day";
  // Command n is read at the n-th "ready"; a wait begun before it is pending when it is read.
  std::vector<int> waits, choices;
  int ready = 0, save_at = -1;
  {
    std::istringstream in(full.out);
    for (std::string l; std::getline(in, l);) {
      if (l == "ready") ++ready;
      if (l == "wait") waits.push_back(ready);
      if (l == "choice") choices.push_back(ready);
      if (l == "save") save_at = ready;
    }
  }
  ASSERT_EQ(int(waits.size()), p.waits);
  ASSERT_GT(save_at, 0);
  // A sample: the blocking choices, the wait after the save, and waits spread over the day.
  std::vector<int> cuts = choices;
  for (int w : waits)
    if (w >= save_at) {
      cuts.push_back(w);
      break;
    }
  for (std::size_t i = 0; i < waits.size(); i += waits.size() / 6) cuts.push_back(waits[i]);
  for (int cut : cuts) {
    std::vector<std::string> script(commands.begin(), commands.begin() + cut);
    script.push_back("close");
    const proc::result r = run_to(script, true);
    EXPECT_EQ(r.status, 0) << "closed after command " << cut;
    EXPECT_NE(r.out.find("\nexit\n"), std::string::npos) << "closed after command " << cut;
    EXPECT_EQ(slurp(dir + "/game/dat/my.dat"), cut >= save_at ? saved : start)
        << "closed after command " << cut;
  }
  fs::remove_all(p.work);
}

}  // namespace
