// Fuzz target: dat/my.dat on arbitrary bytes, read as the game reads it at start-up. A file is
// either taken whole or refused leaving the state untouched; what is taken is within the ranges
// the game reckons with, writes back as a file that reads the same, and gives a ledger of seven
// lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_files.h"
#include "goods/catalogue.h"
#include "scenario/progress.h"
#include "shell/state.h"

namespace {

game::game_state state;  // large: kept out of the stack
std::string path;

// A recognisable state for "untouched": every saved field its own value.
void mark(game::game_state& s) {
  int n = 0;
  for (int* f : game::progress_fields(s)) *f = 7000 + n++;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  path = fuzz::scratch_dir() + "/my.dat";
  game::build_catalogue_at(1);  // the ledger counts the catalogue's seals
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::put_file(path, data, size);
  mark(state);
  const std::string before = game::progress_text(state);
  std::string why;
  const game::progress_read r = game::read_progress_file(path, state, &why);
  if (r != game::progress_read::ok) {
    if (r != game::progress_read::damaged || why.empty()) std::abort();
    if (game::progress_text(state) != before) std::abort();  // a refused file changed the state
    return 0;
  }
  // The ranges other code indexes or reckons with.
  if (state.clerk_lv < 0 || state.clerk_lv > 9999) std::abort();
  if (state.flyer_kind < -1 || state.flyer_kind > 99) std::abort();
  if (state.shop_image < 0 || state.shop_image > 99) std::abort();
  if (state.award_count < 0 || state.award_count > 99) std::abort();
  // The counts the game steps: within a thousand million either way.
  auto count = [](int v) { return v >= -1000000000 && v <= 1000000000; };
  for (int v : state.stock)
    if (!count(v)) std::abort();
  for (int v : state.man_fond)
    if (!count(v)) std::abort();
  for (int v : {state.money, state.lovely, state.bad_service, state.poor_stock, state.day,
                state.play_count, state.flyer_used, state.image_days})
    if (!count(v)) std::abort();

  // A save of what was read reads back the same, line for line.
  const std::string saved = game::progress_text(state);
  std::array<int, game::progress_lines> again{};
  if (!game::parse_progress(saved, again)) std::abort();
  const auto fields = game::progress_fields(state);
  for (int i = 0; i < game::progress_lines; ++i)
    if (again[std::size_t(i)] != *fields[std::size_t(i)]) std::abort();

  const plat::sjis ledger = game::ledger_text(state);
  int lines = 0;
  for (std::size_t i = 0; i + 1 < ledger.size(); ++i)
    lines += ledger[i] == '\r' && ledger[i + 1] == '\n';
  if (lines != 7 || ledger.size() < 2 || ledger.compare(ledger.size() - 2, 2, "\r\n") != 0)
    std::abort();
  return 0;
}
