// The headless driver for the scenarios that play the game as a player would: a program folder of
// the scenario's own, a whole script run to its end, or a session on two pipes where a command
// goes in and its trace and answers come back up to the next `ready`; and what the scenarios
// read from the driver's lines.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "app/process.h"
#include "goods/json_mini.h"
#include "support/scratch_dir.h"

namespace driver_test {

class session {
 public:
  session(const std::string& root, int seed, const std::vector<std::string>& options = {}) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[1]);
      close(out[0]);
      const std::string exe = std::string(FLORINET_GAME_DIR) + "/florinet-headless";
      std::vector<std::string> args = {exe,      "--root", root, "--seed", std::to_string(seed),
                                       "--trace"};
      args.insert(args.end(), options.begin(), options.end());
      std::vector<char*> argv;
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(exe.c_str(), argv.data());
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

// A progress file as its 2259 numbers, line n at index n - 1: the fresh state, with the given
// lines changed.
struct my_dat {
  std::vector<int> v = std::vector<int>(2259, 0);
  my_dat(std::initializer_list<std::pair<int, int>> changes = {}) {
    line(1207) = 1;   // save_marker
    line(2252) = -1;  // flyer_kind: none
    for (const auto& [n, value] : changes) line(n) = value;
  }
  int& line(int n) { return v[std::size_t(n - 1)]; }
  int& collected(int id) { return line(1251 + id); }
  std::string text() const {
    std::string t;
    for (int x : v) {
      t += std::to_string(x);
      t += "\r\n";
    }
    return t;
  }
};

// A program folder of the scenario's own, removed at the end. The built pictures, sounds and
// music are linked in (never the shipped progress file: a scenario writes its own), only the
// pictures, or nothing at all: missing files are quiet.
class program_folder {
 public:
  enum class content { built, pictures, bare };
  explicit program_folder(int seed, content c = content::built) : seed_(seed) {
    namespace fs = std::filesystem;
    const fs::path game(FLORINET_GAME_DIR), root(root_.dir);
    std::error_code ec;
    if (c == content::bare)
      fs::create_directory(root / "cg");
    else
      fs::create_directory_symlink(game / "cg", root / "cg", ec);
    fs::create_directory(root / "dat");
    if (c != content::built) return;
    for (const auto& e : fs::directory_iterator(game / "dat", ec)) {
      const auto name = e.path().filename().string();
      if (name.rfind("my.dat", 0) != 0) fs::create_symlink(e.path(), root / "dat" / name, ec);
    }
  }
  const std::string& root() const { return root_.dir; }
  int seed() const { return seed_; }
  std::string my_dat_path() const { return root_.dir + "/dat/my.dat"; }
  std::string ledger_path() const { return root_.dir + "/うりあげ帳.txt"; }
  void progress(const my_dat& d) const { test_support::write_all(my_dat_path(), d.text()); }

  struct result {
    std::vector<std::string> lines;  // standard output a line an entry, without `ready`
    std::string err;
    int status = -1;
  };
  // Runs the driver with tracing on the given script to its end (with more options, such as
  // "--lang", "en", when given).
  result run(const std::string& script, const std::vector<std::string>& options = {}) const {
    const std::string path = root_.dir + "/script.txt";
    test_support::write_all(path, script);
    const std::string err_file = root_.dir + "/stderr.txt";
    std::vector<std::string> args = {std::string(FLORINET_GAME_DIR) + "/florinet-headless",
                                     "--root",
                                     root_.dir,
                                     "--seed",
                                     std::to_string(seed_),
                                     "--trace",
                                     "--script",
                                     path};
    args.insert(args.end(), options.begin(), options.end());
    const auto r = proc::run(args, {}, err_file);
    result out;
    out.status = r.status;
    out.err = test_support::read_all(err_file);
    std::string line;
    for (char c : r.out) {
      if (c != '\n') {
        line += c;
        continue;
      }
      if (line != "ready") out.lines.push_back(line);
      line.clear();
    }
    return out;
  }
  // The lines of a run that must end well.
  std::vector<std::string> play(const std::string& script,
                                const std::vector<std::string>& options = {}) const {
    result r = run(script, options);
    EXPECT_EQ(r.status, 0) << r.err;
    return std::move(r.lines);
  }

 private:
  test_support::scratch_dir root_{"scenario"};
  int seed_;
};

// The lines starting with `prefix`, in order.
inline std::vector<std::string> starting(const std::vector<std::string>& lines,
                                         const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}
inline int count_of(const std::vector<std::string>& lines, const std::string& line) {
  return int(std::count(lines.begin(), lines.end(), line));
}
// An integer field of a state dump (-12345 when it is missing).
inline int field(const std::string& state, const std::string& name) {
  std::smatch m;
  if (!std::regex_search(state, m, std::regex("\"" + name + "\":(-?[0-9]+)"))) return -12345;
  return std::stoi(m[1]);
}
// Entry `i` of an array dumped as an object of its non-zero entries (0 when absent).
inline int entry(const std::string& state, const std::string& name, int i) {
  std::smatch m;
  if (!std::regex_search(state, m, std::regex("\"" + name + "\":\\{([^}]*)\\}"))) return -12345;
  const std::string body = m[1];
  std::string key = "\"";
  key += std::to_string(i);
  key += "\":(-?[0-9]+)";
  if (!std::regex_search(body, m, std::regex(key))) return 0;
  return std::stoi(m[1]);
}
// Clicks on the picture for `n` waits in a row.
inline std::string clicks(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "click 200 100\n";
  return s;
}

}  // namespace driver_test
