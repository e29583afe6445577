// Closing time. After the closing line either the printer's daughter calls (and the day's end
// waits for her panel), or at most one visitor tells the next stage of their story; then the
// day ends.
#include "customers/closing.h"

#include "customers/review.h"
#include "customers/rewards.h"
#include "customers/story_scripts.h"
#include "goods/stocking.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

// The visitor's scene as written: lines, pictures, sounds, in order.
void play_steps(const story_stage& stage) {
  for (int i = 0; i < stage.count; ++i) {
    const story_step& step = stage.steps[i];
    // Spoken and narrated lines are read in the player's language; the rest are file names.
    const char* t = step.text ? step.text : "";
    const bool words = step.kind == story_step::say || step.kind == story_step::narrate;
    const sjis text = words ? plat::tr(t) : plat::to_sjis(t);
    switch (step.kind) {
      case story_step::say:
        post_speech(text);
        break;
      case story_step::narrate:
        // Narration is typed like every shown line; inside a scene it waits for the click, so
        // that a picture the scene changes to is seen before the next one.
        show_and_wait(text);
        break;
      case story_step::picture:
        set_customer_picture(text);
        break;
      case story_step::background:
        set_background(text);
        break;
      case story_step::sound:
        play_sound(step.slot, text);
        break;
    }
  }
}

// 乱造 comes in as the whole scene, not as a customer at the counter.
constexpr int ranzo_slot = 46;

void printer_visit() {
  if (!knock_at_door()) return;
  set_customer_picture(SJ("sumiko.bmp"));
  play_sound(3, SJ("nene.wav"));
  post_speech(TR("ねえねえ、あなたのお店、もっと宣伝してみや..しなーーい？"));
  post_speech(TR("私、印刷屋の子なの、チラシ刷ってみや..しなーーーい？"));
  if (window_closing()) return;
  // Printing or closing the panel ends the day (the panel calls end_day).
  open_print_mode();
}

}  // namespace

bool knock_at_door() {
  if (window_closing()) return false;
  play_sound(2, SJ("nock.wav"));
  // Both lines are typed; the door's button itself is what the player clicks.
  post_message(TR("ドンドン"));
  post_message(TR("誰か来た...."));
  const int answer = ask_choice({}, {}, TR("扉をあける"));
  if (window_closing() || answer != 3) return false;
  play_sound(5, SJ("door.wav"));
  // Only the customer's place is cleared for the visitor: the last parcel and its card stay on
  // the counter until the scene that follows sets its own background.
  return true;
}

bool printer_calls() {
  return gs.day != 0 && gs.day % 12 == 0 && gs.flyer_kind == -1 && gs.money >= 500 &&
         gs.clerk_lv >= 2;
}

story_pick pick_story() {
  for (const story_row& row : story_table()) {
    for (int stage = 1; stage <= row.stages; ++stage) {
      if (gs.clerk_lv < row.level[std::size_t(stage - 1)]) continue;
      if (draw(row.chance) != 0) continue;
      // A slot holding anything but the stage before (a value no play reaches included) never
      // matches: the story simply does not go on.
      if (gs.progress[std::size_t(row.slot)] != stage - 1) continue;
      if (gs.shop_image != row.image) continue;
      return {&row, stage};
    }
  }
  return {};
}

void play_story(const story_row& row, int stage) {
  gs.progress[std::size_t(row.slot)] = stage;
  if (!knock_at_door()) return;
  play_music(SJ("star2.mid"));
  play_steps(story_script(row.slot, stage));
  if (row.slot == ranzo_slot)
    set_background(SJ("haikei_churu.bmp"));
  else
    set_customer_picture(SJ("not.bmp"));
  // The visitor's last line has been clicked; the leaving narration stays on the log over what
  // follows (the gift, or the day's totals).
  post_message(plat::tr(leaving_line(row, stage)));
  if (window_closing()) return;
  if ((gs.mode == 0 || gs.mode == 1) && row.gift != 0) gain_items(row.gift, 3);
}

void close_shop() {
  show_and_wait(TR("『あ、時間だ、今日はもう終わりだ・・・』"));
  if (window_closing()) return;
  if (printer_calls()) {
    printer_visit();
    return;
  }
  const story_pick pick = pick_story();
  if (pick.row) play_story(*pick.row, pick.stage);
  if (window_closing()) return;
  end_day();
}

}  // namespace game
