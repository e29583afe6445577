// Helpers shared by the scenario tests: a scratch program folder and whole-file reads.
#pragma once
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace scenario_test {

// A fresh program folder with an empty dat/ inside, removed at the end of the test.
class scratch_folder {
 public:
  scratch_folder() {
    char tmpl[] = "/tmp/florinet-title-XXXXXX";
    dir_ = ::mkdtemp(tmpl);
    std::filesystem::create_directory(dir_ + "/dat");
  }
  ~scratch_folder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  scratch_folder(const scratch_folder&) = delete;
  scratch_folder& operator=(const scratch_folder&) = delete;

  const std::string& dir() const { return dir_; }
  std::string dat(const std::string& name) const { return dir_ + "/dat/" + name; }

 private:
  std::string dir_;
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

}  // namespace scenario_test
