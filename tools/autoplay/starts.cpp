#include "starts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "scenario/progress.h"
#include "shell/state.h"

namespace autoplay {

namespace fs = std::filesystem;

unsigned life_seed(unsigned seed, int life) {
  if (life == 0) return seed;
  unsigned long long z = (static_cast<unsigned long long>(seed) << 20) + unsigned(life);
  z += 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return unsigned(z ^ (z >> 31));
}

std::string fresh_progress() {
  game::game_state saved = game::gs;
  game::reset_all();
  const std::string text = game::progress_text(game::gs);
  game::gs = saved;
  return text;
}

// A late game: a level-9 shop a step from the ending, known in town as "摩訶不思議な" (whose
// customers spend the most), with savings, the dearest goods each of those customers wants (a
// customer whose wish is missing takes another wanted one in stock), a bag for each unit and
// their favourite seals, a few Ex bags, and every seal collected (the Seal King's letter waits on
// the title menu). The mode follows the seed, so that each difficulty gets its turn.
std::string late_progress(unsigned seed) {
  constexpr int image = 7;
  game::game_state saved = game::gs;
  game::reset_all();
  game::gs.progress[7] = 1;  // the introduction has been seen
  game::gs.clerk_lv = game::gs.progress[105] = 9;
  // Days 40 to 47: seeds 7, 15, 23 … open day 48, when the printer's daughter calls.
  game::gs.day = game::gs.progress[106] = 40 + int(seed % 8);
  game::gs.mode = int(seed % 3);
  game::gs.money = 30000;
  game::gs.shop_image = image;
  game::gs.image_days = 10;
  game::build_catalogue_at(9);
  game::build_roster();
  auto price = [](int id) { return game::item[std::size_t(id)].price; };
  for (const game::tman& m : game::man) {
    if (m.name.empty() || m.min_lv > 9) continue;
    if (std::find(m.visit_image.begin(), m.visit_image.end(), image) == m.visit_image.end())
      continue;
    std::vector<int> wants;
    for (int s = 0; s < 9; ++s) {
      const int id = m.want[std::size_t(s)];
      if (id > 0 && id < game::item_count && game::item[std::size_t(id)].kind == game::kind_goods)
        wants.push_back(id);
    }
    std::sort(wants.begin(), wants.end(), [&](int a, int b) { return price(a) > price(b); });
    if (wants.size() > 2) wants.resize(2);
    for (int id : wants) {
      game::gs.stock[std::size_t(id)] = 4;
      if (const int bag = game::normal_wrap_for(id)) game::gs.stock[std::size_t(bag)] += 4;
    }
    for (int id : {m.like_seal[0], m.like_seal[1]})
      if (id > 0 && id < game::item_count) game::gs.stock[std::size_t(id)] = 3;
  }
  for (int bag = 208; bag <= 211; ++bag) game::gs.stock[std::size_t(bag)] = 3;  // the Ex ones
  // A collector: every seal stuck once, the Seal King's letter waiting on the title menu.
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[std::size_t(id)].kind == game::kind_seal)
      game::gs.collected[std::size_t(id)] = 1;
  game::gs.stock[game::save_seal] = 1;
  const std::string text = game::progress_text(game::gs);
  game::gs = saved;
  return text;
}

bool write_text(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return bool(out);
}

// A program folder of our own: the game's pictures, sounds and settings linked, the progress
// file (and the ledger, which saves write beside it) our own.
bool make_program_folder(const std::string& game, const std::string& dir, std::string& why) {
  std::error_code ec;
  fs::create_directories(dir + "/dat", ec);
  if (ec) return why = ec.message(), false;
  const fs::path g = fs::absolute(game);
  fs::create_directory_symlink(g / "cg", dir + "/cg", ec);
  if (ec) return why = "cg: " + ec.message(), false;
  if (fs::exists(g / "MIXER.INI")) fs::create_symlink(g / "MIXER.INI", dir + "/MIXER.INI", ec);
  for (const auto& e : fs::directory_iterator(g / "dat", ec)) {
    if (e.path().filename() == "my.dat") continue;
    fs::create_symlink(e.path(), fs::path(dir) / "dat" / e.path().filename(), ec);
    if (ec) return why = e.path().string() + ": " + ec.message(), false;
  }
  return !ec || (why = ec.message(), false);
}

}  // namespace autoplay
