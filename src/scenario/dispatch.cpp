#include "scenario/dispatch.h"

#include <array>

#include "scenario/counter.h"
#include "scenario/day.h"
#include "scenario/progress.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"
#include "wrapping/seal_box.h"
#include "wrapping/wrapping_stage.h"

namespace game {

namespace {

void scene_normal_seals() {
  open_collection_box(0);
}
void scene_chara_seals() {
  open_collection_box(1);
}

// The wrapping captions go to the wrapping stage with the caption pressed.
void wrap(const plat::sjis& caption) {
  on_choice(caption);
}

struct caption_row {
  const char* caption;                      // UTF-8 here; compared as Shift-JIS bytes
  void (*action)();                         // a scene of its own, or
  void (*with_caption)(const plat::sjis&);  // an action told which caption was pressed
};

// The caption table, in the order the captions are compared.
constexpr std::array<caption_row, 21> caption_table{{
    {"Start", scene_start, nullptr},
    {"About", scene_about, nullptr},
    {"Back", scene_back, nullptr},
    {"System", scene_system, nullptr},
    {"描画速度変更", scene_change_draw_speed, nullptr},
    {"New Game", scene_new_game, nullptr},
    {"Collection", scene_collection, nullptr},
    {"ノーマル", scene_normal_seals, nullptr},
    {"キャラ", scene_chara_seals, nullptr},
    {"手紙", scene_letter, nullptr},
    {"チラシを入れる", scene_flyer, nullptr},
    {"包む", nullptr, wrap},
    {"【Ex】包装", nullptr, wrap},
    {"折る", nullptr, wrap},
    {"シール", nullptr, wrap},
    {"はい終わり", nullptr, wrap},
    {"断る", nullptr, wrap},
    {"次", scene_next, nullptr},
    {"セーブ", scene_save, nullptr},
    {"がんばるぞー♪", scene_good_luck, nullptr},
    {"帰って寝る", scene_night, nullptr},
}};

// The table's captions as Shift-JIS, converted once.
const std::array<plat::sjis, caption_table.size()>& captions_sjis() {
  static const auto table = [] {
    std::array<plat::sjis, caption_table.size()> t;
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = plat::to_sjis(caption_table[i].caption);
    return t;
  }();
  return table;
}

}  // namespace

void dispatch(const plat::sjis& caption) {
  if (caption.empty()) return;
  const auto& captions = captions_sjis();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (captions[i] != caption) continue;
    if (caption_table[i].action) caption_table[i].action();
    if (caption_table[i].with_caption) caption_table[i].with_caption(captions[i]);
    return;
  }
}

void show_title_menu() {
  const plat::sjis& first = gs.play_count > 0 ? SJ("Collection") : SJ("");
  clear_message_log();
  show_menu(first, SJ("About"), SJ("Start"));
}

void scene_about() {
  set_background(SJ("title2.bmp"));
  show_and_wait(SJ("このげえむは、品物をつつむげえむです。"));
  show_and_wait(SJ("そんだけ！！！！！！！"));
  show_and_wait(SJ("Linux版 florinet は florinet 制作チームがお届けします"));
  show_and_wait(SJ("..あ、あと初期化してNEW GAMEしたい時はここでできるよ"));
  show_menu(SJ("System"), SJ("New Game"), SJ("Back"));
}

void scene_back() {
  set_background(SJ("login.bmp"));
  play_music(SJ("not"));
  show_title_menu();
}

void scene_system() {
  post_message(SJ("もし動作が重い場合は"));
  post_message(SJ("描画速度を変更してみてね"));
  show_menu(SJ("描画速度変更"), SJ(""), SJ("Back"));
}

void scene_change_draw_speed() {
  // 普通 → 中 → 低 → 普通; the progress file learns it at the next save.
  switch (gs.draw_speed) {
    case 0:
      gs.draw_speed = 1;
      post_message(SJ("描画速度を[中]にしました"));
      break;
    case 1:
      gs.draw_speed = 2;
      post_message(SJ("描画速度を[低]にしました"));
      break;
    default:
      gs.draw_speed = 0;
      post_message(SJ("描画速度を[普通]にしました"));
      break;
  }
  show_menu(SJ("描画速度変更"), SJ(""), SJ("Back"));
}

void scene_new_game() {
  post_and_wait(SJ("....それでは初期化します"));
  post_and_wait(SJ("........"));
  if (window_closing()) return;
  play_sound(1, SJ("save.wav"));
  post_and_wait(SJ("....初期化しました"));
  if (window_closing()) return;
  reset_all();
  save_and_tell();
  set_background(SJ("login.bmp"));
  show_title_menu();
}

void scene_collection() {
  play_music(SJ("col.mid"));
  show_menu(SJ("ノーマル"), SJ("キャラ"), SJ("Back"));
}

void scene_letter() {
  gs.progress[3] = 1;
  play_sound(1, SJ("paper.wav"));
  set_background(SJ("letter.bmp"));  // the letter itself is the picture
  wait_click();
  show_coloured_and_wait(SJ("以上が、あなた様に届いた、シール王からのお便りです"), SJ("pink"));
  show_coloured_and_wait(SJ("おめでとう!!"), SJ("pink"));
  set_background(SJ("login.bmp"));
  show_menu(SJ("Collection"), SJ("About"), SJ("Start"));
}

}  // namespace game
