// Fuzz target: dat/name.dat on arbitrary bytes, read as the game reads it at start-up: at most
// 226 names, each one line without its line end, the rest empty.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_files.h"
#include "scenario/progress.h"

namespace {
std::string path;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  path = fuzz::scratch_dir() + "/name.dat";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::put_file(path, data, size);
  if (!game::read_name_file(path)) std::abort();
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t used = 0;  // bytes of the file the names account for
  bool ended = false;
  for (const plat::sjis& n : game::name_list()) {
    if (n.find('\n') != std::string::npos) std::abort();
    if (ended) {
      if (!n.empty()) std::abort();  // a name after the file's end
      continue;
    }
    if (text.compare(used, n.size(), n) != 0) std::abort();  // not the file's own bytes, in order
    used += n.size();
    // a line's CR LF, or a CR that ends the file
    if (used < text.size() && text[used] == '\r' &&
        (used + 1 == text.size() || text[used + 1] == '\n'))
      ++used;
    if (used < text.size() && text[used] == '\n') ++used;
    if (used >= text.size()) ended = true;
  }
  return 0;
}
