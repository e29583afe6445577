// The day's end and the owner's review. The seal association may send an award, the day's goods
// pass by as a montage, the history keeps the last ten days (shown as a chart every tenth day),
// and the owner judges the day: he fines or pays, demotes or promotes, may end the game, gives
// advice, tells of his past, and once a month the landlord collects the rent.
#include "customers/review.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "customers/closing.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "customers/story_scripts.h"
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

constexpr int fallback_award_seal = 103;
constexpr int best_level_slot = 105;
constexpr int ending_seen_slot = 4;
constexpr int advice_slot = 5;
constexpr int ending_level = 10;

// The owner speaks in blue (owner_says), a click after each line; every other line of the
// review is read with its own click too.

// ---- 1. The seal association ---------------------------------------------------------------

void seal_association_award() {
  if (!award_due()) return;
  gs.bad_service -= 1;
  gs.poor_stock -= 1;
  play_sound(4, SJ("cong.wav"));
  spawn_effect(70, 47, 161);
  show_and_wait(TR("なんとあなたはチール協会から表彰されました!!"));
  show_and_wait(TR("あなたはお客さんの好みの分かる素敵な方ですね"));
  show_and_wait(TR("それを表して、あなたにチールセットを差し上げます"));
  gain_items(award_seal(), 7);
  gs.award_count = std::min(gs.award_count + 1, 99);
  gs.lovely = 0;
}

// ---- 3., 4. The ten-day history and its chart -------------------------------------------------

int day_index() {
  return ((gs.day % 10) + 10) % 10;
}

void ten_day_report() {
  set_background(SJ("kokuban.bmp"));
  gs.chart_count = 1;
  play_sound(3, SJ("draw.wav"));
  show_and_wait(TR("10日間のレポートでーーす（ピンク:売上 青:満足度）"));
  // The whole chart with its end labels from the next frame on.
  gs.chart_count = 100;
  play_sound(2, SJ("pen.wav"));
  show_and_wait(TR("今週はこのような結果でした"));
  gs.chart_count = 0;
}

// ---- the owner's review ----------------------------------------------------------------------

void bankruptcy() {
  owner_says(TR("何にも売れないとはどういうこった！！"));
  owner_says(TR("あーあ、おまえを雇ったのが間違いだった...."));
  play_sound(4, SJ("gameover.wav"));
  show_coloured_and_wait(TR("なんと、お店は売り上げが伸びず、潰れてしまいました"), SJ("red"));
  show_coloured_and_wait(TR("ゲームオーバー"), SJ("red"));
  close_program();
}

// Only one of the two targets was met: the owner says which, in his two ways of saying it.
void remark(const sjis& quota_missed, const sjis& unsatisfied) {
  const bool quota_met = gs.sales_today >= gs.quota;
  const bool satisfied = gs.satisfaction >= gs.satis_goal;
  if (!quota_met && satisfied) owner_says(quota_missed);
  if (quota_met && !satisfied) owner_says(unsatisfied);
}
void remark_a() {
  remark(TR("ノルマは足りてねーけどなっ"), TR("お客の満足度は低いけどなっ"));
}
void remark_b() {
  remark(TR("ノルマは足りてねーけどよ"), TR("お客の満足度は低いけどよ"));
}

void fine(int score) {
  const int f = review_fine(score);
  if (f <= 0) return;
  gs.money -= f;
  play_sound(3, SJ("down.wav"));
  show_coloured_and_wait(TRF("お金が %d円減った", f), SJ("red"));
}

// The score's band: the owner's wave, his lines, the fine or the pay, the demotion.
void verdict(int score) {
  if (score <= 80) {
    play_sound(1, SJ("kora.wav"));
    owner_says(TR("コラー！！もっとちゃんと働け！！"));
    owner_says(TR("容赦しねーぞ！！！！！"));
    owner_says(TR("今日の給料は少し減らさせてもらう"));
    fine(score);
    if (gs.clerk_lv >= 1) {
      owner_says(TR("おまえにはもっと修行が必要だな、降格させてもらう"));
      play_sound(3, SJ("down.wav"));
      gs.clerk_lv -= 1;
      show_coloured_and_wait(TR("店員LVが 1減少した"), SJ("red"));
    }
    return;
  }
  play_sound(1, SJ("fun.wav"));
  if (score <= 100) {
    owner_says(TR("おい、こんな調子じゃ全く困るなっ！！"));
    owner_says(TR("店が破産しちまうだろ！！"));
    owner_says(TR("今日の給料は少し減らさせてもらう"));
    fine(score);
  } else if (score <= 120) {
    owner_says(TR("まだまだだな！！！フン！！"));
    owner_says(TR("これだから最近の若いやつはだめだ"));
    owner_says(TR("明日はもっと働いてもらうからな！！"));
  } else if (score <= 140) {
    owner_says(TR("ふーん、まあまあって所かっ"));
    owner_says(TR("売り上げとお客の満足度と両方達成してくりないと！"));
    owner_says(TR("まー今日の所はこの辺にしといてやらー"));
    const int pay = review_pay(score);
    if (pay > 0) {
      owner_says(TR("そらこれでも取っときなっ"));
      receive_money(pay);
    }
  } else if (score <= 160) {
    owner_says(TR("ふーん、けっこうやるな"));
    remark_a();
    owner_says(TR("まっ、偶然だろうけど、明日も今日くらいやってもらぜ"));
    owner_says(TR("今日の所は、多めに給料をやるとするか"));
    receive_money(review_pay(score));
  } else if (score <= 180) {
    owner_says(TR("フ・・・やればできるじゃねーか・・・"));
    remark_b();
    owner_says(TR("まっ、このくらいできてもらわねーとなっ"));
    owner_says(TR("俺としてもおまえを雇った手前ってもんがあるからよ"));
    owner_says(TR("まーあれだ、明日もがんばれよ、ほらボーナスだ"));
    receive_money(review_pay(score));
  } else if (score < 200) {
    owner_says(TR("ほ、ほーぉ、ま、バ、バイトにしちゃ上出来だな・・・フン"));
    remark_b();
    owner_says(TR("きっとこれくらい出来るんじゃねーかって思ってたけどな"));
    owner_says(TR("俺の目に狂いはなかったってことだぜ、アハハハ"));
    owner_says(TR("ほら、もってけ泥棒、大ボーナスだぜ"));
    receive_money(review_pay(score));
  } else {
    owner_says(TR("な、なんてこった・・・た、たまげたぜ・・・"));
    remark_b();
    owner_says(TR("まさかおまえがここまでやるとは・・・"));
    owner_says(TR("フッ・・・何もいうことはねえ・・・一言だけだ、よくやった。"));
    owner_says(TR("そらよ、これはほんの俺の気持ちってやつだ"));
    receive_money(review_pay(score));
    gain_item(132);
  }
}

void promotion() {
  if (gs.satisfaction < gs.satis_goal || gs.sales_today < gs.quota) return;
  play_sound(5, SJ("yosi.wav"));
  owner_says(TR("なかなかよくやった！昇進じゃ！"));
  gs.clerk_lv += 1;
  play_sound(4, SJ("lvup.wav"));
  int& best = gs.progress[best_level_slot];
  if (best < gs.clerk_lv) best = gs.clerk_lv;
  show_coloured_and_wait(TR("あなたの店員レベルがあがりました!!"), SJ("yellow"));
  show_coloured_and_wait(TRF("レベルアップ!! → %d", gs.clerk_lv), SJ("yellow"));
  if (gs.mode == 0 || gs.mode == 1) {
    show_and_wait(TR("ボーナスが支給されました"));
    receive_money(gs.clerk_lv * (gs.mode == 0 ? 400 : 200));
  }
  // The unknown shop's power holds the clerk back from the very top.
  if (gs.shop_image == 11 && gs.clerk_lv >= ending_level) {
    gs.clerk_lv = 9;
    show_and_wait(TR("と思ったら、何らかの力によってLv9に戻った.."));
  }
}

void the_end() {
  set_background(SJ("clear.bmp"));
  show_coloured_and_wait(TR("～～～～クリア～～～～"), SJ("red"));
  show_coloured_and_wait(TR("お・し・ま・い"), SJ("red"));
  close_program();
}

// The clerk has passed level 9: セブン comes to hire the clerk away.
void ending() {
  play_sound(2, SJ("aha.wav"));
  gs.progress[ending_seen_slot] = 1;
  play_sound(1, SJ("fun.wav"));
  owner_says(TR("じゃあねん"));
  if (!knock_at_door()) return;
  // The owner has gone out; セブン stands at the counter in the shop.
  set_shop_scene(SJ("seven.bmp"));
  show_coloured_and_wait(TR("セブンが現れた!!"), SJ("pink"));
  post_speech(TR("こんにちは…"));
  post_speech(TR("この店がどんなに凄いか、オレはよく分かっている…"));
  post_speech(TR("オレの経営するLove7には無い物が、この店にはあるんだ…"));
  post_speech(TR("…それがなんなのか、ようやく気づいた"));
  post_speech(TR("…それは、君だ。"));
  post_speech(TR("ここの店長には悪いけど、どうだ…オレの店に来てみないか？"));
  const int answer = ask_choice({}, TR("はい"), TR("いいえ"));
  if (window_closing()) return;
  if (answer == 2) {
    post_speech(TR("やった…ありがとう"));
    post_speech(TR("これでオレのファシーブランドチェーン Love7は一気に巨大化する…"));
    post_speech(TR("この星はおろか、全宇宙をファンシーで埋め尽くしてやるさ…"));
  } else {
    post_speech(TR("そうか…やはり駄目か…"));
    post_speech(TR("君ならそう言うと思っていた…"));
    post_speech(TR("君のその情熱と強い意志、それを確認したかったんだ…"));
    post_speech(TR("また会おう、ライバルよ！"));
    set_background(SJ("ten.bmp"));
    play_sound(2, SJ("eto.wav"));
    show_coloured_and_wait(TR("天長が現れた!!"), SJ("pink"));
    owner_says(TR("フ…、おまえもやっぱりあいつの店へ行くのか…？"));
    owner_says(TR("え…？引き抜きを断っただと？"));
    owner_says(TR("何故だ！…Love7は今や世界のトップブランドだぜ…"));
    owner_says(TR("何…、この店が好きだからだと？"));
    owner_says(TR("ば…ばかやろう！！！……"));
    owner_says(TR("…ち…、目にゴミが入っちまったぜ…"));
  }
  the_end();
}

// How to run the shop, one lesson per evening at most, the latest lesson tried first.
void advice() {
  int& stage = gs.progress[advice_slot];
  if (stage == 2 && draw(5) == 0) {
    stage = 3;
    play_sound(2, SJ("eto.wav"));
    owner_says(TR("..あとな、客の嫌いなチール貼ったり、追い返したりしたら"));
    owner_says(TR("客の【不満】がたまるっ"));
    owner_says(TR("客の欲しい商品がないと、【クレーム】がたまるっ"));
    owner_says(TR("分かったかっ、気をつけるんだな！"));
  } else if (stage == 1 && draw(5) == 0) {
    stage = 2;
    play_sound(2, SJ("eto.wav"));
    owner_says(TR("....仕入れる商品はな、客層から予想を立てるのが大事だ"));
    owner_says(TR("客層が欲しがらない商品を仕入れても駄目ってもんよ"));
    owner_says(TR("その客がどんな商品をいつも買ってるかよく見とくんだなっ"));
  } else if (stage == 0 && draw(5) == 0) {
    stage = 1;
    play_sound(2, SJ("eto.wav"));
    owner_says(TR("....何よりまずは袋とかが大事だ"));
    owner_says(TR("商品を包む袋とか箱がなきゃ、売れねえんだよっ"));
    owner_says(TR("だから、まずは袋とかを十分な量だけ毎晩揃えておく事を覚えな！"));
    owner_says(TR("…ふ、こんな事をいちいち教えるなんて、俺も丸くなったもんだぜ"));
  }
}

// The owner's tales, each told once in a game; several may come the same evening.
void tales() {
  struct tale {
    int slot, level;
    const char* wave;
    bool old_story;  // his own past, closed with the same grumble
  };
  static constexpr tale told[] = {{6, 2, "eto.wav", false},
                                  {0, 4, "aa.wav", true},
                                  {1, 5, "aa.wav", true},
                                  {2, 6, "aa.wav", true}};
  const sjis& grumble = TR("…おっと、つまんねえ昔話しちゃったぜ…");
  for (const tale& t : told) {
    int& flag = gs.progress[std::size_t(t.slot)];
    if (flag != 0 || gs.clerk_lv < t.level || draw(10) != 0) continue;
    flag = 1;
    play_sound(2, sjis(t.wave));
    const said_lines lines = owner_tale(t.slot);
    sjis last;
    for (int i = 0; i < lines.count; ++i) {
      last = plat::tr(lines.lines[i]);
      owner_says(last);
    }
    if (t.old_story && last != grumble) owner_says(grumble);
  }
}

// Every thirtieth day 乱造 comes for the rent.
void rent() {
  if (gs.day == 0 || gs.day % 30 != 0) return;
  set_background(SJ("ran.bmp"));
  play_sound(2, SJ("ran.wav"));
  show_coloured_and_wait(TR("乱造が現れた!!"), SJ("pink"));
  post_speech(TR("あんた、この店のモンじゃな…"));
  const int asked = rent_due();
  post_speech(TRF("今月の家賃、%d円払ってくれんかの..", asked));
  const int taken = rent_taken();
  if (taken < asked) {
    post_speech(TR("なんだって…お金が足りないじゃと！？"));
    post_speech(TR("なんてことじゃ…、仕方ない…"));
    post_speech(TRF("%d円だけもらっていくとするわい…", taken));
  }
  gs.money -= taken;
  play_sound(1, SJ("buy.wav"));
  show_coloured_and_wait(TRF("%d円没収されてしまった....", taken), SJ("red"));
  post_speech(TR("ここの天長さんによろしくな…"));
  play_sound(2, SJ("ran.wav"));
  post_speech(TR("そいじゃ、おやすみなっさい"));
}

void owner_review() {
  gs.chain = 0;
  sjis mark;
  if (gs.sales_today >= gs.best_sales) {
    mark = TR(" HiScore!");
    gs.best_sales = gs.sales_today;
  }
  owner_says(TRF("うむっ、今日の売り上げは %d円じゃ%s", gs.sales_today, mark));
  owner_says(TRF("そんでっ、お客さんの満足度は %d％じゃ。", gs.satisfaction));
  if (window_closing()) return;

  if (gs.sales_today <= 0 && gs.clerk_lv <= 0) {
    bankruptcy();
    return;
  }
  if (gs.sales_today <= 0) owner_says(TR("なんにも売れてねーじゃねーか！！"));

  verdict(achievement() + std::clamp(gs.satisfaction, 0, 100));
  if (window_closing()) return;
  promotion();
  if (window_closing()) return;
  if (gs.clerk_lv >= ending_level) {
    ending();
    return;
  }
  advice();
  tales();
  play_sound(1, SJ("fun.wav"));
  owner_says(TR("では、明日の準備をしておくがよい"));
  owner_says(TR("じゃあねん"));
  rent();
  if (window_closing()) return;
  set_customer_picture(SJ("not.bmp"));
  evening_stocking();
}

}  // namespace

// ---- rules ---------------------------------------------------------------------------------

bool award_due() {
  return gs.lovely >= gs.award_count + 10;
}

int award_seal() {
  const int top_price = gs.award_count * 10 + 30;
  for (int tries = 1; tries <= 999; ++tries) {
    const int id = draw(999);
    if (id < 0 || id >= item_count) continue;
    const titem& it = item[std::size_t(id)];
    if (it.kind != kind_seal || it.name.empty() || it.price > top_price) continue;
    return tries > 900 ? fallback_award_seal : id;
  }
  return fallback_award_seal;
}

int achievement() {
  const long long quota = std::max(gs.quota, 1);
  return int(std::min<long long>((long long)gs.sales_today * 100 / quota, 100));
}

int review_fine(int score) {
  if (score > 100) return 0;
  int f = gs.money / (score <= 80 ? 4 : 5) + 1;
  if (gs.mode == 0) f = f / 4 + 1;
  if (gs.mode == 1) f = f / 2 + 1;
  // The owner cannot take more than there is.
  return std::clamp(f, 0, std::max(gs.money, 0));
}

int review_pay(int score) {
  const int lv = gs.clerk_lv;
  const int times0 = score >= 200 ? 5 : score > 180 ? 4 : 3;
  const int times1 = times0 - 1;
  int pay = 0;
  if (score <= 120) return 0;
  if (score <= 140) return gs.mode == 0 ? lv * 20 + 100 : gs.mode == 1 ? lv * 10 + 50 : 0;
  if (score <= 160)
    pay = std::min(std::max(gs.money, 0) / 4 + 1, 200);
  else if (score <= 180)
    pay = std::min(lv * 15 + 30, 100);
  else if (score < 200)
    pay = std::min(lv * 15 + 50, 150);
  else
    pay = std::min(lv * 15 + 70, 200);
  if (gs.mode == 0) pay *= times0;
  if (gs.mode == 1) pay *= times1;
  return pay;
}

int rent_due() {
  int r = std::max(gs.money, 0) / 10 + gs.clerk_lv * 100 + 50;
  if (gs.mode == 0) r = r / 3 + 1;
  if (gs.mode == 1) r = r / 2 + 1;
  return r;
}

int rent_taken() {
  const int money = std::max(gs.money, 0);
  const int asked = rent_due();
  return asked <= money ? asked : (money / 3) * 2;
}

void owner_enters() {
  set_background(SJ("ten.bmp"));
  if (draw(10) == 0)
    play_sound(2, SJ("aha.wav"));
  else
    play_sound(1, SJ("fun.wav"));
  show_coloured_and_wait(TR("天長が現れた!!"), SJ("pink"));
}

void owner_says(const sjis& text) {
  show_coloured_and_wait(text, SJ("blue"));
}

void end_day() {
  if (window_closing()) return;
  // Each drawn frame holds the day's satisfaction within 0..100, but the last gain or loss may
  // have come with no frame since (clicks quicker than the timer): held here too, the owner, the
  // ten-day history and the progress file never read more than a full 100 %, nor less than none.
  gs.satisfaction = std::clamp(gs.satisfaction, 0, 100);
  seal_association_award();

  // 2. The day's totals.
  gs.panel_visible = 0;
  start_montage();
  show_and_wait(TR("集計しまーーーす"));
  show_and_wait(TR("今日はこのような結果でした"));
  clear_message_log();
  gs.totals_cursor = 0;
  if (window_closing()) return;

  // 3., 4. The history; every tenth day its chart.
  gs.sales_history[std::size_t(day_index())] = gs.sales_today;
  gs.satisfaction_history[std::size_t(day_index())] = gs.satisfaction;
  if (gs.day % 10 == 9) ten_day_report();
  if (window_closing()) return;

  // 5. The owner comes in.
  owner_enters();
  if (window_closing()) return;
  owner_review();
}

}  // namespace game
