// A scratch file for the targets whose loader reads a path: each input is written there first,
// so that the game's own reading of the file is what is fuzzed. On a memory file system when the
// machine has one (the targets run tens of thousands of inputs a second).
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

// A fresh folder of its own (removed at exit), in TMPDIR, else /dev/shm, else /tmp. The name is
// kept on the heap for good, so that it outlives the static objects when the folder goes.
inline const std::string& scratch_dir() {
  static const std::string* dir = [] {
    const char* env = std::getenv("TMPDIR");
    struct stat st;
    std::string base = env && *env ? env : ::stat("/dev/shm", &st) == 0 ? "/dev/shm" : "/tmp";
    auto* made = new std::string(base + "/florinet-fuzz-XXXXXX");
    if (!::mkdtemp(made->data())) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(scratch_dir(), ec);
    });
    return made;
  }();
  return *dir;
}

// Writes `data` as the whole content of `path`.
inline void put_file(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  if (std::fclose(f) != 0) std::abort();
}

}  // namespace fuzz
