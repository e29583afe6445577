#include "customers/service.h"

#include <cstdio>
#include <cstdlib>

#include "shell/state.h"

namespace game {

const tman& current_customer() {
  static const tman nobody{};
  if (gs.cur_man < 0 || gs.cur_man >= man_count) return nobody;
  return man[std::size_t(gs.cur_man)];
}

const titem& entry_of(int id) {
  static const titem none{};
  if (id < 0 || id >= item_count) return none;
  return item[std::size_t(id)];
}

int stock_of(int id) {
  if (id < 0 || id >= item_count) return 0;
  return gs.stock[std::size_t(id)];
}

void add_stock(int id, int n) {
  if (id < 0 || id >= item_count) return;
  gs.stock[std::size_t(id)] += n;
}

plat::sjis num(int n) {
  return plat::sjis(std::to_string(n));
}

plat::sjis game_text(const char* utf8) {
  bool ok = true;
  plat::sjis s = plat::to_sjis(utf8, &ok);
  if (!ok) {
    std::fprintf(stderr, "florinet: a line with no Shift-JIS form: %s\n", utf8);
    std::abort();
  }
  return s;
}

void say_lines_from(const std::array<plat::sjis, msg_slots>& lines, int start,
                    void (*say)(const plat::sjis&)) {
  for (int i = start; i < msg_slots && !lines[std::size_t(i)].empty(); ++i)
    say(lines[std::size_t(i)]);
}

}  // namespace game
