#include "scenario/day.h"

#include <array>
#include <string>

#include "customers/review.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "effects/effects.h"
#include "goods/catalogue.h"
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

// The day's sales quota by clerk level; from level 9 on it stays at 10000.
constexpr std::array<int, 10> quota_by_level{200,  400,  700,  1000, 1300,
                                             1700, 2200, 3000, 5000, 10000};

// The shop opens: the empty counter, the morning greeting and the status panel sliding in.
void open_shop() {
  set_shop_scene();
  play_sound(2, SJ("oha.wav"));
  gs.panel_x = -200;
  gs.panel_visible = 1;
  show_and_wait(TR("おはようございますー"));
}

// The quota line, the hours and a fresh day's takings; the first customer is called with "次".
void start_working() {
  post_message(TRF("よーし仕事だぜ、今日のノルマは %d円だっ", gs.quota));
  gs.hours_left = gs.clerk_lv + 8;
  gs.satisfaction = 0;
  gs.sales_today = 0;
  gs.sold_today.fill(0);
  show_menu(SJ(""), SJ(""), TR("次"));
}

// A small event of the morning: mostly just the cock's crow, sometimes a gift.
void morning_event() {
  const int r = draw(14);
  if (r <= 9) {
    play_sound(4, SJ("koke.wav"));
    set_background(SJ("asa.bmp"));
    show_and_wait(TR("あさ・・・・・"));
  } else if (r == 10) {
    set_background(SJ("asa3.bmp"));
    show_and_wait(TR("あさ・・・・・"));
    play_sound(1, SJ("hit.wav"));
    show_and_wait(TR("あ、ヒヨコだ!!"));
    gain_item(135);
  } else if (r == 11) {
    play_sound(4, SJ("koke.wav"));
    set_background(SJ("asa.bmp"));
    show_and_wait(TR("あさ・・・・・"));
    gain_item(133);
  } else if (r == 12) {
    play_sound(4, SJ("koke.wav"));
    set_background(SJ("asa.bmp"));
    show_and_wait(TR("あさ・・・・・"));
    play_sound(1, SJ("takara.wav"));
    if (draw(5) != 0) {
      set_background(SJ("asa2.bmp"));
      show_and_wait(TR("あ、卵を産んだ!!"));
      gain_item(134);
    } else {
      set_background(SJ("asa2a.bmp"));
      show_and_wait(TR("あ、卵を産んだ!!、しかも黄金だ!!"));
      gain_item(150);
    }
  } else {
    play_sound(4, SJ("milk.wav"));
    set_background(SJ("milk.bmp"));
    show_and_wait(TR("あさ・・・・・"));
    post_speech(TR("ちィーッス、牛乳配達ッス！"));
    gain_item(515);
  }
}

// A bad name gets about town: the shop takes the rumour's image for ten days.
void spread_rumour(int image, const plat::sjis& news) {
  gs.shop_image = image;
  gs.image_days = 10;
  play_sound(5, SJ("bad.wav"));
  spawn_effect(45, 85, 66);
  show_coloured_and_wait(news, SJ("red"));
}

// At most one change of the shop's image in town per morning: an image wearing off, then the two
// rumours, then a batch of flyers all handed out.
void change_shop_image() {
  if (gs.image_days > 0 && gs.shop_image != 0) {
    gs.image_days -= 1;
    if (gs.image_days <= 0) {
      gs.shop_image = 0;
      gs.image_days = 0;
      spawn_effect(45, 85, 66);
      post_and_wait(TR("この店のイメージはもとにもどっちゃったようだ.."));
      return;
    }
  }
  if (gs.bad_service > 9 && gs.shop_image != 9) {
    gs.bad_service = 3;
    spread_rumour(9, TR("なんと、この店は接客の悪い悪徳店だという噂が町中に広まってしまった……!!"));
    return;
  }
  if (gs.poor_stock > 9 && gs.shop_image != 8) {
    gs.poor_stock = 5;
    spread_rumour(8,
                  TR("なんと、この店は品揃えの悪いボロい店だという噂が町中に広まってしまった…!!"));
    return;
  }
  // Only a printed batch becomes the image: a count of ten without a design (a hand-edited
  // progress file) has nothing to show the town.
  if (gs.flyer_used > 9 && gs.flyer_kind >= 0 && gs.flyer_kind < flyer_count) {
    const int design = gs.flyer_kind;
    gs.flyer_used = 0;
    gs.shop_image = design;
    gs.flyer_kind = -1;
    gs.image_days = 10;
    play_sound(5, SJ("tirasi.wav"));
    spawn_effect(45, 85, 66);
    show_and_wait(
        TRF("どうやら【%s】の効果が町中に行き渡ったカンジ!!", tirasi[std::size_t(design)].name));
  }
}

// The burglar of the night: one seal of each kind held, with chance 1 in 5 each, or else half
// the money.
void burglar() {
  set_background(SJ("yoru.bmp"));
  show_and_wait(TR("ゴト・・・・・・"));
  set_background(SJ("yoru2.bmp"));
  play_sound(4, SJ("dorobou.wav"));
  show_coloured_and_wait(TR("へへへっ、珍しいシールはないかなーん♪"), SJ("pink2"));
  show_coloured_and_wait(TR("泥棒が侵入した!!"), SJ("red"));
  bool took_seal = false;
  for (int id = 0; id < item_count; ++id) {
    if (item[std::size_t(id)].kind != kind_seal || gs.stock[std::size_t(id)] <= 0) continue;
    if (draw(5) != 0) continue;
    gs.stock[std::size_t(id)] -= 1;
    took_seal = true;
    play_sound(1, SJ("down.wav"));
    show_coloured_and_wait(TRF("【%s】が 1枚盗まれた!!(残: %d枚)", item[std::size_t(id)].name,
                               gs.stock[std::size_t(id)]),
                           SJ("red"));
  }
  if (took_seal) return;
  // Half of what there is; a purse already empty (or overdrawn) loses nothing.
  const int amount = gs.money > 0 ? gs.money / 2 : 0;
  gs.money -= amount;
  show_coloured_and_wait(TRF("お金 %d円が盗まれてしまった!!", amount), SJ("red"));
}

}  // namespace

int day_quota(int lv) {
  if (lv < 0) return quota_by_level[0];
  if (lv >= int(quota_by_level.size())) return quota_by_level.back();
  return quota_by_level[std::size_t(lv)];
}

int day_satis_goal(int lv) {
  const long long goal = static_cast<long long>(lv) * 5 + 50;
  return goal >= 100 ? 99 : int(goal);
}

void scene_start() {
  gs.stage_mode = 1;
  gs.play_count += 1;
  play_sound(1, SJ("start3.wav"));
  set_shop_scene();
  owner_enters();
  if (gs.progress[7] != 0) {
    owner_says(TRF("良く来たな、%d回目のプレーだぜ", gs.play_count));
    owner_says(TR("よし早速働いてもらうっ"));
    show_menu(SJ(""), SJ(""), TR("がんばるぞー♪"));
    return;
  }
  gs.progress[7] = 1;
  owner_says(TR("えとな、この店でやる事を言う"));
  owner_says(TR("まずお客さんが買う品物をラッピングしてもらってよ"));
  owner_says(TR("シールもちゃんと貼ってなっ…"));
  owner_says(TR("今まではそれだけだったけんど、"));
  owner_says(TR("これからは商品の仕入れも全部やってもらう事に決定したから。"));
  owner_says(TR("うまい事やんねーと、店つぶれっぞ！！！"));
  post_colored(TR("じゃ、どれくらいのむずかしさがいいか選びな"), SJ("blue"));
  const int answer = ask_choice(TR("ようちえんモード"), TR("小学生モード"), TR("おとなモード"));
  // A window closed during the choice answers nothing: the run is left as it was.
  if (window_closing()) return;
  switch (answer) {
    case 1:
      gs.mode = 0;
      gs.money = 1000;
      owner_says(TR("ようちえんモードだな、よし"));
      break;
    case 2:
      gs.mode = 1;
      gs.money = 500;
      owner_says(TR("小学生モードだな、よーし"));
      break;
    default:
      gs.mode = 2;
      gs.money = 100;
      owner_says(TR("大人モードだな、難しいぜ！？ふふふ"));
      break;
  }
  owner_says(TR("じゃ、そういう事だから、後、夜露死苦"));
  owner_says(TR("早速、仕入れからやってクレヨン！"));
  // With the day still 0 the evening shows the shop instead of the night.
  evening_stocking();
}

void scene_good_luck() {
  gs.panel_visible = 0;
  gs.night_omen = 0;
  morning();
}

void scene_night() {
  gs.panel_visible = 0;
  gs.leaving_flag = 0;
  gs.night_omen = 0;
  play_sound(3, SJ("night.wav"));
  const int r = draw(15);
  if (r <= 9) {
    set_background(SJ("night.bmp"));
    show_and_wait(TR("『すやすや・・・・・・』"));
  } else if (r <= 12) {
    gs.night_omen = 1;
    set_background(SJ("night2.bmp"));
    show_and_wait(TR("『すやすや・・・・・・』"));
    show_and_wait(TR("『ん？月が出てる・・・・！』"));
    gain_item(136);
  } else if (r == 13) {
    gs.night_omen = 1;
    set_background(SJ("night3.bmp"));
    show_and_wait(TR("『すやすや・・・・・・』"));
    show_and_wait(TR("『ん？今夜は満月だ・・・・！』"));
    gain_item(516);
  } else {
    gs.night_omen = 1;
    set_background(SJ("night4.bmp"));
    show_and_wait(TR("『すやすや・・・・・・』"));
    play_sound(4, SJ("wolf.wav"));
    show_and_wait(TR("『ワウォーーーーーーン!!』"));
    gain_item(517);
  }
  // The chance is drawn first, whatever the level.
  if (draw(15) == 0 && gs.clerk_lv > 1) burglar();
  morning();
}

void morning() {
  gs.day += 1;
  if (gs.progress[106] < gs.day) gs.progress[106] = gs.day;
  // A night with the moon or the wolf has had its event already.
  if (gs.night_omen == 0) {
    gs.night_omen = 1;
    morning_event();
  }
  open_shop();
  change_shop_image();
  gs.quota = day_quota(gs.clerk_lv);
  gs.satis_goal = day_satis_goal(gs.clerk_lv);
  start_working();
}

void open_first_day() {
  gs.day += 1;
  open_shop();
  gs.quota = gs.clerk_lv * 200 + 200;
  gs.satis_goal = day_satis_goal(gs.clerk_lv);
  start_working();
}

}  // namespace game
