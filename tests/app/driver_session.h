// The headless driver on two pipes, for the scenarios that play the game as a player would: a
// command goes in, its trace and answers come back up to the next `ready`.
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "goods/json_mini.h"

namespace driver_test {

class session {
 public:
  session(const std::string& root, int seed) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[1]);
      close(out[0]);
      const std::string exe = std::string(FLORINET_GAME_DIR) + "/florinet-headless";
      execl(exe.c_str(), exe.c_str(), "--root", root.c_str(), "--seed",
            std::to_string(seed).c_str(), "--trace", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    to_ = in[1];
    from_ = out[0];
    until_ready();
  }
  ~session() { finish(); }
  std::vector<std::string> send(const std::string& command) {
    const std::string l = command + "\n";
    if (ended_ || write(to_, l.data(), l.size()) != ssize_t(l.size())) return {};
    return until_ready();
  }
  jsonmini::value json(const std::string& query) {
    jsonmini::value v;
    for (const auto& l : send(query))
      if (!l.empty() && (l[0] == '{' || l[0] == '[')) jsonmini::parser(l).parse(v);
    return v;
  }
  // The driver has ended (the game closed itself, or the script did).
  bool ended() const { return ended_; }
  // Ends the script (the driver closes the game) and answers the exit status.
  int finish() {
    if (to_ >= 0) close(to_), to_ = -1;
    std::string line;
    while (read_line(line)) {
    }
    if (from_ >= 0) close(from_), from_ = -1;
    if (pid_ > 0) {
      int st = 0;
      waitpid(pid_, &st, 0);
      pid_ = -1;
      status_ = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    return status_;
  }

 private:
  bool read_line(std::string& line) {
    line.clear();
    for (;;) {
      if (pos_ == got_) {
        const ssize_t n = from_ < 0 ? 0 : read(from_, buf_, sizeof buf_);
        if (n <= 0) return false;
        got_ = std::size_t(n);
        pos_ = 0;
      }
      const char c = buf_[pos_++];
      if (c == '\n') return true;
      line += c;
    }
  }
  std::vector<std::string> until_ready() {
    std::vector<std::string> lines;
    std::string l;
    for (;;) {
      if (!read_line(l)) {
        ended_ = true;
        break;
      }
      if (l == "ready") break;
      lines.push_back(l);
    }
    return lines;
  }
  pid_t pid_ = -1;
  int to_ = -1, from_ = -1;
  bool ended_ = false;
  int status_ = -1;
  char buf_[65536];
  std::size_t pos_ = 0, got_ = 0;
};

}  // namespace driver_test
