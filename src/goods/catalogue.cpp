// The item catalogue and the flyer designs: built once from the fixed rows, then read only.
#include "goods/catalogue.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "goods/catalogue_rows.h"
#include "platform/i18n.h"
#include "shell/json_out.h"
#include "shell/state.h"

namespace game {

std::array<titem, item_count> item;
std::array<titem, flyer_count> tirasi;

namespace {

// A row's text in the game's Shift-JIS. Every row is converted at each build, so a character
// with no Shift-JIS form shows up the first time the catalogue is built (tests build it).
sjis text(const char* utf8) {
  bool ok = true;
  sjis s = plat::to_sjis(utf8, &ok);
  if (!ok) {
    std::fprintf(stderr, "catalogue: text with no Shift-JIS form: %s\n", utf8);
    std::abort();
  }
  return s;
}

// A name or a description the player reads: checked as the game's own text, then looked up.
sjis words(const char* utf8) {
  sjis s = text(utf8);
  return plat::current_language().empty() ? s : plat::tr(utf8);
}

constexpr int normal_wrap[8] = {200, 201, 202, 203, 204, 205, 206, 207};
constexpr int ex_wrap[8] = {208, 209, 0, 0, 0, 210, 0, 211};

}  // namespace

void build_catalogue_at(int clerk_lv) {
  item.fill(titem{});
  tirasi.fill(titem{});

  for (int i = 0; i < rows::goods_count; ++i) {
    const rows::goods_row& r = rows::goods[i];
    titem& t = item[r.no];
    t.pic = text(r.pic);
    t.name = words(r.name);
    t.info = words(r.info);
    t.price = r.price;
    t.kind = kind_goods;
    t.min_lv = r.min_lv;
    t.size = r.size;
    t.limited = r.limited;
  }

  const sjis chara_info = words(N_("キャラチール"));
  for (int i = 0; i < rows::seal_count; ++i) {
    const rows::seal_row& r = rows::seals[i];
    titem& t = item[r.no];
    t.pic = text(r.pic);
    t.name = words(r.name);
    t.info = r.info ? words(r.info) : chara_info;
    // The save seal's price follows the clerk level the shop opened with (worked out wide, so
    // an absurd level from a hand-edited progress file gives the dearest price, not a wrapped one).
    t.price = r.price < 0 ? int(std::clamp(clerk_lv * 5LL + 30, 0LL, (long long)INT_MAX)) : r.price;
    t.kind = kind_seal;
    t.chara = r.chara;
  }

  for (int i = 0; i < rows::wrap_count; ++i) {
    const rows::wrap_row& r = rows::wraps[i];
    titem& t = item[r.no];
    t.pic = text(r.pic);
    t.name = words(r.name);
    t.info = words(r.info);
    t.price = r.price;
    t.kind = kind_wrapping;
  }

  // The sold-out stand-ins of the evening lists: 998 among the wrappings, 999 among the rest.
  const sjis sold_out = words(N_(" ―sold out―"));
  item[sold_out_wrapping].name = sold_out;
  item[sold_out_wrapping].info = words(N_("Sold Out"));
  item[sold_out_wrapping].kind = kind_wrapping;
  item[sold_out_item].name = sold_out;
  item[sold_out_item].info = words(N_("Sold Out"));
  item[sold_out_item].kind = kind_seal;

  for (int i = 0; i < rows::flyer_row_count; ++i) {
    const rows::flyer_row& r = rows::flyers[i];
    titem& t = tirasi[r.no];
    t.name = words(r.name);
    t.info = words(r.info);
    t.price = r.price;
    t.min_lv = r.min_lv;
  }
}

void build_catalogue() {
  build_catalogue_at(gs.clerk_lv);
}

int find_item(const sjis& name) {
  if (name.empty()) return 0;
  for (int n = item_count - 1; n > 0; --n) {
    if (item[n].name == name) return n;
  }
  return 0;
}

int normal_wrap_of_size(int size) {
  return size >= 0 && size < 8 ? normal_wrap[size] : 0;
}
int ex_wrap_of_size(int size) {
  return size >= 0 && size < 8 ? ex_wrap[size] : 0;
}

int normal_wrap_for(int n) {
  return n >= 0 && n < item_count ? normal_wrap_of_size(item[n].size) : 0;
}
int ex_wrap_for(int n) {
  return n >= 0 && n < item_count ? ex_wrap_of_size(item[n].size) : 0;
}

namespace {
int owned_of_kind(int kind) {
  // Summed wide: a progress file may hold a thousand large counts; the total stops at the
  // largest int.
  long long total = 0;
  for (int n = 0; n < item_count; ++n) {
    if (item[n].kind == kind && gs.stock[n] >= 1) total += gs.stock[n];
  }
  return int(std::min<long long>(total, INT_MAX));
}
}  // namespace

int owned_goods_total() {
  return owned_of_kind(kind_goods);
}
int owned_seals_total() {
  return owned_of_kind(kind_seal);
}

sjis shown_rarity(int n) {
  if (n < 0 || n >= item_count) return {};
  return std::to_string(item[n].price / 10) + "pt.";
}

bool all_seals_collected() {
  // The sold-out stand-in 999 is filed under the seal kind but can never be held or stuck, so
  // it is left out: counting it would keep the letter from ever being offered.
  int seals = 0, collected = 0;
  for (int n = 0; n < item_count; ++n) {
    if (item[n].kind != kind_seal || n == sold_out_item) continue;
    ++seals;
    if (gs.collected[n] > 0) ++collected;
  }
  return seals > 0 && seals == collected;
}

int pick_title_goods(int (*rnd)(int)) {
  bool any = false;
  for (const titem& t : item) any = any || (!t.name.empty() && t.kind == kind_goods);
  if (!any) return 0;
  for (;;) {
    const int n = rnd(999);
    if (n >= 0 && n < item_count && !item[n].name.empty() && item[n].kind == kind_goods) return n;
  }
}

std::string catalogue_json() {
  std::string out = "{\"item\":{";
  auto table = [&out](const auto& tab) {
    bool first = true;
    for (std::size_t n = 0; n < tab.size(); ++n) {
      const titem& t = tab[n];
      if (t.name.empty()) continue;
      if (!first) out += ',';
      first = false;
      out += '"' + std::to_string(n) + "\":{";
      json::key(out, "pic"), json::text(out, t.pic), out += ',';
      json::key(out, "name"), json::text(out, t.name), out += ',';
      json::key(out, "info"), json::text(out, t.info), out += ',';
      json::key(out, "price"), out += std::to_string(t.price) + ',';
      json::key(out, "kind"), out += std::to_string(t.kind) + ',';
      json::key(out, "bundle"), out += std::to_string(t.bundle) + ',';
      json::key(out, "min_lv"), out += std::to_string(t.min_lv) + ',';
      json::key(out, "size"), out += std::to_string(t.size) + ',';
      json::key(out, "chara"), out += std::to_string(t.chara) + ',';
      json::key(out, "limited"), out += std::to_string(t.limited) + '}';
    }
  };
  table(item);
  out += "},\"tirasi\":{";
  table(tirasi);
  out += "}}";
  return out;
}

}  // namespace game
