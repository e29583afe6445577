// The game's Shift-JIS text in tests: shown as UTF-8 in expectations and messages, and written
// as UTF-8 where a test hands the game a caption or a name.
#pragma once
#include <string>

#include "platform/sjis.h"

namespace sjis_text {

inline std::string u(const plat::sjis& s) {
  return plat::to_utf8(s);
}
inline plat::sjis sj(const char* utf8) {
  return plat::to_sjis(utf8);
}

}  // namespace sjis_text
