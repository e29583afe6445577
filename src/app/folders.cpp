#include "app/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/xdg.h"
#include "scenario/progress.h"
#include "shell/form.h"

namespace app {

namespace fs = std::filesystem;

namespace {

bool has_game_data(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "cg", ec) && fs::is_directory(dir / "dat", ec);
}

bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

std::string in(const std::string& dir, const std::string& name) {
  return dir.empty() ? std::string() : dir + "/" + name;
}

}  // namespace

program_folder find_program_folder(const std::string& exe_dir, const std::string& built_in) {
  if (has_game_data(exe_dir)) return {exe_dir, false, true};
  const fs::path beside_bin =
      (fs::path(exe_dir).parent_path() / "share" / "florinet").lexically_normal();
  if (has_game_data(beside_bin)) return {beside_bin.string(), true, true};
  if (!built_in.empty() && has_game_data(built_in)) return {built_in, true, true};
  return {exe_dir, false, false};
}

bool program_folder_writable(const std::string& dir) {
  return ::access(dir.c_str(), W_OK) == 0 && ::access((dir + "/dat").c_str(), W_OK) == 0;
}

save_place choose_save_place(const program_folder& p, bool program_writable,
                             const std::string& data_dir_option,
                             const std::string& user_data_home) {
  save_place s;
  if (data_dir_option.empty() && !p.installed && program_writable) {
    s.dir = p.dir;
    s.progress = p.dir + "/dat/my.dat";
    s.ledger = p.dir + "/" + game::ledger_file_name();
    s.beside_program = true;
    return s;
  }
  if (!data_dir_option.empty()) {
    std::error_code ec;
    const fs::path abs = fs::absolute(data_dir_option, ec);
    s.dir = (ec ? fs::path(data_dir_option) : abs).lexically_normal().string();
    while (s.dir.size() > 1 && s.dir.back() == '/') s.dir.pop_back();
  } else {
    s.dir = in(user_data_home, "florinet");
  }
  s.progress = in(s.dir, "my.dat");
  s.ledger = in(s.dir, game::ledger_file_name());
  return s;
}

bool prepare_save_place(const save_place& s, const std::string& shipped_progress,
                        std::string* why) {
  if (s.beside_program) return true;
  if (s.dir.empty()) {
    if (why) *why = "no home folder (set HOME or XDG_DATA_HOME, or use --data-dir)";
    return false;
  }
  if (!plat::make_folders(s.dir, why)) return false;
  if (::access(s.dir.c_str(), W_OK) != 0) {
    if (why) *why = s.dir + " cannot be written: " + std::strerror(errno);
    return false;
  }
  // The player's own progress is never replaced, whatever the shipped file holds.
  if (exists(s.progress) || !exists(shipped_progress)) return true;

  std::ifstream f(shipped_progress, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (!f && !f.eof()) {
    if (why) *why = "cannot read " + shipped_progress;
    return false;
  }
  // A full copy under a temporary name, linked to the real name only if that is still free.
  const std::string tmp = s.progress + ".first-" + std::to_string(::getpid());
  if (!game::write_file_safely(tmp, bytes, why)) return false;
  bool linked = ::link(tmp.c_str(), s.progress.c_str()) == 0 || errno == EEXIST;
  // A file system without hard links: a rename, after one more look.
  if (!linked && !exists(s.progress)) linked = ::rename(tmp.c_str(), s.progress.c_str()) == 0;
  const int err = errno;
  ::unlink(tmp.c_str());
  if (!linked) {
    if (why) *why = "cannot make " + s.progress + ": " + std::strerror(err);
    return false;
  }
  return true;
}

bool use_folders(const program_folder& p, const save_place& s, std::string* why) {
  if (!prepare_save_place(s, p.dir + "/dat/my.dat", why)) return false;
  if (!s.beside_program) game::set_save_files(s.progress, s.ledger);
  game::set_program_dir(p.dir);
  return true;
}

}  // namespace app
