// Fuzz target: the game's text conversions on arbitrary bytes. Taken as Shift-JIS (a message split
// anywhere, a damaged name.dat line, a picture or sound name turned into a file name): the display
// decoder walks it one or two bytes at a time, and its UTF-8 form is valid UTF-8 that converts
// back to text with the same UTF-8 form. Taken as UTF-8 (a caption or item name the driver's
// script hands in): it converts, or is flagged, and converted text is stable.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sjis.h"

namespace {

bool valid_utf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = (c << 6) | (t & 0x3F);
    }
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string s(reinterpret_cast<const char*>(data), size);

  // Shift-JIS for display.
  std::size_t i = 0, steps = 0;
  while (i < s.size()) {
    const std::size_t before = i;
    const char32_t c = plat::decode_display_char(s, i);
    if (i <= before || i > before + 2 || c > 0x10FFFF) std::abort();
    ++steps;
  }
  if (steps > s.size()) std::abort();

  // Shift-JIS to UTF-8 and back.
  const std::string u = plat::to_utf8(s);
  if (!valid_utf8(u)) std::abort();
  bool ok = false;
  const plat::sjis back = plat::to_sjis(u, &ok);
  // Replacement characters have no Shift-JIS form; text without them converts, and the same.
  if (ok && plat::to_utf8(back) != u) std::abort();
  if (!ok && u.find("\xEF\xBF\xBD") == std::string::npos) std::abort();

  // The same bytes as UTF-8.
  bool clean = false;
  const plat::sjis t = plat::to_sjis(s, &clean);
  if (clean && !valid_utf8(s)) std::abort();  // broken UTF-8 passed for text
  if (clean) {
    bool again = false;
    if (plat::to_sjis(plat::to_utf8(t), &again) != t || !again) std::abort();
  }
  return 0;
}
