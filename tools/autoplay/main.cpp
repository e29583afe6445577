// florinet-autoplay: the robot player. Plays the game from a progress file for a number of days
// with a seed (or a range of seeds), checking the game's invariants after every frame and every
// action, and prints what it played. Each life of the game runs in a child process: a bankruptcy
// or an ending closes the program as it does for a player, and the run goes on from a fresh
// progress file; a failure leaves the life's starting progress file and its commands behind, with
// the two commands that replay it.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/language.h"
#include "platform/i18n.h"
#include "robot.h"
#include "starts.h"

namespace {

namespace fs = std::filesystem;

struct options {
  std::string game = FLORINET_GAME_DIR;  // the program folder whose pictures and sounds are played
  std::string from;                      // the starting progress file; empty = a fresh game
  int late_every = 0;                    // every K-th seed starts from a late game instead
  std::string work;                      // where the runs' folders go; empty = a new /tmp folder
  unsigned seed = 1;
  int seeds = 1;
  int days = 30;
  bool close_at_waits = false;
  bool keep = false;
  bool quiet = false;
  int hang_seconds = 600;
  std::string lang;  // the game's language; empty: as the player's settings and locale say
};

const char* usage =
    "usage: florinet-autoplay [--game DIR] [--from FILE] [--seed N] [--seeds K] [--days N]\n"
    "                         [--late-every K] [--work DIR] [--keep] [--close-at-waits]\n"
    "                         [--hang-seconds S] [--lang CODE] [--quiet]\n";

void help() {
  std::printf(
      "%s\n"
      "The robot player: plays the game from a progress file for N days per seed, as a player\n"
      "might, checking the game's invariants after every frame and every action. A failure\n"
      "prints the seed, the day, the last actions and the commands that replay it.\n"
      "\n"
      "  --game DIR        the program folder to play (default: the build's)\n"
      "  --from FILE       the progress file to start from (default: a fresh game)\n"
      "  --seed N          the first seed (default 1)\n"
      "  --seeds K         play K seeds, N to N+K-1 (default 1)\n"
      "  --late-every K    seeds that are multiples of K start from a late game the robot\n"
      "                    prepares (a level-9 shop stocked for its customers), not a fresh one\n"
      "  --days N          working days to play per seed (default 30)\n"
      "  --work DIR        keep each seed's program folder, progress files and commands here\n"
      "                    (default: a new folder under /tmp, removed unless something failed)\n"
      "  --keep            keep the work folders even when nothing failed\n"
      "  --close-at-waits  also close the window at every click wait and blocking choice, in a\n"
      "                    copy of the game, and check that it exits cleanly saving nothing\n"
      "  --hang-seconds S  wall-clock seconds one day may take before it counts as a hang\n"
      "  --lang CODE       play the game in this language (en, ja); in a translation every\n"
      "                    line, caption and panel line must be in it and fit the picture\n"
      "  --quiet           print only the total\n",
      usage);
}

bool number(const char* s, long long lo, long long hi, long long& v) {
  const char* e = s + std::char_traits<char>::length(s);
  auto r = std::from_chars(s, e, v);
  return r.ec == std::errc() && r.ptr == e && v >= lo && v <= hi;
}

struct totals {
  long days = 0;
  int lives = 0, bankrupt = 0, endings = 0, quits = 0, saves = 0, failures = 0;
  long waits_closed = 0, choices_closed = 0;
  int best_level = 0;
  std::array<long, autoplay::scene_count> seen{};
};

// What a life told us through its report pipe.
struct life_report {
  int days = 0;
  int saves = 0;
  int best_level = 0;
  std::string end;
  std::string fail;
  long waits = 0, choices = 0;
  std::array<long, autoplay::scene_count> seen{};
};

life_report read_report(int fd) {
  life_report r;
  std::string all;
  char buf[4096];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) all.append(buf, std::size_t(n));
  std::size_t at = 0;
  while (at < all.size()) {
    std::size_t nl = all.find('\n', at);
    if (nl == std::string::npos) nl = all.size();
    const std::string line = all.substr(at, nl - at);
    at = nl + 1;
    if (line.rfind("day ", 0) == 0) {
      int lv = 0;
      std::sscanf(line.c_str() + 4, "%d %d", &r.days, &lv);
      r.best_level = std::max(r.best_level, lv);
    } else if (line == "save")
      ++r.saves;
    else if (line.rfind("end ", 0) == 0)
      r.end = line.substr(4);
    else if (line.rfind("fail ", 0) == 0)
      r.fail = line.substr(5);
    else if (line.rfind("seen ", 0) == 0) {
      int i = -1;
      long n = 0;
      if (std::sscanf(line.c_str() + 5, "%d %ld", &i, &n) == 2 && i >= 0 &&
          i < autoplay::scene_count)
        r.seen[std::size_t(i)] += n;
    } else if (line.rfind("closed ", 0) == 0)
      std::sscanf(line.c_str() + 7, "%ld %ld", &r.waits, &r.choices);
  }
  return r;
}

std::string self_exe() {
  std::error_code ec;
  const fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("florinet-autoplay") : p.string();
}

// One seed: lives one after another until its days are played. Answers false on a failure.
bool run_seed(const options& o, unsigned seed, const std::string& work, totals& t) {
  const std::string lang_option = o.lang.empty() ? "" : " --lang " + o.lang;
  const auto started = std::chrono::steady_clock::now();
  const std::string dir = work + "/seed-" + std::to_string(seed);
  const std::string root = dir + "/game";
  std::string why;
  if (!autoplay::make_program_folder(o.game, root, why)) {
    std::fprintf(stderr, "florinet-autoplay: cannot make %s: %s\n", root.c_str(), why.c_str());
    ++t.failures;
    return false;
  }
  const std::string progress = root + "/dat/my.dat";
  if (!o.from.empty()) {
    std::error_code ec;
    fs::copy_file(o.from, progress, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::fprintf(stderr, "florinet-autoplay: cannot copy %s: %s\n", o.from.c_str(),
                   ec.message().c_str());
      ++t.failures;
      return false;
    }
  } else if (o.late_every > 0 && seed % unsigned(o.late_every) == 0) {
    autoplay::write_text(progress, autoplay::late_progress(seed));
  } else {
    autoplay::write_text(progress, autoplay::fresh_progress());
  }

  int days_left = o.days, life = 0, days = 0, lives = 0, saves = 0, bankrupt = 0, endings = 0;
  int best_level = 0;
  bool failed = false;
  while (days_left > 0) {
    const unsigned ls = autoplay::life_seed(seed, life);
    const std::string start = dir + "/life-" + std::to_string(life) + ".dat";
    const std::string script = dir + "/life-" + std::to_string(life) + ".script";
    std::error_code ec;
    fs::copy_file(progress, start, fs::copy_options::overwrite_existing, ec);
    const int script_fd = ::open(script.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int pipe_fds[2];
    if (script_fd < 0 || ::pipe(pipe_fds) != 0) {
      std::fprintf(stderr, "florinet-autoplay: cannot start a life in %s\n", dir.c_str());
      ++t.failures;
      return false;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(pipe_fds[0]);
      autoplay::life_options lo;
      lo.root = root;
      lo.seed = ls;
      lo.days = days_left;
      lo.script_fd = script_fd;
      lo.report_fd = pipe_fds[1];
      lo.close_at_waits = o.close_at_waits;
      lo.hang_seconds = o.hang_seconds;
      std::exit(autoplay::play_life(lo));
    }
    ::close(pipe_fds[1]);
    ::close(script_fd);
    const life_report r = read_report(pipe_fds[0]);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ++lives;
    days += r.days;
    best_level = std::max(best_level, r.best_level);
    saves += r.saves;
    t.waits_closed += r.waits;
    for (int i = 0; i < autoplay::scene_count; ++i)
      t.seen[std::size_t(i)] += r.seen[std::size_t(i)];
    t.choices_closed += r.choices;
    const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == autoplay::life_ok;
    if (!clean || !r.fail.empty() || r.end.empty()) {
      failed = true;
      const std::string replay = dir + "/replay-" + std::to_string(life);
      std::string w;
      if (autoplay::make_program_folder(o.game, replay, w))
        fs::copy_file(start, replay + "/dat/my.dat", fs::copy_options::overwrite_existing, ec);
      std::string cause = r.fail;
      if (cause.empty() && WIFSIGNALED(status))
        cause = "killed by signal " + std::to_string(WTERMSIG(status));
      else if (cause.empty() && WIFEXITED(status) && WEXITSTATUS(status) == autoplay::life_hung)
        cause = "a day hung";
      else if (cause.empty())
        cause = "exit status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
      std::fprintf(stderr,
                   "florinet-autoplay: seed %u failed in life %d (seed %u), on its day %d: %s\n"
                   "  replay: %s --game %s --from %s --seed %u --days %d%s%s\n"
                   "  or its commands through the driver: %s/florinet-headless --root %s "
                   "--seed %u --script %s%s\n",
                   seed, life, ls, r.days, cause.c_str(), self_exe().c_str(), o.game.c_str(),
                   start.c_str(), ls, days_left, o.close_at_waits ? " --close-at-waits" : "",
                   lang_option.c_str(), FLORINET_GAME_DIR, replay.c_str(), ls, script.c_str(),
                   lang_option.c_str());
      break;
    }
    days_left -= r.days;
    if (r.end == "days") break;
    if (r.end == "bankrupt" || r.end == "ending") {
      // The game is over for this player: the next one starts from a fresh progress file.
      (r.end == "bankrupt" ? bankrupt : endings) += 1;
      autoplay::write_text(progress, autoplay::fresh_progress());
    } else if (r.end == "quit") {
      ++t.quits;
    }
    if (r.days == 0 && r.end != "quit") {
      std::fprintf(stderr, "florinet-autoplay: seed %u: life %d played no day (%s)\n", seed, life,
                   r.end.c_str());
      failed = true;
      break;
    }
    ++life;
  }
  const double secs =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  t.days += days;
  t.lives += lives;
  t.saves += saves;
  t.bankrupt += bankrupt;
  t.endings += endings;
  t.best_level = std::max(t.best_level, best_level);
  if (failed) ++t.failures;
  if (!o.quiet)
    std::printf(
        "seed %u: %d days in %d lives (%d bankrupt, %d endings), best level %d, %d saves, %s, "
        "%.1f s\n",
        seed, days, lives, bankrupt, endings, best_level, saves, failed ? "FAILED" : "no failure",
        secs);
  std::fflush(stdout);
  if (!failed && !o.keep) {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  return !failed;
}

}  // namespace

int main(int argc, char** argv) {
  options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "florinet-autoplay: %s needs a value\n%s", a.c_str(), usage);
        std::exit(2);
      }
      return argv[++i];
    };
    long long v = 0;
    auto bad = [&](const char* what) {
      std::fprintf(stderr, "florinet-autoplay: %s wants %s\n%s", a.c_str(), what, usage);
      std::exit(2);
    };
    if (a == "--game") {
      o.game = value();
    } else if (a == "--from") {
      o.from = value();
    } else if (a == "--late-every") {
      if (!number(value(), 1, 1000000, v)) bad("a count of 1 or more");
      o.late_every = int(v);
    } else if (a == "--work") {
      o.work = value();
    } else if (a == "--seed") {
      if (!number(value(), 0, 0xFFFFFFFFll, v)) bad("a number from 0 to 4294967295");
      o.seed = unsigned(v);
    } else if (a == "--seeds") {
      if (!number(value(), 1, 1000000, v)) bad("a count of 1 or more");
      o.seeds = int(v);
    } else if (a == "--days") {
      if (!number(value(), 1, 100000000, v)) bad("a count of 1 or more");
      o.days = int(v);
    } else if (a == "--hang-seconds") {
      if (!number(value(), 1, 86400, v)) bad("a number of seconds");
      o.hang_seconds = int(v);
    } else if (a == "--lang") {
      o.lang = value();
      if (!plat::is_language_code(o.lang)) bad("a language code such as en or ja");
    } else if (a == "--close-at-waits") {
      o.close_at_waits = true;
    } else if (a == "--keep") {
      o.keep = true;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else if (a == "--help" || a == "-h") {
      help();
      return 0;
    } else {
      std::fprintf(stderr, "florinet-autoplay: unknown option %s\n%s", a.c_str(), usage);
      return 2;
    }
  }
  if (!std::filesystem::is_directory(o.game + "/cg") ||
      !std::filesystem::is_directory(o.game + "/dat")) {
    std::fprintf(stderr, "florinet-autoplay: %s is not a program folder (no cg/ and dat/)\n",
                 o.game.c_str());
    return 2;
  }
  if (!o.from.empty() && !std::filesystem::is_regular_file(o.from)) {
    std::fprintf(stderr, "florinet-autoplay: no progress file %s\n", o.from.c_str());
    return 2;
  }
  bool made_work = false;
  if (o.work.empty()) {
    char tmpl[] = "/tmp/florinet-autoplay-XXXXXX";
    if (!::mkdtemp(tmpl)) {
      std::perror("florinet-autoplay: mkdtemp");
      return 2;
    }
    o.work = tmpl;
    made_work = true;
  } else {
    std::filesystem::create_directories(o.work);
  }

  // The language of every life (each runs in a child, which inherits it).
  app::start_language(o.lang, app::locale_dirs(app::program_folder{o.game}), "florinet-autoplay");

  const auto started = std::chrono::steady_clock::now();
  totals t;
  for (int k = 0; k < o.seeds; ++k) run_seed(o, o.seed + unsigned(k), o.work, t);
  const double minutes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() / 60;

  std::printf(
      "robot: %d seeds, %ld days played in %d lives (%d bankrupt, %d endings, %d quit and came "
      "back), best level %d, %d saves checked, %d failures, %.1f days per minute\n",
      o.seeds, t.days, t.lives, t.bankrupt, t.endings, t.quits, t.best_level, t.saves, t.failures,
      minutes > 0 ? double(t.days) / minutes : 0.0);
  if (!o.quiet) {
    std::string seen = "robot: went through";
    for (int i = 0; i < autoplay::scene_count; ++i)
      seen += std::string(i ? ", " : " ") + autoplay::scene_marks[i].name + " " +
              std::to_string(t.seen[std::size_t(i)]);
    std::printf("%s\n", seen.c_str());
  }
  if (o.close_at_waits)
    std::printf("robot: closed the window at %ld click waits, %ld of them blocking choices\n",
                t.waits_closed, t.choices_closed);
  if (made_work && t.failures == 0 && !o.keep) {
    std::error_code ec;
    std::filesystem::remove_all(o.work, ec);
  } else if (t.failures > 0) {
    std::printf("robot: the failures' files are in %s\n", o.work.c_str());
  }
  return t.failures == 0 ? 0 : 1;
}
