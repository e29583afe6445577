#include "shell/state.h"

#include <cstdio>

#include "shell/json_out.h"

namespace game {

game_state gs;

namespace {

void json_string(std::string& out, const sjis& s) {
  json::text(out, s);
}

template <std::size_t N>
void json_ints(std::string& out, const std::array<int, N>& a) {
  if (N > 20) {
    out += '{';
    bool first = true;
    for (std::size_t i = 0; i < N; ++i) {
      if (a[i] == 0) continue;
      if (!first) out += ',';
      first = false;
      out += '"' + std::to_string(i) + "\":" + std::to_string(a[i]);
    }
    out += '}';
  } else {
    out += '[';
    for (std::size_t i = 0; i < N; ++i) {
      if (i) out += ',';
      out += std::to_string(a[i]);
    }
    out += ']';
  }
}

}  // namespace

std::string json_text(const sjis& s) {
  std::string out;
  json_string(out, s);
  return out;
}

std::string state_json(const game_state& s) {
  std::string out = "{";
  bool first = true;
  auto key = [&](const char* name) {
    if (!first) out += ',';
    first = false;
    out += '"';
    out += name;
    out += "\":";
  };
#define F_INT(n) \
  key(#n);       \
  out += std::to_string(s.n);
#define F_DOUBLE(n)                               \
  key(#n);                                        \
  {                                               \
    char buf[40];                                 \
    std::snprintf(buf, sizeof buf, "%.17g", s.n); \
    out += buf;                                   \
  }
#define F_ARR(n, k) \
  key(#n);          \
  json_ints(out, s.n);
#define F_STRS(n, k)                             \
  key(#n);                                       \
  out += '[';                                    \
  for (std::size_t i = 0; i < s.n.size(); ++i) { \
    if (i) out += ',';                           \
    json_string(out, s.n[i]);                    \
  }                                              \
  out += ']';
#define F_LOG(n, k)                                              \
  key(#n);                                                       \
  out += '[';                                                    \
  for (std::size_t i = 0; i < s.n.size(); ++i) {                 \
    if (i) out += ',';                                           \
    out += "{\"text\":";                                         \
    json_string(out, s.n[i].text);                               \
    out += ",\"colour\":" + std::to_string(s.n[i].colour) + "}"; \
  }                                                              \
  out += ']';
#include "shell/state/customers.inc"
#include "shell/state/goods.inc"
#include "shell/state/scenario.inc"
#include "shell/state/shell.inc"
#include "shell/state/wrapping.inc"
#undef F_INT
#undef F_DOUBLE
#undef F_ARR
#undef F_STRS
#undef F_LOG
  out += '}';
  return out;
}

void reset_run() {
  gs.play_count = 0;
  gs.hours_left = 8;
  gs.day = 0;
  gs.satisfaction = 0;
  gs.money = 0;
  gs.clerk_lv = 0;
  gs.save_marker = 1;
  gs.lovely = 0;
  gs.bad_service = 0;
  gs.poor_stock = 0;
  gs.award_count = 0;
  gs.stock.fill(0);
  gs.man_fond.fill(0);
  gs.flyer_kind = -1;
  gs.flyer_used = 0;
  gs.shop_image = 0;
  gs.image_days = 0;
}

void reset_all() {
  for (int i = 0; i <= 99; ++i) gs.progress[i] = 0;
  gs.collected.fill(0);
  gs.progress[105] = 0;
  gs.progress[106] = 0;
  gs.best_sales = 0;
  gs.spare_counter = 0;
  reset_run();
}

}  // namespace game
