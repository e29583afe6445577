// Fuzz target: Shift-JIS display decoding and conversion to UTF-8 on arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sjis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string s(reinterpret_cast<const char*>(data), size);
  std::size_t i = 0, steps = 0;
  while (i < s.size()) {
    std::size_t before = i;
    char32_t c = plat::decode_display_char(s, i);
    if (i <= before || i > before + 2 || c > 0x10FFFF) std::abort();
    ++steps;
  }
  if (steps > s.size()) std::abort();
  std::string u = plat::to_utf8(s);
  // Converting valid UTF-8 back may fail (replacement characters have no Shift-JIS form), but
  // never crashes, and a clean result round-trips.
  bool ok = false;
  std::string back = plat::to_sjis(u, &ok);
  if (ok && plat::to_utf8(back) != u) std::abort();
  return 0;
}
