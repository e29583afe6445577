// The places where the shell calls into subsystems that are built on top of it (scenario,
// wrapping, customers, goods, sound). The top of the game fills them in once at start-up
// (install_game() in src/scenario/); until then each is a no-op, so the shell runs alone in tests.
#pragma once
#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/sjis.h"

namespace game {

struct game_hooks {
  // Scene dispatcher: a pressed caption.
  void (*dispatch)(const plat::sjis& caption) = nullptr;

  // Calls from the item panel (goods) up into the day: closing the first evening opens day 1;
  // the printer's visit ends with the day's end.
  void (*open_first_day)() = nullptr;
  void (*end_day)() = nullptr;
  // The item-gain operation (customers), for the printer's free gift.
  void (*gain_item)(int id) = nullptr;

  // The item panel `item_box` (goods): a control lying above the picture, so it is drawn over the
  // window image after the picture's own frame, and pointer, wheel and list keys go to it while
  // it is shown. Coordinates are picture pixels (the panel stands at the picture's top-left).
  bool (*item_box_at)(int x, int y) = nullptr;  // shown, and (x, y) lies on it
  bool (*item_box_shown)() = nullptr;
  void (*draw_item_box)(plat::Canvas& window) = nullptr;
  void (*item_box_press)(plat::MouseButton b, int x, int y) = nullptr;
  void (*item_box_release)(plat::MouseButton b, int x, int y) = nullptr;
  // Moves and wheel turns answer whether the panel's look changed (then it is shown at once).
  bool (*item_box_move)(int x, int y) = nullptr;
  bool (*item_box_wheel)(int notches, int x, int y) = nullptr;
  void (*item_box_key)(plat::NavKey k) = nullptr;

  // Form creation step 8: progress file, then catalogue, then roster.
  void (*load_progress)() = nullptr;
  // The save of "New Game" and of the save seal stuck on the door: my.dat, then the ledger. When
  // my.dat cannot be written the player has been told so (and has clicked) before it answers false.
  bool (*save_progress)() = nullptr;
  void (*build_catalogue)() = nullptr;
  void (*build_roster)() = nullptr;
  // Form creation step 9: the random goods picture's file name (empty = none yet).
  const plat::sjis& (*random_title_goods)() = nullptr;
  // Title menu's letter test: every seal of the catalogue collected.
  bool (*all_seals_collected)() = nullptr;

  // Frame layers owned above the shell (draw_frame's steps).
  void (*draw_totals)(plat::Canvas& cg, plat::Canvas& bak) = nullptr;   // step 7
  void (*draw_effects)(plat::Canvas& cg, plat::Canvas& bak) = nullptr;  // step 9 (and the log)
  void (*draw_status_panel)(plat::Canvas& cg) = nullptr;                // step 13
  void (*draw_seal_box)(plat::Canvas& cg) = nullptr;                    // step 14
  void (*draw_chart)(plat::Canvas& cg) = nullptr;                       // step 15
  // Ex hint on the third button: the special wrapping for the selected goods is in stock.
  bool (*ex_wrap_in_stock)() = nullptr;

  // What the status panel reads of the catalogue: a flyer design's name (the shop image) and a
  // catalogue entry's name and description. Empty for numbers outside the tables.
  std::string_view (*design_name)(int design) = nullptr;
  std::string_view (*item_name)(int id) = nullptr;
  std::string_view (*item_info)(int id) = nullptr;

  // Input owned above the shell.
  void (*seal_box_press)(int x, int y) = nullptr;  // a left press handed to the seal box
  bool (*seal_box_takes_buttons)() = nullptr;      // box shown / seal held / collection
  void (*wrap_special_toggle)() = nullptr;         // right press on sel3
  void (*select_normal_wrapping)() = nullptr;      // left press on sel3 "包む"

  // Sound: the wave slots and music. Missing = silent.
  void (*sound_start)() = nullptr;
  void (*music_free)() = nullptr;  // shutdown: the music goes first, before the pictures
  void (*sound_stop)() = nullptr;
  void (*play_sound)(int slot, const plat::sjis& name) = nullptr;
  void (*prepare_sound)(const plat::sjis& name) = nullptr;  // read it now, play it later
  void (*play_music)(const plat::sjis& name) = nullptr;
};

extern game_hooks hooks;

}  // namespace game
