// A customer walks in: who comes (the shop's image and the clerk's level decide), what they want,
// and whether the shop has it — the wish itself, something else from their list, or nothing.
#include "customers/arrival.h"

#include <array>

#include "customers/outcome.h"
#include "customers/rewards.h"
#include "customers/service.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

namespace {

constexpr int customer_draws = 100;  // draw numbers 0..99
constexpr int late_draw = 90;        // an acceptance this late brings the fallback customer
constexpr int most_redraws = 100;
constexpr int wanted_slots = 9;  // only want slots 0..8 are ever drawn

// A customer who may come today: in the roster, allowed at this clerk level, and known to come
// to a shop of this image.
bool may_come(int n) {
  if (n < 0 || n >= man_count) return false;
  const tman& m = man[std::size_t(n)];
  if (m.name.empty() || m.min_lv > gs.clerk_lv) return false;
  for (int image : m.visit_image)
    if (image == gs.shop_image) return true;
  return false;
}

int choose_customer() {
  for (int d = 0; d < customer_draws; ++d) {
    const int n = draw(99);
    if (may_come(n)) return d < late_draw ? n : 0;
  }
  return 0;  // ロクサン, whatever her own conditions say
}

// The customer's thoughts when the wish is missing and they take something else (%s: the
// missing goods).
constexpr std::array<const char*, 9> substitute_thoughts{
    N_("（本当は【%s】が欲しかったんだけどね…）"),
    N_("（むぅ、【%s】が無かったから、これにするか…）"),
    N_("（ホントは【%s】の方が欲しいけど、無いからしゃーない…）"),
    N_("（なんで【%s】は無いの？まーこっち買うからいいけど…）"),
    N_("（【%s】の方が買いたいけど、無いからいいや…）"),
    N_("（今日は【%s】を買いに来たんだけど、無いじゃん…、手ぶらで帰るのも何だしこれにするか）"),
    N_("（【%s】が無いなー、もうめちゃくちゃだなっ…）"),
    N_("（なんで【%s】無いの…、陰謀か！）"),
    N_("（本当は【%s】が欲しかったけど…、むぅ…）"),
};

// Leaving empty-handed: the wave, the spoken line (%s: the missed goods, where it names them)
// and the narration (%s: the customer's name, where it names them).
struct empty_handed {
  const char* wave;
  const char* line;
  const char* narration;
};
constexpr std::array<empty_handed, 21> leaving_empty_handed{{
    {"naizo.wav", N_("…………"), N_("店内を歩き回ってそのまま出ていった....")},
    {"yame.wav", N_("ふん....何も欲しい物がないや"), N_("%sは帰っていった..")},
    {"nainoka.wav", N_("えーと…"), N_("ウロウロして、何も買わずに去っていった....")},
    {"are.wav", N_("【%s】が欲しかったのに…"), N_("ぶつぶつ言いながら、そのまま帰っていった....")},
    {"nainoka.wav", N_("ランランラーン"), N_("何も買わずにいなくなった....")},
    {"naizo.wav", N_("…………"), N_("行ったり来たりして、結局何も買わずに出ていった")},
    {"haa.wav", N_("あーあ、欲しいものなーい、と"), N_("%sはチョロチョロと帰っていった..")},
    {"haa.wav", N_("欲しくないものばっかしだし！"), N_("%sは怒りながら帰っていった..")},
    {"yame.wav", N_("欲しい物ないや、帰ろ帰ろ"), N_("%sは帰っていった..")},
    {"funn.wav", N_("大したもの無かったや、来て損した"), N_("%sは帰っていった..")},
    {"are.wav", N_("あれー…【%s】はー…？"), N_("%sは文句を言いながら帰っていった")},
    {"a-a.wav", N_("【%s】は…と、どこにもないっと…"), N_("%sは帰っていった")},
    {"funn.wav", N_("ちぇ、【%s】は置いてないらしい…!!"), N_("%sは不満そうに帰っていった")},
    {"naino.wav", N_("【%s】はありますか？え、ないの…？"), N_("%sは嫌な顔をして帰っていった")},
    {"a-a.wav", N_("ｷｮﾛｷｮﾛ…ないなぁ…【%s】が欲しいのにぃ…"), N_("%sはガッカリして帰っていった")},
    {"naino.wav", N_("え！なんで【%s】置いてないの!!バカ!!"), N_("%sは怒って帰っていった")},
    {"funn.wav", N_("お気にの【%s】がないじゃない!!プンプン!!"), N_("%sは怒って帰っていった")},
    {"mo.wav", N_("【%s】はどこ？なんで無いの？もう!!"), N_("%sは怒って帰っていった")},
    {"mo.wav", N_("【%s】がなんで無いの？うんち!!"), N_("%sは怒って帰っていった")},
    {"funn.wav", N_("【%s】が無いなんて、この世は闇だ"), N_("%sは暗い顔で去っていった")},
    {"funn.wav", N_("【%s】が無い…、この店に死を！"), N_("%sは暗い顔で去っていった")},
}};

// A want slot drawn at random; redrawn while `unfit` holds, at most 100 times. Answers the slot
// last drawn and the number of redraws.
struct slot_draw {
  int slot;
  int redraws;
};
template <class Unfit>
slot_draw draw_want_slot(const tman& m, Unfit unfit) {
  slot_draw d{draw(wanted_slots), 0};
  while (d.redraws < most_redraws && unfit(m.want[std::size_t(d.slot)])) {
    d.slot = draw(wanted_slots);
    ++d.redraws;
  }
  return d;
}

// Goods numbers outside the catalogue are never wanted, whatever a slot holds.
bool is_goods_number(int n) {
  return n > 0 && n < item_count;
}

void leave_empty_handed(const tman& m) {
  const slot_draw missed =
      draw_want_slot(m, [](int goods) { return !is_goods_number(goods) || stock_of(goods) >= 1; });
  const plat::sjis& goods_name = entry_of(m.want[std::size_t(missed.slot)]).name;

  const empty_handed& r = leaving_empty_handed[std::size_t(draw(21))];
  play_sound(5, game_text(r.wave));
  post_speech(plat::format(plat::tr(r.line), {goods_name}));
  // The narration is shown beside the loss of satisfaction that follows; that line is read.
  post_message(plat::format(plat::tr(r.narration), {m.name}));

  change_satisfaction(-(m.min_lv + 1 + gs.clerk_lv));
  gs.poor_stock += 1;
  gs.chain = 0;
  finish_service(outcome_no_sale);
}

}  // namespace

void let_customer_in() {
  gs.cur_man = choose_customer();
  const tman& m = current_customer();
  set_customer_picture(m.pic);
  post_colored(TRF("%sが現れた!!", m.name), SJ("pink"));
  gs.want_item = 0;
  gs.alt_item = 0;

  // The wish: an empty slot is drawn again.
  slot_draw d = draw_want_slot(m, [](int goods) { return !is_goods_number(goods); });
  gs.want_item = m.want[std::size_t(d.slot)];
  if (!is_goods_number(gs.want_item) || stock_of(gs.want_item) < 1) {
    // Out of stock: something else from the list that the shop holds.
    d = draw_want_slot(m, [](int goods) { return !is_goods_number(goods) || stock_of(goods) < 1; });
    gs.alt_item = m.want[std::size_t(d.slot)];
  }
  // So many redraws mean nothing the customer wants is on the shelves.
  if (d.redraws > late_draw) {
    leave_empty_handed(m);
    return;
  }

  gs.sel_item = m.want[std::size_t(d.slot)];
  if (gs.alt_item >= 1 && draw(7) == 0) {
    // Taking the substitute with a grumble.
    gs.chain = 0;
    post_speech(plat::format(plat::tr(substitute_thoughts[std::size_t(draw(9))]),
                             {entry_of(gs.want_item).name}));
    change_satisfaction(-(m.min_lv + 1 + gs.clerk_lv / 2));
    gs.poor_stock += draw(2);
  }
  const bool set_b = draw(2) == 0 && !m.req_msg[msg_set_b].empty();
  say_lines_from(m.req_msg, set_b ? msg_set_b : 0, post_speech);

  set_goods_picture(entry_of(gs.sel_item).pic);
  gs.item_card_x = 100;  // the card starts its slide from halfway

  const int wrapping = normal_wrap_for(gs.sel_item);
  const bool flyers =
      gs.flyer_used <= 9 && gs.flyer_kind != -1 && wrapping != 0 && stock_of(wrapping) >= 1;
  if (flyers)
    show_menu(TR("断る"), TR("チラシを入れる"), TR("包む"));
  else
    show_menu(SJ(""), TR("断る"), TR("包む"));
}

}  // namespace game
