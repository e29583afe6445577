// Child processes for the program tests: run to the end and capture, or start and watch.
#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace proc {

struct result {
  int status = -1;  // exit status, -1 if it did not exit normally
  std::string out;  // standard output
};

// Runs argv with extra environment entries ("NAME=value"), standard input from /dev/null,
// standard error to `err_file` (or inherited); returns its output and exit status.
inline result run(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
                  const std::string& err_file = "") {
  result r;
  int fds[2];
  if (pipe(fds) != 0) return r;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], 1);
    close(fds[0]);
    close(fds[1]);
    const int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    if (!err_file.empty()) {
      const int e = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (e >= 0) dup2(e, 2);
    }
    for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> a;
    for (const auto& s : argv) a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    execvp(a[0], a.data());
    _exit(127);
  }
  close(fds[1]);
  char buf[4096];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) r.out.append(buf, std::size_t(n));
  close(fds[0]);
  int st = 0;
  waitpid(pid, &st, 0);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

// A process running in the background; killed when the handle goes if it is still running.
class child {
 public:
  child() = default;
  child(const child&) = delete;
  child& operator=(const child&) = delete;
  ~child() { stop(); }

  // Starts argv; `fd_out`, if >= 0, becomes the child's file descriptor `fd_as`.
  bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
             int fd_out = -1, int fd_as = -1) {
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      const int null = open("/dev/null", O_RDWR);
      dup2(null, 0);
      dup2(null, 1);
      if (fd_out >= 0 && fd_as >= 0) dup2(fd_out, fd_as);
      for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
      std::vector<char*> a;
      for (const auto& s : argv) a.push_back(const_cast<char*>(s.c_str()));
      a.push_back(nullptr);
      execvp(a[0], a.data());
      _exit(127);
    }
    return true;
  }
  pid_t pid() const { return pid_; }

  // Waits up to `ms` for the exit; answers the exit status, or -1 if still running / killed.
  int wait_for(int ms) {
    if (pid_ <= 0) return status_;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      int st = 0;
      if (waitpid(pid_, &st, WNOHANG) == pid_) {
        pid_ = -1;
        status_ = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        return status_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
  }
  bool running() { return wait_for(0) == -1 && pid_ > 0; }
  void stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (wait_for(2000) == -1 && pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }
  // CPU time used so far (user + system), in clock ticks.
  long cpu_ticks() const {
    std::FILE* f = std::fopen(("/proc/" + std::to_string(pid_) + "/stat").c_str(), "r");
    if (!f) return -1;
    char buf[1024];
    const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    // Fields after the command name in parentheses: utime and stime are fields 14 and 15.
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    long utime = 0, stime = 0;
    if (std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %ld %ld", &utime, &stime) !=
        2)
      return -1;
    return utime + stime;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

}  // namespace proc
