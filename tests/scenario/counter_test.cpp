// The counter, run against the headless host: every click wait is answered by a click on the
// picture, captions are pressed as the player presses them, and the game's draws are answered
// from a script where a rule depends on them.
#include "scenario/counter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "customers/arrival.h"
#include "customers/outcome.h"
#include "customers/roster.h"
#include "effects/effects.h"
#include "goods/catalogue.h"
#include "scenario/install.h"
#include "scenario_test_util.h"
#include "shell/form.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "support/scripted_game.h"
#include "wrapping/reactions.h"
#include "wrapping/seal_box.h"
#include "wrapping/wrapping_stage.h"

namespace game {
namespace {

// Scripted draws: queued answers per n, then a standing answer per n (0 when none is set).
std::map<int, std::deque<int>> queued;
std::map<int, int> standing;
int scripted(int n) {
  auto& q = queued[n];
  int v = standing[n];
  if (!q.empty()) {
    v = q.front();
    q.pop_front();
  }
  return std::clamp(v, 0, n - 1);
}

// Routes presses as the window does: over a choice button to the button, else to the picture.
class router final : public plat::HostHandler {
 public:
  void on_timer() override {}
  void on_press(plat::MouseButton b, int x, int y) override {
    if (int n = button_at(x, y))
      press_button(n, b, x - button_left(), y - button_top(n));
    else
      press_picture(b, x, y);
  }
  void on_move(int x, int y) override { move_picture(x, y); }
  void on_key_enter() override {}
  void on_close_request() override { close_request(); }
};

int saves = 0;
bool save_works = true;
bool fake_save() {
  ++saves;
  return save_works;
}
std::vector<std::string> dispatched;
void fake_dispatch(const plat::sjis& caption) {
  dispatched.push_back(plat::to_utf8(caption));
}

plat::sjis S(const char* utf8) {
  return plat::to_sjis(utf8);
}

constexpr int tarmin = 21;  // ターミン: level 0, comes to the plain shop
constexpr int pen = 10;     // ねこのシャーペン: price 15, size 1 (bag 201, Ex 209)

class Counter : public scripted_game::stage {
 protected:
  Counter() { window = &routes; }
  void SetUp() override {
    stage::SetUp();
    gs.mode = 2;
    gs.flyer_kind = -1;
    build_catalogue_at(0);
    build_roster();
    install_game();
    hooks.play_sound = nullptr;  // traced, not played
    hooks.play_music = nullptr;
    hooks.save_progress = fake_save;
    saves = 0;
    save_works = true;
    set_program_dir(folder.dir());
    std::filesystem::create_directory(folder.dir() + "/cg");
    // The wrapped and folded goods are 40 × 40, as the game's pictures are.
    for (const char* pic : {"fukuro.bmp", "fukuro2.bmp", "s_fukuro0.bmp", "s_fukuro1.bmp"})
      plat::write_bmp_file(folder.dir() + "/cg/" + pic, plat::Bitmap(40, 40, 0x808080));
    build_picture_store();
    dispatched.clear();
    queued.clear();
    standing.clear();
    clear_effects();
    script_draws(scripted);
  }
  void TearDown() override {
    stage::TearDown();
    hooks = game_hooks{};
  }

  // The customer at the counter with the goods on it, offered the wrapping.
  void at_counter(int customer, int goods) {
    gs.cur_man = customer;
    gs.sel_item = goods;
    gs.hours_left = 5;
    show_menu(S(""), S("断る"), S("包む"));
  }
  void press(int n) { press_button(n, plat::MouseButton::left, 66, 14); }
  void rpress(int n) { press_button(n, plat::MouseButton::right, 66, 14); }
  void frames(int n) {
    for (int i = 0; i < n; ++i) advance_tick();
  }
  // Wraps, folds and opens the box; the box slides in.
  void to_seal_box() {
    press(3);  // 包む
    press(3);  // 折る
    press(3);  // シール
    frames(8);
    ASSERT_EQ(gs.seal_box_state, 2);
  }
  // Picks the seal in cell (col, 0) and sticks it at (x, y).
  void stick(int col, int x, int y) {
    press_picture(plat::MouseButton::left, 20 + 25 * col + 5, 25);
    frames(1);
    ASSERT_EQ(gs.seal_box_state, 4);
    move_picture(x, y);
    press_picture(plat::MouseButton::left, x, y);
  }

  bool said(const std::string& line) const {
    for (const auto& m : lines("msg"))
      if (m.find(line) != std::string::npos) return true;
    return false;
  }
  // What the player reads and hears, in order (the click that ends a wait left out).
  std::vector<std::string> scene() const {
    std::vector<std::string> out;
    for (const auto& t : traced) {
      const std::string kind = t.substr(0, t.find(' '));
      if (t == "sound 1 3.wav") continue;
      if (kind == "msg" || kind == "sound" || kind == "picture" || kind == "bg" || kind == "wait" ||
          kind == "choice")
        out.push_back(t);
    }
    return out;
  }
  bool heard(const std::string& sound) const {
    const auto s = lines("sound");
    return std::find(s.begin(), s.end(), sound) != s.end();
  }

  scenario_test::scratch_folder folder;
  router routes;
};

TEST_F(Counter, CustomerDrawFallsBackToRoxanne) {
  gs.stock[pen] = 1;
  // Every draw an empty record: after a hundred draws the fallback customer.
  queued[99] = std::deque<int>(100, 60);
  let_customer_in();
  EXPECT_EQ(gs.cur_man, 0);
  EXPECT_TRUE(queued[99].empty());

  // ターミン accepted at draw number 89 comes herself; at draw number 90 she is ロクサン.
  for (int late : {89, 90}) {
    queued[99] = std::deque<int>(std::size_t(late), 60);
    queued[99].push_back(tarmin);
    let_customer_in();
    EXPECT_EQ(gs.cur_man, late < 90 ? tarmin : 0) << late;
  }
}

TEST_F(Counter, SubstituteWithAGrumbleAndTheEmptyHandedExit) {
  gs.clerk_lv = 3;
  gs.satisfaction = 50;
  gs.chain = 4;
  gs.stock[pen] = 2;
  gs.stock[201] = 1;
  gs.flyer_kind = 2;
  queued[99] = {tarmin};
  queued[9] = {6, 2};  // wishes goods 86 (none held), then takes the pen from slot 2
  queued[7] = {0};     // and grumbles
  standing[2] = 1;     // set A of the lines; poor_stock + 1
  let_customer_in();
  EXPECT_EQ(gs.want_item, 86);
  EXPECT_EQ(gs.alt_item, pen);
  EXPECT_EQ(gs.sel_item, pen);
  EXPECT_EQ(gs.chain, 0);
  EXPECT_EQ(gs.satisfaction, 50 - (0 + 1 + 3 / 2));
  EXPECT_EQ(gs.poor_stock, 1);
  EXPECT_EQ(gs.stock[pen], 2) << "nothing is taken before it is wrapped";
  EXPECT_EQ(lines("menu").back(), "断る|チラシを入れる|包む");
  // Announced without a wait, then her thought, the loss, and her request lines, each read.
  std::vector<std::string> expected{
      "picture 1 " + plat::to_utf8(man[tarmin].pic),
      "sound 5 moji.wav",
      "msg 304 ターミンが現れた!!",
      "msg 310 （本当は【" + plat::to_utf8(item[86].name) + "】が欲しかったんだけどね…）",
      "wait",
      "sound 3 down.wav",
      "sound 5 moji.wav",
      "msg 307 お客の満足度 2DOWN",
      "wait"};
  for (int i = 0; i < 5 && !man[tarmin].req_msg[std::size_t(i)].empty(); ++i) {
    expected.push_back("msg 310 " + plat::to_utf8(man[tarmin].req_msg[std::size_t(i)]));
    expected.push_back("wait");
  }
  expected.push_back("picture 3 " + plat::to_utf8(item[pen].pic));
  EXPECT_EQ(scene(), expected);

  // Nothing she wants on the shelves: she leaves, the sale is lost, an hour goes by.
  traced.clear();
  gs.stock[pen] = 0;
  gs.hours_left = 3;
  gs.chain = 2;
  queued[99] = {tarmin};
  queued[21] = {12};  // "ちぇ、【…】は置いてないらしい…!!"
  let_customer_in();
  // The missed goods: her first wish (every redraw of a want slot answered 0).
  const std::string goods = plat::to_utf8(item[std::size_t(man[tarmin].want[0])].name);
  EXPECT_EQ(scene(),
            (std::vector<std::string>{
                "picture 1 " + plat::to_utf8(man[tarmin].pic), "sound 5 moji.wav",
                "msg 304 ターミンが現れた!!", "sound 5 funn.wav",
                "msg 310 ちぇ、【" + goods + "】は置いてないらしい…!!", "wait", "sound 5 moji.wav",
                "msg 0 ターミンは不満そうに帰っていった", "sound 3 down.wav", "sound 5 moji.wav",
                "msg 307 お客の満足度 4DOWN", "wait", "picture 1 not.bmp"}));
  EXPECT_EQ(gs.satisfaction, 48 - (0 + 1 + 3));
  EXPECT_EQ(gs.poor_stock, 2);
  EXPECT_EQ(gs.chain, 0);
  EXPECT_EQ(gs.hours_left, 2);
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(lines("menu").back(), "||次");
}

TEST_F(Counter, ExToggleChoosesOnlyOnTheLeftPress) {
  gs.stock[pen] = 3;
  gs.stock[201] = 3;
  gs.stock[209] = 3;
  // Goods of size 2 have no Ex material: the right press does nothing at all.
  at_counter(tarmin, 6);
  traced.clear();
  rpress(3);
  EXPECT_TRUE(traced.empty());
  EXPECT_FALSE(ex_wrap_in_stock());

  // Ex, back to normal, then the left press: the normal bag, ex_wrap 0.
  at_counter(tarmin, pen);
  EXPECT_TRUE(ex_wrap_in_stock());
  rpress(3);
  EXPECT_EQ(gs.menu_label[2], S("【Ex】包装"));
  EXPECT_EQ(gs.ex_wrap, 1);
  rpress(3);
  EXPECT_EQ(gs.menu_label[2], S("包む"));
  EXPECT_EQ(gs.ex_wrap, 1) << "unchanged until the left press";
  EXPECT_EQ(lines("effect"), (std::vector<std::string>{"158 285 280", "158 285 280"}));
  press(3);
  EXPECT_EQ(gs.ex_wrap, 0);
  EXPECT_EQ(gs.stock[201], 2);
  EXPECT_EQ(gs.stock[209], 3);

  // Ex and the left press on it: the Ex bag, its picture, and ex_wrap kept for the payment.
  traced.clear();
  at_counter(tarmin, pen);
  rpress(3);
  press(3);
  EXPECT_EQ(gs.stock[209], 2);
  EXPECT_EQ(gs.stock[pen], 1);
  EXPECT_EQ(gs.sold_today[pen], 2);
  EXPECT_EQ(lines("picture"), (std::vector<std::string>{"3 s_fukuro0.bmp"}));
  EXPECT_EQ(gs.ex_wrap, 1);
  press(3);  // 折る
  EXPECT_TRUE(heard("3 s_fukuro1.wav"));
  queued[12] = {0};  // handed over plainly: paid in full, with the Ex tip
  press(2);          // はい終わり
  EXPECT_EQ(gs.ex_wrap, 0);
  EXPECT_EQ(gs.money, (30 + 30 / 2));
}

TEST_F(Counter, TheLastBagIsUsedAndThenMissed) {
  gs.stock[pen] = 2;
  gs.stock[201] = 1;
  at_counter(tarmin, pen);
  press(3);
  EXPECT_TRUE(said("包んだ(小さな袋 残: 0コ)"));
  EXPECT_EQ(lines("menu").back(), "||折る");

  traced.clear();
  at_counter(tarmin, pen);
  press(3);
  EXPECT_TRUE(heard("1 no.wav"));
  EXPECT_EQ(lines("msg"), (std::vector<std::string>{"307 小さな袋がもうありません"}));
  EXPECT_EQ(lines("menu").back(), "|断る|包む");
  EXPECT_EQ(gs.stock[pen], 1);
  EXPECT_EQ(gs.stock[201], 0);
}

TEST_F(Counter, SealListsAreReadInTheirOrder) {
  tman& m = man[tarmin];
  m.like_seal.fill(0);
  m.hate_seal.fill(0);
  m.like_seal[0] = 101;  // favourite, and disliked too
  m.like_seal[1] = 102;
  m.like_seal[2] = 103;
  m.hate_seal[3] = 101;
  m.hate_seal[4] = 129;  // liked by everyone all the same
  m.hate_seal[5] = 103;
  struct probe {
    int seal;
    const char* sound;  // nullptr: neutral, no sound of its own
  };
  for (const probe& p : {probe{101, "4 great.wav"}, probe{129, "4 up2.wav"}, probe{103, "4 oe.wav"},
                         probe{102, "4 love4.wav"}, probe{104, nullptr}}) {
    traced.clear();
    gs.stock[p.seal] = 1;
    gs.stock[pen] = 1;
    gs.stock[201] = 1;
    at_counter(tarmin, pen);
    to_seal_box();
    stick(0, 195, 160);
    EXPECT_EQ(gs.stock[p.seal], 0);
    EXPECT_EQ(gs.collected[p.seal], 1);
    for (const char* s : {"4 great.wav", "4 up2.wav", "4 oe.wav", "4 kirai.wav", "4 love4.wav"})
      EXPECT_EQ(heard(s), p.sound && std::string(p.sound) == s) << p.seal << " " << s;
  }
  // The same seal as favourite and second favourite: the second favourite's reaction.
  m.like_seal[1] = 101;
  traced.clear();
  gs.stock[101] = 1;
  gs.stock[pen] = 1;
  gs.stock[201] = 1;
  at_counter(tarmin, pen);
  to_seal_box();
  stick(0, 195, 160);
  EXPECT_TRUE(heard("4 love4.wav"));
  EXPECT_FALSE(heard("4 great.wav"));
}

TEST_F(Counter, ChainStepsUpToTenWithItsFanfare) {
  gs.chain = 1;
  chain_step();
  EXPECT_EQ(gs.chain, 2);
  EXPECT_TRUE(lines("sound").empty()) << "a chain of two has no sound";
  EXPECT_EQ(lines("effect"), (std::vector<std::string>{"160 245 30"}));

  traced.clear();
  gs.chain = 10;
  queued[50] = {7};
  queued[240] = {100};
  queued[60] = {20};
  chain_step();
  EXPECT_EQ(gs.chain, 10);
  EXPECT_EQ(lines("sound"), (std::vector<std::string>{"5 combo5.wav"}));
  EXPECT_EQ(lines("effect"),
            (std::vector<std::string>{"166 245 35", "166 245 35", "165 245 35", "160 245 30"}));
  // The two bolts strike off the right edge and over the top.
  std::vector<std::pair<int, int>> bolts;
  for (int i = 0; i < effect_slots_used; ++i)
    if (effect_slot(i).kind == 166 && effect_slot(i).age == 1)
      bolts.emplace_back(effect_slot(i).x, effect_slot(i).y);
  EXPECT_EQ(bolts, (std::vector<std::pair<int, int>>{{397, 100}, {100, -50}}));
}

TEST_F(Counter, LeavingLinesRunFromSetAIntoSetBOrStartAtB) {
  tman& m = man[tarmin];
  m.like_seal.fill(0);  // seal 100 leaves her indifferent
  m.hate_seal.fill(0);
  for (auto& l : m.bye_msg) l.clear();
  for (int i = 0; i < 7; ++i) m.bye_msg[std::size_t(i)] = "bye" + std::to_string(i);
  for (int start : {0, 5}) {
    traced.clear();
    gs.stock[100] = 1;
    gs.stock[pen] = 1;
    gs.stock[201] = 1;
    standing[2] = start == 0 ? 1 : 0;
    at_counter(tarmin, pen);
    to_seal_box();
    stick(0, 195, 160);
    std::vector<std::string> byes;
    for (const auto& l : lines("msg"))
      if (l.rfind("310 bye", 0) == 0) byes.push_back(l.substr(7));
    EXPECT_EQ(byes, start == 0 ? (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"})
                               : (std::vector<std::string>{"5", "6"}));
  }
}

TEST_F(Counter, CustomerPricesAndPayments) {
  const int prices[][4] = {// list price, then what is paid in modes 0, 1 and 2
                           {49, 130, 114, 98},
                           {50, 100, 87, 75},
                           {100, 177, 155, 133},
                           {-5, -6, -5, -5}};
  for (const auto& p : prices) {
    for (int mode = 0; mode < 3; ++mode) {
      gs.mode = mode;
      EXPECT_EQ(customer_price(p[0]), p[mode + 1]) << p[0] << " in mode " << mode;
    }
  }

  // Image 11's big tip on top of the Ex tip: ((b + b/2) + (b + b/2)/2) × 2.
  gs.mode = 2;
  gs.shop_image = 11;
  gs.ex_wrap = 1;
  gs.sel_item = 15;  // list price 105: b = 140
  gs.hours_left = 2;
  finish_service(outcome_big_tip);
  EXPECT_EQ(gs.money, ((140 + 70) + (140 + 70) / 2) * 2);
  EXPECT_EQ(gs.ex_wrap, 0);

  // A refusal keeps the Ex wrapping for the next payment.
  gs.money = 0;
  gs.ex_wrap = 1;
  finish_service(outcome_unpaid);
  EXPECT_EQ(gs.ex_wrap, 1);
  EXPECT_EQ(gs.money, 0);
  EXPECT_TRUE(said("お金を払ってくれなかった...."));

  // Half of a price of 7 is paid as 4.
  gs.ex_wrap = 0;
  gs.mode = 1;
  gs.sel_item = 5;
  item[5].price = 3;
  gs.hours_left = 5;
  EXPECT_EQ(customer_price(3), 7);
  finish_service(outcome_half);
  EXPECT_EQ(gs.money, 4);
}

TEST_F(Counter, HandEditedValuesAreRefused) {
  // A customer with no wishes never wants goods number 0, whatever its stock says.
  man[tarmin].want.fill(0);
  gs.stock[0] = 5;
  gs.hours_left = 4;
  queued[99] = {tarmin};
  let_customer_in();
  EXPECT_EQ(gs.stock[0], 5);
  EXPECT_EQ(gs.poor_stock, 1) << "she left empty-handed";
  // Values no play can make: refused, never read outside a table.
  gs.cur_man = -3;
  gs.sel_item = 5000;
  show_menu(S(""), S("断る"), S("包む"));
  rpress(3);
  EXPECT_EQ(gs.menu_label[2], S("包む"));
  finish_service(outcome_paid);
  EXPECT_EQ(gs.money, 0);
  gs.cur_man = 250;
  gs.sel_item = -1;
  show_menu(S(""), S("はい終わり"), S("シール"));
  press(2);
  EXPECT_EQ(gs.hours_left, 1);
}

TEST_F(Counter, PresentsOnlyPickAndStickInTheirStates) {
  // 60 of one seal and 60 of the next: cells past the eighth row never overwrite a visible one.
  gs.stock[100] = 60;
  gs.stock[101] = 60;
  open_seal_box_for_placing();
  EXPECT_EQ(gs.box_count, 120);
  EXPECT_EQ(seal_in_cell(13, 3), 100);
  EXPECT_EQ(seal_in_cell(4, 4), 101);
  EXPECT_EQ(seal_in_cell(13, 7), 101);
  EXPECT_EQ(seal_in_cell(0, 0), 100);

  press_picture(plat::MouseButton::left, 30, 30);  // still sliding in: nothing
  EXPECT_EQ(gs.picked_seal, 0);
  frames(8);
  ASSERT_EQ(gs.seal_box_state, 2);
  press_picture(plat::MouseButton::left, 380, 100);  // the column that is never filled
  EXPECT_EQ(gs.seal_box_state, 2);
  press_picture(plat::MouseButton::left, -1, -1);  // the message label's press: cell (0, 0)
  EXPECT_EQ(gs.picked_seal, 100);
  EXPECT_EQ(gs.seal_box_state, 3);
  press_picture(plat::MouseButton::left, 195, 160);  // state 3: ignored
  EXPECT_EQ(gs.seal_box_state, 3);
  frames(1);
  EXPECT_EQ(gs.seal_box_state, 4);
  EXPECT_GE(gs.box_x, 390) << "the box leaves in one frame";
}

TEST_F(Counter, SaveOnTheDoorUsesTheSealAndGoesToBed) {
  hooks.dispatch = fake_dispatch;
  gs.stock[save_seal] = 2;
  scene_save();
  EXPECT_EQ(gs.leaving_flag, 1);
  EXPECT_EQ(gs.picked_seal, save_seal);
  frames(1);
  ASSERT_EQ(gs.seal_box_state, 4);
  move_picture(300, 40);
  press_picture(plat::MouseButton::left, 300, 40);  // anywhere on the door
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(gs.stock[save_seal], 1);
  EXPECT_EQ(gs.collected[save_seal], 1);
  EXPECT_EQ(gs.leaving_flag, 0);
  EXPECT_TRUE(said("セーブしました...."));
  EXPECT_EQ(dispatched, (std::vector<std::string>{"帰って寝る"}));

  // A save that could not be written is not told as done (the save tells why), and the seal
  // is not lost.
  traced.clear();
  dispatched.clear();
  save_works = false;
  scene_save();
  frames(1);
  press_picture(plat::MouseButton::left, 300, 40);
  EXPECT_EQ(gs.stock[save_seal], 1);
  EXPECT_FALSE(said("セーブしました"));
  EXPECT_FALSE(heard("1 gun.wav"));
  EXPECT_EQ(dispatched, (std::vector<std::string>{"帰って寝る"}));

  // Without a save seal there is nothing to stick: the night follows.
  dispatched.clear();
  gs.stock[save_seal] = 0;
  scene_save();
  EXPECT_EQ(gs.leaving_flag, 0);
  EXPECT_EQ(dispatched, (std::vector<std::string>{"帰って寝る"}));
}

TEST_F(Counter, FlyerHandedBackCostsSatisfactionButNoFlyer) {
  gs.flyer_kind = 1;  // ターミン hands design 1 back
  gs.flyer_used = 3;
  gs.clerk_lv = 4;
  gs.satisfaction = 30;
  gs.chain = 3;
  at_counter(tarmin, pen);
  queued[5] = {3};
  scene_flyer();
  EXPECT_TRUE(said("うんちのを入れた(残: 6枚)"));
  EXPECT_TRUE(said("こんなチラシいらねーんだよ！バチーン！"));
  EXPECT_TRUE(said("チラシを返されてしまった..(残: 7枚)"));
  EXPECT_EQ(gs.flyer_used, 3);
  EXPECT_EQ(gs.satisfaction, 30 - (0 + 2 + 1));
  EXPECT_EQ(gs.bad_service, 1);
  EXPECT_EQ(gs.chain, 0);
  EXPECT_EQ(lines("menu").back(), "||包む");
}

}  // namespace
}  // namespace game
