// The customer's judgement of the seal just stuck: misplaced, neutral, liked (a character seal
// has its own delight), disliked, favourite or second favourite — each with its sound, its lines,
// its sparkle and its effect on the shop's counters — then the leaving lines and the payment.
// The save seal stuck on the shop door saves the game instead.
#include "wrapping/reactions.h"

#include <algorithm>
#include <array>

#include "customers/outcome.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "effects/effects.h"
#include "goods/item_panel.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

constexpr int chain_cap = 10;
constexpr int goods_slot = 3;  // the goods picture, drawn as a 2w-square centred at (195, 160)

enum reaction_class { neutral = 0, liked = 1, disliked = 2, favourite = 3, second_favourite = 4 };

// Lines said for each reaction, indexed by the draw.
constexpr std::array<const char*, 12> favourite_lines{
    N_("はっ!!これこそ捜し求めていたシール！"),
    N_("キャ～これ、最高のシールじゃん!!"),
    N_("ハーーー!!これはー!!あわわわ(衝撃の余り痙攣を引き起こした)"),
    N_("キャ!!こんな素敵なシールを..!!あんたまるで天使だね!!"),
    N_("可愛い～！これ可愛い～！これ一番可愛い～！"),
    N_("こ、このシール凄すぎる！これが一番気に入ったよ！"),
    N_("そうだよ、このシールを待ってたの！ああこれじゃなきゃダメ！"),
    N_("ついにキタ!!待ちに待ったシールがついにキタよ！うわー！"),
    N_("!!..これを貼ってるもらうがためにここに百年通いつめたんだよ!"),
    N_("ギャーー！！！これ、これなの！これだったの！"),
    N_("(喜びの余り、ただ涙を流してシールを見つめている..)"),
    N_("(よほどこのシールが好きだったのか、失神してしまった..)"),
};
constexpr std::array<const char*, 12> second_favourite_lines{
    N_("はっ!!これはNo.2大好きチール！"),
    N_("ワ～これ、二番目に好きなチールじゃん!!"),
    N_("ヒーー!!それはー!!ゲフォッ(感動の余り呼吸困難になった)"),
    N_("こんなナイスチールを..!!あんた将来大物になるよ!!"),
    N_("かわ…い～！これ、かわ、い～！い～！"),
    N_("こ、このチール良すぎ！アレの次に気に入ったよ！"),
    N_("このチールを探してたの！ああやっぱこうでなくっちゃ！"),
    N_("こ、このNo.2チールを探し求めてはや50年…！"),
    N_("!!これを貼ってもらうために人徳を貯めてたんだよ!!"),
    N_("ギャ！そこそこ大好きチール！そこそこだけど大好きなの！"),
    N_("(喜びの余り、よだれを流してチールを見つめている..)"),
    N_("(よほどこのチールが好きだったのか、失禁してしまった..)"),
};
constexpr std::array<const char*, 11> character_lines{
    N_("こ、これはもしやあの御方のチール!!"),
    N_("うわーっ、これは憧れの人のチールだ！"),
    N_("キャー！このチールの人、ファンなの！"),
    N_("(目が点になっている、よほどチールの人物が好きだったらしい)"),
    N_("(よだれがでている、チールの人物が相当気に入っているらしい)"),
    N_("やったー！このチールの人、大好きなんだ～！"),
    N_("ぎゃあ！こ、このチールの人は…あ、あの偉大な…アワワワワ"),
    N_("わあいっ、あの人のチールだ!!すっごーい"),
    N_("うそっ、こんなチールがあったの！この人大好きなの！"),
    N_("わ、このチールの人を見る度にドキドキしちゃう！"),
    N_("(興味津々にシールを見ている、チールの人のファンらしい)"),
};
constexpr std::array<const char*, 11> liked_lines{
    N_("あ、これ好きなシールだ、やった!!"),
    N_("やった～このシールが欲しかったの!!"),
    N_("うわーい、これすごく可愛いね!"),
    N_("(顔が綻んでいる、お気に入りのシールだったらしい)"),
    N_("(にんまりしてる、このシールが嬉しかったらしい)"),
    N_("(目がキラっとしている、お目当てのシールだったらしい)"),
    N_("あ！やったっ、このシール狙ってたんだ！"),
    N_("わあいっ、すごく可愛いシールもらっちゃった!!"),
    N_("えー！こんなシールもらっていいの？ラッキ～!"),
    N_("シールキター！このシールなんかすごく好きみたい！"),
    N_("(興味津々にシールを見ている、シールが気に入ったらしい)"),
};
constexpr std::array<const char*, 11> disliked_lines{
    N_("む・・・こんなシールいらね、剥ーがそっと"),
    N_("ひどい・・・こんなシール嫌だ・・・いらないから捨てよ"),
    N_("げ・ダサシール・・・後でこの店の壁にでも貼っとこ"),
    N_("(顔がむっとしている、どうやら気に入らなかったらしい)"),
    N_("(嫌そうな顔をしている、このシールが嫌いだったらしい)"),
    N_("(目が怒っている、どうやらシールが気に食わないらしい)"),
    N_("あ！このシールだけは貼って欲しくなかったのに・・・"),
    N_("うげぇ、こんなシールいらないよ!!あほ店員！"),
    N_("え～・・・どうしてこんなシール貼るの・・・最低"),
    N_("ぎゃああ、こんなの貼らないで！！ばーーーか！！"),
    N_("(おえって小さい声で言った、シールが気に入らなかったらしい)"),
};
constexpr std::array<const char*, 12> neutral_lines{
    N_("わーいシールだあー"),
    N_("よし、シールゲット！"),
    N_("シール貼ってもらっちゃった☆"),
    N_("(表情に変化なし、シールは好きでも嫌いでもなかったらしい)"),
    N_("(普通の顔をしている、どうやらこのシールに特に問題ないらしい)"),
    N_("シールありがとう！"),
    N_("シールもーらっぴっ"),
    N_("やった、シールコレクションに加えよーっと♪"),
    N_("ふむ・・・シールね、よし"),
    N_("やった、シールもらった"),
    N_("わーい、シール！！"),
    N_("これがうわさのシール！"),
};
constexpr std::array<const char*, 3> save_lines{
    N_("セーブしました....ふう、テキサスだぜ.."),
    N_("セーブしました....またつまらない物を撃っちまった.."),
    N_("セーブしました....マンマミーア！！"),
};

// A customer's line: pink, and the player reads it before going on.
void say(const plat::sjis& text) {
  post_colored(text, SJ("pink2"));
  wait_click();
}
template <std::size_t N>
void say_one_of(const std::array<const char*, N>& lines) {
  say(plat::tr(lines[std::size_t(draw(int(N)))]));
}

bool listed(const std::array<int, 100>& seals, int id) {
  return std::find(seals.begin(), seals.end(), id) != seals.end();
}

// Stuck when a 50 × 50 square around the point overlaps the goods picture's own-size rectangle
// centred on the goods.
bool stuck_on_goods() {
  const plat::Bitmap& goods = picture(goods_slot);
  const int w = goods.width(), h = goods.height();
  return 195 - w / 2 < gs.seal_x + 25 && gs.seal_x - 25 < 195 + w / 2 &&
         160 - h / 2 < gs.seal_y + 25 && gs.seal_y - 25 < 160 + h / 2;
}

// Each later rule overrides the earlier ones.
int classify(const tman& m, int id) {
  int c = neutral;
  if (listed(m.like_seal, id)) c = liked;
  if (listed(m.hate_seal, id)) c = disliked;
  if (id == 129 || id == 133) c = liked;  // every customer likes these two
  if (id == m.like_seal[0]) c = favourite;
  if (id == m.like_seal[1]) c = second_favourite;
  return c;
}

void save_the_game(int id, bool unit_taken) {
  // A save that could not be written has been told to the player by the save itself.
  const bool saved = hooks.save_progress && hooks.save_progress();
  gs.leaving_flag = 0;
  if (saved) {
    play_sound(1, SJ("gun.wav"));
    play_sound(3, SJ("save.wav"));
    post_and_wait(plat::tr(save_lines[std::size_t(draw(3))]));
  } else if (unit_taken) {
    // The file on the disk still holds the seal: so does the shop, to try again another evening.
    add_stock(id, 1);
  }
  if (hooks.dispatch) hooks.dispatch(TR("帰って寝る"));
}

void misplaced(const tman& m) {
  play_sound(4, draw(3) < 2 ? SJ("choto.wav") : SJ("choto2.wav"));
  gs.chain = 0;
  say(TR("ちょっと、ちゃんと貼ってよ!!"));
  change_satisfaction(-(gs.satisfaction / 10 + m.min_lv));
  add_fondness(gs.cur_man, -1);
  gs.bad_service += 1;
  gs.lovely -= 2;
  finish_service(outcome_paid);
}

void delighted(const tman& m) {
  const int x = gs.seal_x, y = gs.seal_y;
  spawn_effect(x, y, 127);
  spawn_effect(x, y, 128);
  spawn_effect(x, y, 129);
  spawn_effect(x - 50, y, 129);
  spawn_effect(x + 50, y, 129);
  play_sound(4, SJ("great.wav"));
  say_one_of(favourite_lines);
  gs.lovely += 2;
  if (gs.poor_stock > 0) gs.poor_stock -= 1;
  if (gs.bad_service > 0) gs.bad_service -= 1;
  chain_step();
  change_satisfaction(3 * m.min_lv + 3);
  add_fondness(gs.cur_man, 2);
}

void pleased_twice(const tman& m) {
  const int x = gs.seal_x, y = gs.seal_y;
  spawn_effect(x, y, 128);
  spawn_effect(x - 25, y, 129);
  spawn_effect(x + 25, y, 129);
  play_sound(4, SJ("love4.wav"));
  say_one_of(second_favourite_lines);
  gs.lovely += 1;
  if (gs.poor_stock > 0 && draw(3) < 2) gs.poor_stock -= 1;
  if (gs.bad_service > 0 && draw(3) < 2) gs.bad_service -= 1;
  chain_step();
  change_satisfaction(2 * m.min_lv + 3);
  add_fondness(gs.cur_man, 1 + draw(2));
}

// Answers the class the payment follows: a liked character seal pays like a favourite.
int pleased(const tman& m, int id) {
  int paid_as = liked;
  if (entry_of(id).chara == 1) {
    spawn_effect(195, 110, 162);
    play_sound(4, SJ("suki.wav"));
    if (gs.bad_service > 0 && draw(2) == 0) gs.bad_service -= 1;
    say_one_of(character_lines);
    paid_as = favourite;
  } else {
    spawn_effect(gs.seal_x, gs.seal_y, 129);
    play_sound(4, SJ("up2.wav"));
    say_one_of(liked_lines);
  }
  if (gs.poor_stock > 0 && draw(3) < 2) gs.poor_stock -= 1;
  if (gs.bad_service > 0 && draw(3) == 0) gs.bad_service -= 1;
  gs.lovely += 1;
  chain_step();
  change_satisfaction(2 * m.min_lv + 2);
  add_fondness(gs.cur_man, 1);
  if (m.name == TR("某国の王子")) {
    say(TR("そうだ、お礼にこれやるよ(盗んだやつだけど)"));
    gain_item(146 + draw(4));
  }
  return paid_as;
}

void displeased(const tman& m) {
  play_sound(4, draw(4) < 3 ? SJ("oe.wav") : SJ("kirai.wav"));
  gs.chain = 0;
  say_one_of(disliked_lines);
  gs.lovely -= 2;
  change_satisfaction(-(gs.satisfaction / 10 + 2 * m.min_lv));
  add_fondness(gs.cur_man, -1);
  gs.bad_service += 2;
  const int r = draw(4);
  finish_service(r == 0 ? outcome_unpaid : r <= 2 ? outcome_half : outcome_paid);
}

void unmoved(const tman& m) {
  gs.chain = 0;
  say_one_of(neutral_lines);
  if (gs.poor_stock > 0 && draw(3) == 0) gs.poor_stock -= 1;
  if (gs.bad_service > 0 && draw(4) == 0) gs.bad_service -= 1;
  if (draw(3) == 0) gs.lovely -= 1;
  change_satisfaction(m.min_lv + 1);
}

// The customer's goodbye (set B half of the time, when there is one), then the payment.
void leave_pleased(const tman& m, int paid_as) {
  const bool set_b = draw(2) == 0 && !m.bye_msg[msg_set_b].empty();
  say_lines_from(m.bye_msg, set_b ? msg_set_b : 0, say);
  int code = outcome_paid;
  switch (paid_as) {
    case liked:
      code = draw(2) == 0 ? outcome_paid : outcome_tip;
      break;
    case favourite:
      code = draw(2) == 0 ? outcome_big_tip : outcome_tip;
      break;
    case second_favourite:
      code = draw(2) == 0 ? outcome_small_tip : outcome_tip;
      break;
    default:
      break;
  }
  finish_service(code);
}

}  // namespace

void react_to_seal(int id) {
  const titem& seal = entry_of(id);
  if (seal.name.empty()) return;
  hide_item_box();  // the panel stays out of the way through the reaction
  // A seal is only ever stuck from the hand, so at least one is held; never count below none.
  const bool unit_taken = stock_of(id) > 0;
  if (unit_taken) add_stock(id, -1);
  gs.collected[std::size_t(id)] = 1;

  if (id == save_seal && gs.leaving_flag == 1) {
    save_the_game(id, unit_taken);
    return;
  }
  const tman& m = current_customer();
  if (!stuck_on_goods()) {
    misplaced(m);
    return;
  }
  switch (classify(m, id)) {
    case favourite:
      delighted(m);
      leave_pleased(m, favourite);
      break;
    case second_favourite:
      pleased_twice(m);
      leave_pleased(m, second_favourite);
      break;
    case liked:
      leave_pleased(m, pleased(m, id));
      break;
    case disliked:
      displeased(m);
      break;
    default:
      unmoved(m);
      leave_pleased(m, neutral);
      break;
  }
}

void chain_step() {
  gs.chain = std::min(gs.chain + 1, chain_cap);
  switch (gs.chain) {
    case 4:
    case 5:
      play_sound(5, SJ("combo4.wav"));
      break;
    case 6:
    case 7:
      play_sound(5, SJ("combo6.wav"));
      spawn_effect(245, 35, 163);
      break;
    case 8:
    case 9:
      play_sound(5, SJ("combo3.wav"));
      spawn_effect(245, 35, 164);
      break;
    case chain_cap: {
      play_sound(5, SJ("combo5.wav"));
      // Two bolts of lightning: one off the right edge, one over the top.
      const int right_x = 390 + draw(50);
      const int right_y = draw(240);
      spawn_particle(245, 35, right_x, right_y, 166);
      const int top_x = 80 + draw(60);
      spawn_particle(245, 35, top_x, -50, 166);
      spawn_effect(245, 35, 165);
      break;
    }
    default:
      break;
  }
  if (gs.chain >= 2) spawn_effect(245, 30, 160);
}

}  // namespace game
