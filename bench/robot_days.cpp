// Whole days of the game played by the robot player on one core, without the sanitizers: each
// iteration is one life of the robot in a child process held to one CPU (from a fresh game, or
// from the late game it prepares), every event through the headless driver and every invariant
// checked, as the soak runs it. Reported as days per minute.
#include <benchmark/benchmark.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "robot.h"
#include "starts.h"

namespace {

void BM_RobotDays(benchmark::State& st) {
  const bool late = st.range(0) == 1;
  char tmpl[] = "/tmp/florinet-robot-bench-XXXXXX";
  const std::string dir = ::mkdtemp(tmpl);
  std::string why;
  if (!autoplay::make_program_folder(FLORINET_GAME_DIR, dir + "/game", why)) {
    st.SkipWithError(why.c_str());
    return;
  }
  long days = 0;
  double seconds = 0;
  unsigned seed = 1;
  for (auto _ : st) {
    autoplay::write_text(dir + "/game/dat/my.dat",
                         late ? autoplay::late_progress(seed) : autoplay::fresh_progress());
    int fds[2];
    if (::pipe(fds) != 0) {
      st.SkipWithError("pipe");
      break;
    }
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(fds[0]);
      cpu_set_t one;
      CPU_ZERO(&one);
      CPU_SET(0, &one);
      ::sched_setaffinity(0, sizeof one, &one);
      autoplay::life_options o;
      o.root = dir + "/game";
      o.seed = seed;
      o.days = 20;
      o.report_fd = fds[1];
      std::fclose(stdout);  // the benchmark's own table stays readable
      ::_exit(autoplay::play_life(o));
    }
    ::close(fds[1]);
    std::string report;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) report.append(buf, std::size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    st.SetIterationTime(s);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != autoplay::life_ok) {
      st.SkipWithError(("the robot's life failed: " + report).c_str());
      break;
    }
    // The last "day N …" line counts the days this life played.
    int played = 0;
    for (std::size_t at = report.find("day "); at != std::string::npos;
         at = report.find("day ", at + 1))
      if (at == 0 || report[at - 1] == '\n') played = std::atoi(report.c_str() + at + 4);
    days += played;
    seconds += s;
    ++seed;
  }
  st.counters["days"] = double(days);
  st.counters["days_per_minute"] = seconds > 0 ? days / seconds * 60 : 0;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_RobotDays)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("late")
    ->UseManualTime()
    ->Iterations(6)
    ->Unit(benchmark::kSecond);

}  // namespace
