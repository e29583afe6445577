// The evening shop: the offers drawn in their order, the item panel's lines and details, buying
// and stocking with their sell-out rules, printing, and the panel under the mouse and keys as
// the window routes them. Every click wait is answered by a click beside the panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "goods/stocking.h"
#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"
#include "support/alloc_count.h"

namespace game {
namespace {

std::string u(const sjis& s) {
  return plat::to_utf8(s);
}
sjis sj(const char* utf8) {
  return plat::to_sjis(utf8);
}

std::vector<std::string> traced;
void capture(std::string_view kind, std::string_view text) {
  traced.push_back(std::string(kind) + " " + std::string(text));
}

// Scripted answers of draw(n) (0 once they run out), and every n asked, in order.
std::deque<int> answers;
std::vector<int> asked;
int scripted(int n) {
  asked.push_back(n);
  if (answers.empty()) return 0;
  const int d = answers.front();
  answers.pop_front();
  return d;
}

std::vector<std::string> day_calls;

class Evening : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game_state{};
    hooks = game_hooks{};
    gs.click_state = 1;
    gs.stage_mode = 1;
    gs.flyer_kind = -1;
    set_program_dir(FLORINET_GAME_DIR);
    build_catalogue_at(0);
    build_picture_store();
    install_item_panel();
    hooks.open_first_day = [] { day_calls.push_back("open_first_day"); };
    hooks.end_day = [] { day_calls.push_back("end_day"); };
    hooks.dispatch = [](const sjis& c) { day_calls.push_back("dispatch " + u(c)); };
    hooks.gain_item = [](int id) {
      day_calls.push_back("gain_item " + std::to_string(id));
      gs.stock[std::size_t(id)] += 1;
    };
    host = std::make_unique<plat::HeadlessHost>();
    host->set_handler(&form_events());
    // A waiting script is answered by a click on the picture's last column, beside the panel.
    host->set_feeder([](plat::HeadlessHost& h) {
      h.queue_press(plat::MouseButton::left, 389, 5);
      return true;
    });
    set_host(host.get());
    traced.clear();
    day_calls.clear();
    answers.clear();
    asked.clear();
    set_trace_sink(capture);
    script_draws(scripted);
  }
  void TearDown() override {
    hide_item_box();
    set_trace_sink(nullptr);
    script_draws(nullptr);
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (int i = 0; i < list_count(); ++i) out.push_back(u(list_line(i)));
    return out;
  }
  std::vector<std::string> sounds() const {
    std::vector<std::string> out;
    for (const auto& t : traced)
      if (t.rfind("sound ", 0) == 0) out.push_back(t.substr(6));
    return out;
  }

  std::unique_ptr<plat::HeadlessHost> host;
};

// The panel opened on given offers, as an evening would leave it.
void open_with(const std::vector<int>& buy, const std::vector<int>& goods) {
  gs.buy_list.fill(0);
  gs.goods_list.fill(0);
  for (std::size_t i = 0; i < buy.size(); ++i) gs.buy_list[i] = buy[i];
  for (std::size_t i = 0; i < goods.size(); ++i) gs.goods_list[i] = goods[i];
  set_mode_switch_caption(sj("仕入れモード"));
  show_mode_switch(true);
  set_panel_mode(buy_mode());
  build_list();
  show_item_box();
}

std::vector<int> slots(const std::array<int, 100>& list, int count) {
  return std::vector<int>(list.begin(), list.begin() + count);
}

TEST_F(Evening, OffersAreDrawnInTheirOrderAndOnlyWhenEveryConditionBeforeHolds) {
  // Level 2 with 300 yen on day 3, every draw answered 0: the music; the four level-1 wrappings,
  // the bread bag and the two small Ex wrappings (the level-3 and level-4 ones are not drawn);
  // eleven seals, no draw for a twelfth; five for the dung key ring; 21 goods at 1 in 7.
  gs.clerk_lv = 2;
  gs.money = 300;
  gs.day = 3;
  evening_stocking();
  std::vector<int> want = {7, 2, 2, 2, 2, 3, 3};
  want.insert(want.end(), 11, 4);
  want.push_back(5);
  want.insert(want.end(), 21, 7);
  EXPECT_EQ(asked, want);

  const std::vector<int> buy = slots(gs.buy_list, gs.buy_count);
  ASSERT_EQ(gs.buy_count, 4 + 6 + 11 + 1);
  EXPECT_EQ(std::vector<int>(buy.begin(), buy.begin() + 10),
            (std::vector<int>{200, 201, 202, 203, 204, 206, 205, 207, 208, 209}));
  // The seals: the first eleven in catalogue order under both price limits, then the save seal.
  int expect_seal = 0;
  for (int i = 10; i < 21; ++i) {
    while (!(item[std::size_t(expect_seal)].kind == kind_seal && expect_seal != save_seal &&
             item[std::size_t(expect_seal)].price < 115))
      ++expect_seal;
    EXPECT_EQ(buy[std::size_t(i)], expect_seal++);
  }
  EXPECT_EQ(buy.back(), save_seal);
  const std::vector<int> goods = slots(gs.goods_list, gs.goods_count);
  ASSERT_EQ(goods.size(), 25u);
  EXPECT_EQ(std::vector<int>(goods.begin(), goods.begin() + 5),
            (std::vector<int>{1, 2, 3, find_item(sj("鈴")), 4}));
  EXPECT_EQ(lines().size(), 4u + 6 + 1 + 11 + 1);  // the separator between wrappings and seals
  EXPECT_EQ(u(panel_mode()), "買う");
  EXPECT_TRUE(item_box_visible());
}

TEST_F(Evening, TheHardestStartOffersOnlyCheapThingsAndNoBoxes) {
  // Level 0 with 100 yen: seals under 48 yen, goods under 80, no box, hand-bag or Ex wrapping,
  // and no save seal on day 0.
  gs.money = 100;
  evening_stocking();
  for (int id : slots(gs.buy_list, gs.buy_count)) {
    EXPECT_TRUE(id <= 203 || id == 207 || item[std::size_t(id)].kind == kind_seal) << id;
    if (item[std::size_t(id)].kind == kind_seal) {
      EXPECT_LT(item[std::size_t(id)].price, 48) << id;
    }
    EXPECT_NE(id, save_seal);
  }
  for (int id : slots(gs.goods_list, gs.goods_count)) EXPECT_LT(item[std::size_t(id)].price, 80);
  EXPECT_EQ(asked[1], 2);  // the bread bag is the only wrapping drawn for
  EXPECT_EQ(asked[2], 4);

  // Every draw refused: the four bags and the three fixed goods, nothing else.
  asked.clear();
  answers.assign(400, 1);
  evening_stocking();
  EXPECT_EQ(slots(gs.buy_list, gs.buy_count), (std::vector<int>{200, 201, 202, 203}));
  EXPECT_EQ(slots(gs.goods_list, gs.goods_count), (std::vector<int>{2, 3, find_item(sj("鈴"))}));
  // Only what is offered counts toward the eleven seals and 21 goods: refused draws go on.
  EXPECT_GT(std::count(asked.begin(), asked.end(), 4), 11);
}

TEST_F(Evening, MusicSaveSealAndLimitedGoods) {
  const char* tunes[] = {"shop.mid", "star.mid", "shop3.mid", "shop4.mid",
                         "star.mid", "star.mid", "star.mid"};
  for (int d = 0; d < 7; ++d) {
    traced.clear();
    answers = {d};
    evening_stocking();
    EXPECT_EQ(traced[1], std::string("music ") + tunes[d]) << d;  // after the background
  }
  // The save seal comes every third day, never on day 0.
  for (int day : {0, 1, 2, 3, 4, 6, 9}) {
    gs.day = day;
    evening_stocking();
    const std::vector<int> buy = slots(gs.buy_list, gs.buy_count);
    EXPECT_EQ(std::count(buy.begin(), buy.end(), save_seal), day % 3 == 0 && day != 0) << day;
  }
  // Limited goods only while the shop is known as "アンノウン"; goods held four times are not
  // offered.
  gs.clerk_lv = 9;
  gs.money = 100000;
  for (int n = 4; n < 352; ++n) gs.stock[std::size_t(n)] = 4;
  gs.stock[352] = 4;
  for (int image : {0, 11}) {
    gs.shop_image = image;
    answers.clear();
    evening_stocking();
    bool limited = false;
    for (int id : slots(gs.goods_list, gs.goods_count)) {
      limited |= item[std::size_t(id)].limited == 1;
      EXPECT_NE(id, 352);
    }
    EXPECT_EQ(limited, image == 11);
  }
}

TEST_F(Evening, CountColumnKeepsNamesAlignedAndLinesResolvable) {
  EXPECT_EQ(count_column(0), "   ");
  EXPECT_EQ(count_column(9), " 9 ");
  EXPECT_EQ(count_column(10), "10 ");
  EXPECT_EQ(count_column(99), "99 ");
  EXPECT_EQ(count_column(100), "");
  EXPECT_EQ(count_column(-7), "   ");  // a damaged count keeps the column, and the line found

  gs.stock[200] = 100;
  gs.stock[201] = 9;
  gs.stock[202] = -7;
  open_with({200, 201, 202}, {});
  EXPECT_EQ(lines(), (std::vector<std::string>{"ちっちゃな袋", " 9 小さな袋", "   大きめの袋",
                                               "   ――――――――――"}));
  for (int i = 0; i < 3; ++i) {
    select_line(i);
    EXPECT_EQ(gs.sel_item, 200 + i);
  }
  EXPECT_EQ(u(detail_text()), "大きめの袋\r(所持: -7個)\r\r大きめの\r\r値段:\\ 20円");
}

TEST_F(Evening, SeparatorAndSoldOutLinesSelectNothingToBuy) {
  const int flower = find_item(sj("お花のチール"));
  gs.money = 500;
  gs.stock[0] = 5;  // a damaged count of the empty entry does not disguise the separator
  open_with({200, 998, flower, 999}, {});
  ASSERT_EQ(lines(), (std::vector<std::string>{"   ちっちゃな袋", "    ―sold out―", "   ――――――――――",
                                               "   お花のチール", "    ―sold out―"}));
  select_line(3);
  EXPECT_EQ(gs.sel_item, flower);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"1 key2.wav"}));
  select_line(3);  // the same line again: the details again, no sound
  EXPECT_EQ(sounds().size(), 1u);

  gs.sel_item = 4000;  // set elsewhere out of the catalogue: the action reads nothing
  press_action();
  EXPECT_EQ(gs.money, 500);

  select_line(2);  // the separator
  EXPECT_EQ(gs.sel_item, -1);
  EXPECT_EQ(detail_text(), "");
  press_action();
  EXPECT_EQ(gs.money, 500);

  for (int line : {1, 4}) {
    select_line(line);
    EXPECT_EQ(gs.sel_item, sold_out_item);
    EXPECT_EQ(u(detail_text()), " ―sold out―\r(所持: 0個)\r\rSold Out\r\r値段:\\ 0円");
    traced.clear();
    press_action();
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(gs.money, 500);
  }
}

TEST_F(Evening, SealsAndWrappingsSellOutAtTheirThresholds) {
  const int flower = find_item(sj("お花のチール"));  // 15 yen
  const int price = item[std::size_t(flower)].price;
  struct trial {
    int owned, money;
    std::deque<int> draws;
    std::vector<int> asked;
    bool sold_out;
  };
  const trial trials[] = {
      {3, 100, {0}, {2}, true},    // the fourth unit: 1 in 2
      {3, 100, {1}, {2}, false},   // ... and with a small purse no second chance
      {1, 100, {}, {}, false},     // the second unit with a small purse: not even drawn
      {1, 10000, {0}, {2}, true},  // the second unit when the purse is twenty times the price
      {0, 10000, {}, {}, false},   // the first unit never sells out
      {3, 10000, {1, 0}, {2, 2}, true},
  };
  for (const trial& t : trials) {
    gs.stock[std::size_t(flower)] = t.owned;
    gs.money = t.money;
    open_with({200, flower, flower}, {});
    select_line(2);
    answers = t.draws;
    asked.clear();
    press_action();
    EXPECT_EQ(gs.money, t.money - price);
    EXPECT_EQ(gs.stock[std::size_t(flower)], t.owned + 1);
    EXPECT_EQ(asked, t.asked) << t.owned << " " << t.money;
    EXPECT_EQ(u(list_line(2)) == "    ―sold out―", t.sold_out);
    EXPECT_EQ(gs.sel_item, t.sold_out ? -1 : flower);
    EXPECT_EQ(gs.buy_list[1], t.sold_out ? sold_out_item : flower);  // both slots
    EXPECT_EQ(gs.buy_list[2], t.sold_out ? sold_out_item : flower);
  }
  // Wrappings from the eighth unit on, as a sold-out wrapping.
  for (int owned : {6, 7}) {
    gs.stock[200] = owned;
    gs.money = 100000;
    open_with({200}, {});
    select_line(0);
    asked.clear();
    press_action();
    EXPECT_EQ(asked, owned == 7 ? std::vector<int>{2} : std::vector<int>{});
    EXPECT_EQ(gs.buy_list[0], owned == 7 ? sold_out_wrapping : 200);
  }
}

TEST_F(Evening, GoodsSellOutAtTheirThresholdsAndBundlesCount) {
  const int heart = 2;                                   // "ハートのキーホルダ", 15 yen
  const int reaper = find_item(sj("死神のイヤリング"));  // 300 yen
  struct trial {
    int goods, owned, money;
    std::deque<int> draws;
    std::vector<int> asked;
    bool sold_out;
  };
  const trial trials[] = {
      {heart, 2, 100, {1}, {3}, true},   // the third unit: 2 in 3
      {heart, 2, 100, {0}, {3}, false},  // kept, and the small purse draws no more
      {heart, 2, 1000, {0, 0}, {3, 2}, true}, {heart, 1, 100, {}, {}, false},
      {heart, 1, 1000, {0}, {2}, true},  // the purse twenty times the price
      {reaper, 0, 5000, {}, {}, true},   // 300 yen or more: once an evening
  };
  for (const trial& t : trials) {
    gs.stock[std::size_t(t.goods)] = t.owned;
    gs.money = t.money;
    open_with({}, {t.goods});
    press_mode_switch();  // into the stocking mode
    ASSERT_EQ(u(panel_mode()), "仕入れる");
    select_line(0);
    answers = t.draws;
    asked.clear();
    press_action();
    EXPECT_EQ(gs.money, t.money - item[std::size_t(t.goods)].price);
    EXPECT_EQ(asked, t.asked) << t.goods << " " << t.owned << " " << t.money;
    EXPECT_EQ(gs.goods_list[0], t.sold_out ? sold_out_item : t.goods);
    EXPECT_EQ(u(list_line(0)) == "    ―sold out―", t.sold_out);
  }
  // A bundle adds all its units, and the sell-out counts them.
  item[std::size_t(heart)].bundle = 3;
  gs.stock[std::size_t(heart)] = 0;
  gs.money = 100;
  open_with({}, {heart});
  press_mode_switch();
  select_line(0);
  answers = {1};
  asked.clear();
  press_action();
  item[std::size_t(heart)].bundle = 0;
  EXPECT_EQ(gs.stock[std::size_t(heart)], 3);
  EXPECT_EQ(asked, std::vector<int>{3});
  EXPECT_EQ(gs.goods_list[0], sold_out_item);
}

TEST_F(Evening, WhatThePurseCannotPayIsRefusedAndTheSelectionKept) {
  const int flower = find_item(sj("お花のチール"));
  gs.money = 14;
  gs.stock[std::size_t(flower)] = 1;
  open_with({flower}, {2});
  select_line(1);
  traced.clear();
  press_action();
  EXPECT_EQ(sounds(), (std::vector<std::string>{"1 no.wav"}));
  EXPECT_EQ(gs.money, 14);
  EXPECT_EQ(gs.stock[std::size_t(flower)], 1);
  EXPECT_EQ(gs.sel_item, flower);
  EXPECT_EQ(selected_line(), 1);
  // Exactly the price: bought, down to 0 and never below.
  gs.money = 15;
  press_action();
  EXPECT_EQ(gs.money, 0);
  press_action();
  EXPECT_EQ(gs.money, 0);
  EXPECT_EQ(gs.stock[std::size_t(flower)], 2);
  // A count at the top of the range stays there.
  gs.money = 100;
  gs.stock[std::size_t(flower)] = INT_MAX;
  press_action();
  EXPECT_EQ(gs.stock[std::size_t(flower)], INT_MAX);
}

TEST_F(Evening, PrintModeOffersTheLevelsDesignsButTheShopsOwn) {
  gs.clerk_lv = 2;
  gs.shop_image = 3;
  gs.money = 1000;
  open_print_mode();
  EXPECT_EQ(lines(), (std::vector<std::string>{"ふつうのチラシ", "うんちのチラシ", "デザインチラシ",
                                               "ヤミィなチラシ", "アンノウンチラシ"}));
  EXPECT_FALSE(mode_switch_shown());
  select_line(2);
  EXPECT_EQ(gs.sel_item, 2);
  EXPECT_NE(u(detail_text()).find("印刷費:\\ 450円\r\r<現在のチラシ効果>\rなし"),
            std::string::npos);
  gs.flyer_used = 3;  // a batch being handed out names the shop's image
  select_line(2);
  EXPECT_NE(u(detail_text()).find("ラブリーショップとして認知されているよ☆"), std::string::npos);

  answers = {0};  // the printer's present
  press_action();
  EXPECT_FALSE(item_box_visible());
  EXPECT_EQ(gs.money, 550);
  EXPECT_EQ(gs.flyer_kind, 2);
  EXPECT_EQ(gs.flyer_used, 0);
  EXPECT_EQ(day_calls, (std::vector<std::string>{"gain_item 185", "end_day"}));
  EXPECT_EQ(u(panel_mode()), "買う");
  EXPECT_TRUE(mode_switch_shown());
  std::vector<std::string> said;
  for (const auto& t : traced)
    if (t.rfind("msg 310 ", 0) == 0) said.push_back(t.substr(8));
  EXPECT_EQ(said, (std::vector<std::string>{"おっけ～", "デザインなチラシを印刷したわーよ",
                                            "オマケでこれあげーるよ、うれしーでしょ",
                                            "じゃあまったねーーーん"}));
}

TEST_F(Evening, ClosingThePanelEndsTheEveningOrTheVisit) {
  // The first evening opens day 1.
  open_with({200}, {});
  press_close();
  EXPECT_FALSE(item_box_visible());
  EXPECT_EQ(day_calls, std::vector<std::string>{"open_first_day"});
  EXPECT_EQ(gs.panel_visible, 0);
  EXPECT_NE(std::find(traced.begin(), traced.end(), "music not"), traced.end());

  // Later evenings: home to bed, or the save first while the save seal is held.
  // The line home is typed (draw 0: wave slot 1) and read before the night.
  gs.day = 4;
  day_calls.clear();
  open_with({200}, {});
  traced.clear();
  press_close();
  EXPECT_EQ(day_calls, std::vector<std::string>{"dispatch 帰って寝る"});
  EXPECT_EQ(traced, (std::vector<std::string>{"sound 1 back.wav", "music not", "sound 1 moji.wav",
                                              "msg 0 『さーてと帰って寝よ・・・』", "wait ",
                                              "sound 1 3.wav"}));
  day_calls.clear();
  gs.stock[save_seal] = 1;
  gs.leaving_flag = 1;
  open_with({200}, {});
  press_close();
  EXPECT_TRUE(day_calls.empty());
  EXPECT_EQ(gs.leaving_flag, 0);
  EXPECT_EQ(u(gs.menu_label[1]), "セーブ");
  EXPECT_EQ(u(gs.menu_label[2]), "帰って寝る");

  // The printer's visit ends with the day's end, the panel back in the buy mode.
  day_calls.clear();
  open_print_mode();
  press_close();
  EXPECT_EQ(day_calls, std::vector<std::string>{"end_day"});
  EXPECT_EQ(u(panel_mode()), "買う");
  EXPECT_TRUE(mode_switch_shown());

  // The window closed during that line: no night for a closing game.
  day_calls.clear();
  gs.stock[save_seal] = 0;
  host->set_feeder([](plat::HeadlessHost& h) {
    h.queue_close();
    return true;
  });
  open_with({200}, {});
  press_close();
  EXPECT_TRUE(day_calls.empty());
}

TEST_F(Evening, ThePanelTakesThePointerWheelAndKeysAsTheWindowRoutesThem) {
  gs.clerk_lv = 9;
  gs.money = 100000;
  gs.day = 3;
  evening_stocking();
  press_mode_switch();
  ASSERT_EQ(list_count(), 25);
  plat::HostHandler& window = form_events();

  // A click on the fourth row of the list selects its line; the picture beneath never hears it.
  gs.mouse_x = gs.mouse_y = -1;
  window.on_press(plat::MouseButton::left, 300, 8 + 3 * 14 + 5);
  window.on_release(plat::MouseButton::left, 300, 8 + 3 * 14 + 5);
  EXPECT_EQ(selected_line(), 3);
  EXPECT_EQ(gs.sel_item, gs.goods_list[3]);
  EXPECT_EQ(gs.mouse_x, -1);

  // The wheel scrolls three lines a notch, not past the end; the selection stays where it was.
  window.on_wheel(2, 100, 100);
  EXPECT_EQ(top_line(), 6);
  window.on_wheel(5, 300, 200);
  EXPECT_EQ(top_line(), 7);
  window.on_wheel(-1, 300, 200);
  EXPECT_EQ(top_line(), 4);
  EXPECT_EQ(selected_line(), 3);

  // The keys move the selection and keep it in view.
  window.on_nav_key(plat::NavKey::down);
  EXPECT_EQ(selected_line(), 4);
  EXPECT_EQ(top_line(), 4);
  window.on_nav_key(plat::NavKey::up);
  window.on_nav_key(plat::NavKey::up);
  EXPECT_EQ(selected_line(), 2);
  EXPECT_EQ(top_line(), 2);
  window.on_nav_key(plat::NavKey::end);
  EXPECT_EQ(selected_line(), 24);
  EXPECT_EQ(top_line(), 7);
  EXPECT_EQ(gs.sel_item, gs.goods_list[24]);

  // The scroll bar's thumb dragged to the top, even past the picture's edge.
  window.on_press(plat::MouseButton::left, 382, 250);
  window.on_move(382, 0);
  EXPECT_EQ(top_line(), 0);
  window.on_release(plat::MouseButton::left, 382, 0);
  // A press on the track below the thumb pages down.
  window.on_press(plat::MouseButton::left, 382, 250);
  window.on_release(plat::MouseButton::left, 382, 250);
  EXPECT_EQ(top_line(), 7);

  // The buttons: the mode switch back, then the close button.
  window.on_press(plat::MouseButton::left, 160, 248);
  EXPECT_EQ(u(panel_mode()), "買う");
  window.on_press(plat::MouseButton::left, 50, 248);
  window.on_release(plat::MouseButton::left, 50, 248);
  EXPECT_FALSE(item_box_visible());
  // Once the panel is gone the picture hears the pointer again.
  window.on_move(300, 50);
  EXPECT_EQ(gs.mouse_x, 300);
}

TEST_F(Evening, AFrameWithThePanelShownAllocatesNothing) {
  gs.clerk_lv = 4;
  gs.money = 5000;
  gs.day = 6;
  evening_stocking();
  select_line(5);
  show_menu(sj("About"), sj("System"), sj("Start"));
  // The first frames fill the glyph cache.
  for (int i = 0; i < 20; ++i) {
    advance_tick();
    (void)window_image();
  }
  const plat::Bitmap before = window_image();
  alloc_count::start();
  for (int i = 0; i < 40; ++i) {
    advance_tick();
    (void)window_image();
  }
  EXPECT_EQ(alloc_count::stop(), 0);
  // The panel is what the window shows: its list stands over the picture.
  const plat::Bitmap& now = window_image();
  EXPECT_EQ(now.pixel(300, 250), before.pixel(300, 250));
  EXPECT_NE(now.pixel(300, 250), cg_image().pixel(300, 250));
}

TEST_F(Evening, DetailTextWrapsAtItsBoxWithoutCuttingACharacter) {
  plat::TextStyle st;
  st.point = 9;
  st.bold = true;
  const sjis text =
      sj("明日の準備をしましょう\r\r袋が無いと商品があっても包めません。袋を十分に用意"
         "して、チールも揃えましょう\rThe quick brown fox jumps over the lazy dog");
  text_span spans[40];
  const int n = wrap_text(text, 207, st, spans, 40);
  ASSERT_GT(n, 6);
  std::string joined;
  for (int i = 0; i < n; ++i) {
    const sjis line = text.substr(std::size_t(spans[i].start), std::size_t(spans[i].len));
    EXPECT_LE(plat::Canvas::text_width(line, st), 207) << u(line);
    // Every line is whole characters: it reads back without a broken one.
    EXPECT_EQ(u(line).find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_NE(u(line).rfind("。", 0), 0u) << "a line starts with a full stop";
    EXPECT_NE(u(line).rfind("、", 0), 0u);
    joined += u(line);
  }
  EXPECT_EQ(u(text.substr(0, std::size_t(spans[0].len))), "明日の準備をしましょう");
  // Latin words break at blanks.
  const std::string last = u(text.substr(std::size_t(spans[n - 1].start)));
  EXPECT_TRUE(last == "dog" || last.rfind("the", 0) == 0 || last.rfind("lazy", 0) == 0) << last;
}

}  // namespace
}  // namespace game
