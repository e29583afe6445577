// Files for tests: a fresh folder under /tmp removed with all it holds when the test ends, and
// whole files read and written as bytes.
#pragma once
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace test_support {

struct scratch_dir {
  // `tag` names the test in the folder's name, so a folder left behind says whose it is.
  explicit scratch_dir(const std::string& tag) {
    std::string tmpl = "/tmp/florinet-" + tag;
    tmpl += "-XXXXXX";
    const char* made = ::mkdtemp(tmpl.data());
    if (!made) throw std::runtime_error("no scratch folder under /tmp");
    dir = made;
  }
  ~scratch_dir() {
    std::error_code ec;
    // A test may have taken away the folder's write permission to see the game cope.
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
  }
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;

  std::string dir;
};

inline std::string read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_all(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline bool file_exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace test_support
