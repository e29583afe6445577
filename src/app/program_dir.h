// The program folder: where the executable lies (cg/ and dat/ sit beside it).
#pragma once
#include <filesystem>
#include <string>
#include <system_error>

namespace app {

inline std::string executable_dir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) exe = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
  return exe.parent_path().string();
}

}  // namespace app
