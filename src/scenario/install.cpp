// The top of the game: connects the shell to the subsystems built on it. Called once by each
// main before the form is created.
#include "scenario/install.h"

#include "customers/review.h"
#include "customers/rewards.h"
#include "customers/roster.h"
#include "effects/effects.h"
#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "platform/host.h"
#include "scenario/day.h"
#include "scenario/dispatch.h"
#include "scenario/progress.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/status_panel.h"
#include "sound/slots.h"
#include "wrapping/seal_box.h"
#include "wrapping/wrapping_stage.h"

namespace game {

void install_game() {
  hooks.dispatch = dispatch;
  hooks.load_progress = load_progress;
  hooks.build_catalogue = build_catalogue;
  hooks.build_roster = build_roster;
  hooks.random_title_goods = random_title_goods;
  hooks.all_seals_collected = all_seals_collected;
  hooks.save_progress = save_and_tell;
  hooks.seal_box_press = seal_box_press;
  hooks.seal_box_takes_buttons = seal_box_takes_buttons;
  hooks.draw_seal_box = update_and_draw_seal_box;
  hooks.draw_effects = render_effects;
  hooks.draw_totals = draw_totals;
  hooks.draw_chart = draw_chart;
  hooks.draw_status_panel = draw_status_panel;
  hooks.design_name = [](int design) -> std::string_view {
    if (design < 0 || design >= flyer_count) return {};
    return tirasi[std::size_t(design)].name;
  };
  hooks.item_name = [](int id) -> std::string_view {
    if (id < 0 || id >= item_count) return {};
    return item[std::size_t(id)].name;
  };
  hooks.item_info = [](int id) -> std::string_view {
    if (id < 0 || id >= item_count) return {};
    return item[std::size_t(id)].info;
  };
  hooks.ex_wrap_in_stock = ex_wrap_in_stock;
  hooks.wrap_special_toggle = on_wrap_button_right_click;
  hooks.select_normal_wrapping = select_normal_wrapping;
  hooks.open_first_day = open_first_day;
  hooks.end_day = end_day;
  hooks.gain_item = gain_item;
  install_item_panel();
  hooks.sound_start = [] { sound_start(host().audio_device(), program_dir()); };
  hooks.music_free = sound_free_music;
  hooks.sound_stop = sound_stop;
  hooks.play_sound = sound_play_slot;
  hooks.prepare_sound = sound_prepare;
  hooks.play_music = sound_play_music;
}

void run_game(plat::Host& host) {
  set_host(&host);
  install_game();
  form_create();
  while (host.process_messages()) {
  }
  form_destroy();
}

}  // namespace game
