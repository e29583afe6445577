// The customer roster, built once from the cast.
#include "customers/roster.h"

#include <cstdio>
#include <cstdlib>

#include "customers/roster_rows.h"
#include "platform/i18n.h"
#include "shell/json_out.h"

namespace game {

std::array<tman, man_count> man;

namespace {

sjis text(const char* utf8) {
  bool ok = true;
  sjis s = plat::to_sjis(utf8, &ok);
  if (!ok) {
    std::fprintf(stderr, "roster: text with no Shift-JIS form: %s\n", utf8);
    std::abort();
  }
  return s;
}

// A name or a line the player reads: checked as the game's own text, then looked up.
sjis words(const char* utf8) {
  sjis s = text(utf8);
  return plat::current_language().empty() ? s : plat::tr(utf8);
}

template <std::size_t N>
void put(std::array<int, N>& slots, std::size_t from, const std::vector<int>& values) {
  for (std::size_t i = 0; i < values.size() && from + i < N; ++i) slots[from + i] = values[i];
}

void put_lines(std::array<sjis, msg_slots>& slots, std::size_t from,
               const std::vector<const char*>& lines) {
  for (std::size_t i = 0; i < lines.size() && from + i < slots.size(); ++i)
    slots[from + i] = words(lines[i]);
}

}  // namespace

void build_roster() {
  man.fill(tman{});
  // Nobody comes under any shop image unless the cast says so.
  for (tman& m : man) m.visit_image.fill(-1);

  for (const rows::man_row& r : rows::cast()) {
    tman& m = man[r.no];
    m.name = words(r.name);
    m.pic = text(r.pic);
    m.min_lv = r.min_lv;
    put(m.visit_image, 0, r.visit_image);
    // Empty flyer slots must refuse no design, and 0 is a design (the plain flyer).
    m.hate_flyer.fill(-1);
    put(m.hate_flyer, 0, r.hate_flyer);
    put(m.want, 0, r.want);
    put(m.want, 9, r.want_extra);
    put(m.like_seal, 0, r.like_seal);
    put(m.hate_seal, 0, r.hate_seal);
    m.gift = r.gift;
    put_lines(m.req_msg, 0, r.req_a);
    put_lines(m.req_msg, msg_set_b, r.req_b);
    put_lines(m.bye_msg, 0, r.bye_a);
    put_lines(m.bye_msg, msg_set_b, r.bye_b);
  }
}

std::string roster_json() {
  std::string out = "{";
  bool first = true;
  for (std::size_t n = 0; n < man.size(); ++n) {
    const tman& m = man[n];
    if (m.name.empty()) continue;
    if (!first) out += ',';
    first = false;
    out += '"' + std::to_string(n) + "\":{";
    json::key(out, "pic"), json::text(out, m.pic), out += ',';
    json::key(out, "name"), json::text(out, m.name), out += ',';
    json::key(out, "req_msg"), json::texts(out, m.req_msg), out += ',';
    json::key(out, "bye_msg"), json::texts(out, m.bye_msg), out += ',';
    json::key(out, "want"), json::ints(out, m.want), out += ',';
    json::key(out, "like_seal"), json::ints(out, m.like_seal), out += ',';
    json::key(out, "hate_seal"), json::ints(out, m.hate_seal), out += ',';
    json::key(out, "min_lv"), out += std::to_string(m.min_lv) + ',';
    json::key(out, "hate_flyer"), json::ints(out, m.hate_flyer), out += ',';
    json::key(out, "visit_image"), json::ints(out, m.visit_image), out += ',';
    json::key(out, "gift"), out += std::to_string(m.gift) + '}';
  }
  out += '}';
  return out;
}

}  // namespace game
