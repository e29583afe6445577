#include "scenario/dispatch.h"

#include <array>

#include "platform/i18n.h"
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
    {N_("Start"), scene_start, nullptr},
    {N_("About"), scene_about, nullptr},
    {N_("Back"), scene_back, nullptr},
    {N_("System"), scene_system, nullptr},
    {N_("描画速度変更"), scene_change_draw_speed, nullptr},
    {N_("New Game"), scene_new_game, nullptr},
    {N_("Collection"), scene_collection, nullptr},
    {N_("ノーマル"), scene_normal_seals, nullptr},
    {N_("キャラ"), scene_chara_seals, nullptr},
    {N_("手紙"), scene_letter, nullptr},
    {N_("チラシを入れる"), scene_flyer, nullptr},
    {N_("包む"), nullptr, wrap},
    {N_("【Ex】包装"), nullptr, wrap},
    {N_("折る"), nullptr, wrap},
    {N_("シール"), nullptr, wrap},
    {N_("はい終わり"), nullptr, wrap},
    {N_("断る"), nullptr, wrap},
    {N_("次"), scene_next, nullptr},
    {N_("セーブ"), scene_save, nullptr},
    {N_("がんばるぞー♪"), scene_good_luck, nullptr},
    {N_("帰って寝る"), scene_night, nullptr},
}};

// The table's captions as the player reads them, looked up once per language.
const std::array<plat::sjis, caption_table.size()>& captions_sjis() {
  static std::array<plat::sjis, caption_table.size()> table;
  static int generation = -1;
  if (generation != plat::catalogue_generation()) {
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = plat::tr(caption_table[i].caption);
    generation = plat::catalogue_generation();
  }
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

int dispatch_caption_count() {
  return int(caption_table.size());
}
const plat::sjis& dispatch_caption(int i) {
  return captions_sjis()[std::size_t(i)];
}

void show_title_menu() {
  const plat::sjis& first = gs.play_count > 0 ? TR("Collection") : SJ("");
  clear_message_log();
  show_menu(first, TR("About"), TR("Start"));
}

void scene_about() {
  set_background(SJ("title2.bmp"));
  show_and_wait(TR("このげえむは、品物をつつむげえむです。"));
  show_and_wait(TR("そんだけ！！！！！！！"));
  show_and_wait(TR("Linux版 florinet は florinet 制作チームがお届けします"));
  show_and_wait(TR("..あ、あと初期化してNEW GAMEしたい時はここでできるよ"));
  show_menu(TR("System"), TR("New Game"), TR("Back"));
}

void scene_back() {
  set_background(SJ("login.bmp"));
  play_music(SJ("not"));
  show_title_menu();
}

void scene_system() {
  post_message(TR("もし動作が重い場合は"));
  post_message(TR("描画速度を変更してみてね"));
  show_menu(TR("描画速度変更"), SJ(""), TR("Back"));
}

void scene_change_draw_speed() {
  // 普通 → 中 → 低 → 普通; the progress file learns it at the next save.
  switch (gs.draw_speed) {
    case 0:
      gs.draw_speed = 1;
      post_message(TR("描画速度を[中]にしました"));
      break;
    case 1:
      gs.draw_speed = 2;
      post_message(TR("描画速度を[低]にしました"));
      break;
    default:
      gs.draw_speed = 0;
      post_message(TR("描画速度を[普通]にしました"));
      break;
  }
  show_menu(TR("描画速度変更"), SJ(""), TR("Back"));
}

void scene_new_game() {
  post_and_wait(TR("....それでは初期化します"));
  post_and_wait(SJ("........"));
  if (window_closing()) return;
  play_sound(1, SJ("save.wav"));
  post_and_wait(TR("....初期化しました"));
  if (window_closing()) return;
  reset_all();
  save_and_tell();
  set_background(SJ("login.bmp"));
  show_title_menu();
}

void scene_collection() {
  play_music(SJ("col.mid"));
  show_menu(TR("ノーマル"), TR("キャラ"), TR("Back"));
}

void scene_letter() {
  gs.progress[3] = 1;
  play_sound(1, SJ("paper.wav"));
  set_background(SJ("letter.bmp"));  // the letter itself is the picture
  wait_click();
  show_coloured_and_wait(TR("以上が、あなた様に届いた、シール王からのお便りです"), SJ("pink"));
  show_coloured_and_wait(TR("おめでとう!!"), SJ("pink"));
  set_background(SJ("login.bmp"));
  show_menu(TR("Collection"), TR("About"), TR("Start"));
}

}  // namespace game
