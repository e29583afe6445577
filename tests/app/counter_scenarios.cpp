// A whole working day played through florinet-headless, as a player would: from a progress file
// with stock, Start, the greeting and the morning, then customer after customer served at the
// counter (flyers, the Ex wrapping, seals stuck on and beside the goods, goods handed over
// without a seal) until the closing line. Each arrival is checked against the roster and the
// stock, each payment against the catalogue price and the payment rules, each reaction against
// the customer's seal lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/driver_session.h"
#include "goods/json_mini.h"

namespace {

namespace fs = std::filesystem;
using jsonmini::value;

using driver_test::session;

int num(const value& v, int otherwise = 0) {
  return v.kind == value::number ? int(v.num) : otherwise;
}
// An entry of a long array in the state dump (only its non-zero entries are written).
int at(const value& arr, int i) {
  return num(arr[std::to_string(i)]);
}
bool listed(const value& list, int id) {
  for (const auto& v : list.items)
    if (num(v) == id) return true;
  return false;
}

// What a customer pays for goods of list price p in mode 1 (小学生).
int customer_price(int p) {
  static const int bands[][2] = {{50, 1},  {100, 2},  {150, 3},  {200, 4},  {300, 5},
                                 {500, 6}, {1000, 7}, {2000, 8}, {5000, 9}, {100000, 10}};
  int x = p;
  for (const auto& b : bands)
    if (p >= 0 && p < b[0]) {
      x = p + p / b[1];
      break;
    }
  return x + x / 6;
}

// The progress file: intro seen, level 2, 500 yen, mode 1, flyers of design 0 in hand.
void write_progress(const std::string& path, const std::map<int, int>& stock) {
  std::vector<int> v(2259, 0);
  v[7] = 1;
  for (const auto& [id, n] : stock) v[std::size_t(100 + id)] = n;
  v[1200] = 500;  // money
  v[1204] = 2;    // clerk level
  v[1205] = 3;    // day
  v[1206] = 1;    // save marker
  v[2251] = 0;    // flyer design
  v[2258] = 1;    // mode
  std::ofstream out(path, std::ios::binary);
  for (int x : v) out << x << "\r\n";
}

void play_a_day(int seed) {
  char tmpl[] = "/tmp/florinet-counter-XXXXXX";
  const std::string root = ::mkdtemp(tmpl);
  fs::create_directories(root + "/dat");
  fs::create_directory_symlink(fs::path(FLORINET_GAME_DIR) / "cg", root + "/cg");
  std::map<int, int> stock;
  for (int goods : {33, 19, 18, 2, 70, 4, 37, 55, 56, 64, 65, 45, 1, 57, 3, 10, 9, 81, 72, 83, 82})
    stock[goods] = 2;
  for (int bag = 200; bag <= 211; ++bag) stock[bag] = 3;
  for (int seal : {100, 101, 127, 129, 133, 135, 151, 188, 195, 196, 198, 501, 502, 503})
    stock[seal] = 2;
  stock[506] = 3;  // the save seal
  write_progress(root + "/dat/my.dat", stock);

  session d(root, seed);
  const value roster = d.json("roster");
  const value items = d.json("catalogue")["item"];
  ASSERT_EQ(roster.kind, value::object);
  std::vector<std::string> heard;  // the trace since the customer came in
  auto send = [&](const std::string& c) {
    const auto l = d.send(c);
    heard.insert(heard.end(), l.begin(), l.end());
  };
  // Clicks through the lines until the game offers captions again, or the closing line waits
  // (the day's end, the review and the evening come after it).
  auto settle = [&] {
    value st = d.json("state");
    const auto closing = [&] {
      return std::find(heard.begin(), heard.end(),
                       "msg 0 『あ、時間だ、今日はもう終わりだ・・・』") != heard.end();
    };
    for (int i = 0; i < 60 && num(st["click_state"]) == 0 && !closing(); ++i) {
      send("click 200 100");
      st = d.json("state");
    }
    return st;
  };
  auto caption = [](const value& st, int n) { return st["menu_label"].items[std::size_t(n)].str; };
  auto said = [&](const std::string& text) {
    return std::any_of(heard.begin(), heard.end(), [&](const std::string& l) {
      return l.rfind("msg ", 0) == 0 && l.find(text) != std::string::npos;
    });
  };
  auto sounded = [&](const std::string& s) {
    return std::find(heard.begin(), heard.end(), "sound " + s) != heard.end();
  };

  // Start, the greeting and the morning, up to the first "次".
  send("click 100 100");
  send("click 100 100");
  send("button 3");
  value st = settle();
  for (int i = 0; i < 20 && caption(st, 2) != "次"; ++i) {
    if (caption(st, 2) == "がんばるぞー♪") send("button 3");
    send("tick 1");
    st = settle();
  }
  ASSERT_EQ(caption(st, 2), "次");
  EXPECT_EQ(num(st["day"]), 4) << "the morning after the saved evening";
  EXPECT_EQ(num(st["quota"]), 700);
  const int day_hours = num(st["hours_left"]);
  ASSERT_EQ(day_hours, 10);

  enum { misplaced, neutral, liked, disliked, favourite, second_favourite, character };
  const std::vector<std::vector<std::string>> sounds{{"4 choto.wav", "4 choto2.wav"},
                                                     {},
                                                     {"4 up2.wav"},
                                                     {"4 oe.wav", "4 kirai.wav"},
                                                     {"4 great.wav"},
                                                     {"4 love4.wav"},
                                                     {"4 suki.wav"}};
  const std::vector<std::vector<int>> codes{{0},      {0, 1, 2}, {0, -1}, {2, 1, 0},
                                            {-2, -1}, {-3, -1},  {-2, -1}};
  int served = 0, sealed = 0;
  for (int hour = 0; hour < day_hours; ++hour) {
    heard.clear();
    const value before = d.json("state");
    ASSERT_EQ(num(before["hours_left"]), day_hours - hour);
    send("button 3");  // 次
    st = settle();
    const int man_no = num(st["cur_man"]);
    const value& m = roster[std::to_string(man_no)];
    EXPECT_TRUE(man_no == 0 ||
                (num(m["min_lv"]) <= 2 && listed(m["visit_image"], num(before["shop_image"]))));
    EXPECT_TRUE(said(m["name"].str + "が現れた!!"));
    auto stock_before = [&](int id) { return at(before["stock"], id); };

    if (num(st["hours_left"]) < num(before["hours_left"])) {  // nothing wanted in stock
      for (int slot = 0; slot < 9; ++slot)
        EXPECT_LT(stock_before(num(m["want"].items[std::size_t(slot)])), 1);
      EXPECT_EQ(num(st["poor_stock"]), num(before["poor_stock"]) + 1);
      EXPECT_EQ(num(st["money"]), num(before["money"]));
      continue;
    }
    const int goods = num(st["sel_item"]);
    EXPECT_TRUE(listed(m["want"], goods)) << goods;
    ASSERT_GE(stock_before(goods), 1);
    EXPECT_EQ(num(st["alt_item"]) != 0, stock_before(num(st["want_item"])) == 0);
    const int size = num(items[std::to_string(goods)]["size"]);
    const int bag_normal = 200 + size;
    const int bag_ex = size == 0 ? 208 : size == 1 ? 209 : size == 5 ? 210 : size == 7 ? 211 : 0;
    const bool flyers = num(before["flyer_used"]) <= 9 && stock_before(bag_normal) >= 1;
    EXPECT_EQ(caption(st, 1), flyers ? "チラシを入れる" : "断る");

    // Every fourth customer with the flyer choice gets one (or hands it back).
    if (flyers && hour % 4 == 2) {
      send("button 2");
      st = settle();
      const bool refused = listed(m["hate_flyer"], 0);
      EXPECT_EQ(num(st["flyer_used"]), num(before["flyer_used"]) + (refused ? 0 : 1));
      EXPECT_EQ(said("チラシを返されてしまった"), refused);
      EXPECT_EQ(caption(st, 2), "包む");
    }
    const bool use_ex = hour % 3 == 0 && bag_ex != 0 && stock_before(bag_ex) > 0;
    if (use_ex) send("rbutton 3");
    const int bag = use_ex ? bag_ex : bag_normal;
    send("button 3");  // 包む
    st = settle();
    if (stock_before(bag) == 0) {
      EXPECT_TRUE(said("がもうありません"));
      send("button 2");  // 断る
      st = settle();
      EXPECT_EQ(num(st["money"]), num(before["money"]));
      EXPECT_EQ(at(st["stock"], goods), stock_before(goods));
      continue;
    }
    send("button 3");  // 折る
    int reaction = neutral, seal = 0;
    if (hour % 4 == 1) {
      send("button 2");  // はい終わり
    } else {
      std::vector<int> cells;
      for (const auto& [key, it] : items.members)
        if (num(it["kind"]) == 44)
          cells.insert(cells.end(), std::size_t(std::max(0, at(before["stock"], std::stoi(key)))),
                       std::stoi(key));
      ASSERT_FALSE(cells.empty());
      // The favourite or the second favourite when held, else any seal.
      const int choice = hour % 3 < 2 ? num(m["like_seal"].items[std::size_t(hour % 3)]) : 0;
      int cell = int(std::find(cells.begin(), cells.end(), choice) - cells.begin());
      if (cell == int(cells.size())) cell = (hour * 7) % int(cells.size());
      seal = cells[std::size_t(cell)];
      send("button 3");  // シール
      send("tick 9");
      send("click " + std::to_string(25 + 25 * (cell % 14)) + " " +
           std::to_string(25 + 30 * (cell / 14)));
      EXPECT_EQ(num(d.json("state")["picked_seal"]), seal);
      send("tick 1");
      const bool off = hour % 5 == 4;
      const std::string at_xy = off ? "40 60" : "190 165";
      send("move " + at_xy);
      send("click " + at_xy);
      ++sealed;
      const value& like = m["like_seal"];
      reaction = off                            ? misplaced
                 : seal == num(like.items[1])   ? second_favourite
                 : seal == num(like.items[0])   ? favourite
                 : seal == 129 || seal == 133   ? liked
                 : listed(m["hate_seal"], seal) ? disliked
                 : listed(like, seal)           ? liked
                                                : neutral;
      if (reaction == liked && num(items[std::to_string(seal)]["chara"]) == 1) reaction = character;
    }
    st = settle();
    ++served;

    // The reaction: one of its own sounds, no other reaction's.
    int reaction_sounds = 0;
    for (const auto& list : sounds)
      for (const auto& s : list)
        if (sounded(s)) {
          ++reaction_sounds;
          EXPECT_NE(std::find(sounds[std::size_t(reaction)].begin(),
                              sounds[std::size_t(reaction)].end(), s),
                    sounds[std::size_t(reaction)].end())
              << s << ": customer " << man_no << ", seal " << seal;
        }
    EXPECT_EQ(reaction_sounds, sounds[std::size_t(reaction)].empty() ? 0 : 1);

    // The payment, by the outcome announced.
    int code = 0;
    if (said("チップを大量に")) code = -2;
    if (said("チップを代金に加算")) code = -1;
    if (said("チップを少しだけ")) code = -3;
    if (said("お金を半分しか")) code = 1;
    if (said("お金を払ってくれなかった")) code = 2;
    const auto& allowed = codes[std::size_t(reaction)];
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), code), allowed.end())
        << "code " << code << " after reaction " << reaction << " of customer " << man_no;
    int b = customer_price(num(items[std::to_string(goods)]["price"]));
    if (use_ex && code <= 1) b += b / 2;
    const int paid = code == -2   ? b * 2
                     : code == -1 ? b + b / 2
                     : code == -3 ? b + b / 4
                     : code == 0  ? b
                     : code == 1  ? b - b / 2
                                  : 0;
    const int chain = num(st["chain"]);
    const int bonus = chain >= 2 && paid ? (paid / 10) * (chain - 1) : 0;
    EXPECT_EQ(num(st["money"]) - num(before["money"]), paid + bonus) << "customer " << man_no;
    EXPECT_EQ(num(st["sales_today"]) - num(before["sales_today"]), paid + bonus);

    // One each of the goods, the bag and the seal; gifts announced aside.
    for (const auto& [key, it] : items.members) {
      const int id = std::stoi(key);
      if (said("Item【" + it["name"].str + "】を ")) continue;
      const int used = (id == goods) + (id == bag) + (seal && id == seal);
      EXPECT_EQ(at(st["stock"], id), stock_before(id) - used) << id;
    }
    EXPECT_TRUE(!seal || at(st["collected"], seal) == 1);
  }
  EXPECT_TRUE(said("『あ、時間だ、今日はもう終わりだ・・・』"));
  EXPECT_EQ(num(d.json("state")["hours_left"]), 0);
  EXPECT_GE(served, 4);
  EXPECT_GE(sealed, 2);

  // Through the day's end and the owner's review to the evening shop (a visitor's knock is
  // answered by opening the door).
  for (int i = 0; i < 300 && !d.json("panel")["visible"].b; ++i)
    send(num(d.json("state")["choice_pending"]) == 1 ? "button 3" : "click 200 100");
  ASSERT_TRUE(d.json("panel")["visible"].b);

  // The evening ends at the door: the save seal stuck on it saves, and the next start finds the
  // evening as it was, less the seal.
  heard.clear();
  send("panel close");
  const value evening = settle();
  int save_button = 0;
  for (int n = 0; n < 3; ++n)
    if (caption(evening, n) == "セーブ") save_button = n + 1;
  ASSERT_NE(save_button, 0);
  send("button " + std::to_string(save_button));
  send("tick 2");
  send("move 300 60");
  send("click 300 60");
  settle();
  EXPECT_NE(std::find(heard.begin(), heard.end(), "save"), heard.end());
  EXPECT_TRUE(said("セーブしました...."));
  {
    session again(root, seed);
    const value loaded = again.json("state");
    EXPECT_EQ(num(loaded["money"]), num(evening["money"]));
    EXPECT_EQ(num(loaded["day"]), num(evening["day"]));
    EXPECT_EQ(at(loaded["collected"], 506), 1);
    for (const auto& [key, it] : items.members) {
      const int id = std::stoi(key);
      EXPECT_EQ(at(loaded["stock"], id), at(evening["stock"], id) - (id == 506)) << id;
    }
  }
  std::error_code ec;
  fs::remove_all(root, ec);
}

TEST(CounterDay, AWholeDayCustomerByCustomer) {
  for (int seed : {7, 8, 9}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    play_a_day(seed);
  }
}

}  // namespace
