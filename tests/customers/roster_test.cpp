// The roster against the cast list: every customer's slots, lists, lines and the dump.
#include "customers/roster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "goods/json_mini.h"
#include "support/sjis_text.h"

namespace game {
namespace {

using sjis_text::u;

struct man_expect {
  int no;
  const char* name;
  const char* pic;
  int min_lv;
  std::vector<int> visit, flyer, want, want_extra;
  int fav, fav2, liked, disliked, gift;
  int req_a, req_b, bye_a, bye_b;
};

// The cast list, one row a customer.
const man_expect cast_rows[] = {
    {0,
     "ロクサン",
     "girl00.bmp",
     0,
     {0, 3, 8, 9},
     {9, 7, 5, 11},
     {33, 19, 18, 2, 70, 318, 332},
     {},
     135,
     195,
     28,
     7,
     151,
     2,
     0,
     2,
     0},
    {1,
     "死美ちゃん",
     "girl01.bmp",
     0,
     {0, 5, 8, 9, 10, 11},
     {6, 4, 0},
     {33, 19, 4, 18, 37, 55, 56, 64, 65},
     {346},
     501,
     129,
     38,
     7,
     152,
     2,
     0,
     2,
     0},
    {2,
     "平堂院エリカ",
     "girl02.bmp",
     1,
     {3, 6},
     {4, 8, 5, 11},
     {22, 12, 23, 52, 54, 73, 310, 328, 329},
     {340, 349},
     115,
     113,
     21,
     13,
     153,
     2,
     0,
     2,
     0},
    {3,
     "花豆",
     "boy00.bmp",
     2,
     {1, 4, 8, 9},
     {3, 6, 0, 11},
     {24, 27, 26, 13, 25, 90, 99, 304, 330},
     {341},
     116,
     108,
     38,
     7,
     162,
     2,
     0,
     2,
     0},
    {4,
     "はりね",
     "girl03.bmp",
     2,
     {1, 3, 10},
     {8, 9, 10, 11},
     {6, 40, 15, 32, 10, 78, 79, 88, 315},
     {326},
     137,
     104,
     35,
     8,
     161,
     2,
     0,
     1,
     0},
    {5,
     "ヒコ゜ピコ゜ヒコ゜クン",
     "boy01.bmp",
     2,
     {1},
     {3, 6, 2, 4, 11},
     {5, 1, 16, 315},
     {},
     111,
     503,
     14,
     23,
     154,
     2,
     0,
     2,
     0},
    {6,
     "ぷん子",
     "girl04.bmp",
     3,
     {0, 3, 9, 10},
     {4, 7, 1, 11},
     {6, 8, 17, 35, 57, 58, 72, 332, 331},
     {339},
     138,
     144,
     20,
     11,
     155,
     2,
     0,
     2,
     0},
    {7,
     "としくん",
     "boy02.bmp",
     3,
     {4},
     {3, 10, 1, 11},
     {21, 14, 20, 36, 63, 59, 330, 348, 300},
     {},
     139,
     141,
     20,
     9,
     156,
     2,
     0,
     2,
     0},
    {8,
     "セブン",
     "seven.bmp",
     4,
     {3, 5, 10},
     {9, 8, 1, 11},
     {7, 12, 54, 53, 15, 73, 89, 332, 335},
     {},
     132,
     115,
     21,
     11,
     157,
     2,
     0,
     2,
     2},
    {9,
     "ツン",
     "tun.bmp",
     4,
     {0, 7, 8},
     {9, 8, 4, 11},
     {11, 20, 28, 27, 311, 312, 318, 333, 330},
     {},
     140,
     195,
     19,
     13,
     158,
     2,
     0,
     2,
     0},
    {10,
     "ムン",
     "mun.bmp",
     5,
     {4, -1, 7, 9},
     {3, 8, 7, 5, 11},
     {25, 44, 21, 36, 66, 323, 324, 326, 339},
     {345, 346},
     192,
     516,
     22,
     19,
     159,
     2,
     2,
     2,
     0},
    {11,
     "怪しい人",
     "wata2.bmp",
     5,
     {6, 3, 10},
     {1, 8, 4, 5, 11},
     {29, 19, 49, 52, 53, 59, 333, 332, 331},
     {340},
     117,
     115,
     18,
     18,
     160,
     1,
     1,
     2,
     3},
    {12,
     "ユカリー",
     "yukari.bmp",
     6,
     {3},
     {7, 8, 4, 5, 11},
     {29, 30, 47, 32, 82, 94, 332, 335, 349},
     {},
     160,
     131,
     24,
     17,
     172,
     2,
     0,
     2,
     0},
    {13,
     "モナト",
     "monato.bmp",
     6,
     {7, 3, 1},
     {4, 0, 11},
     {35, 34, 30, 31, 58, 59, 68, 74, 91},
     {324, 330, 340},
     107,
     504,
     32,
     14,
     169,
     2,
     0,
     1,
     0},
    {14,
     "天伊優香",
     "yuuka.bmp",
     7,
     {4, 3, 6, 8},
     {1, 8, 5, 11},
     {61, 21, 22, 53, 54, 60, 328, 329, 348},
     {350, 351},
     141,
     114,
     13,
     17,
     170,
     2,
     0,
     2,
     0},
    {15,
     "どこかの国の王様",
     "jisrof.bmp",
     8,
     {7},
     {1, 8, 5, 3, 2, 11},
     {11, 31, 38, 75, 98, 314, 338, 342, 346},
     {347},
     120,
     139,
     7,
     38,
     171,
     1,
     0,
     1,
     0},
    {16,
     "ノブヒー",
     "nobuhi.bmp",
     1,
     {2},
     {1, 8, 5, 11},
     {42, 43, 44, 13, 50},
     {},
     112,
     142,
     22,
     11,
     168,
     2,
     2,
     2,
     2},
    {17,
     "バイオン",
     "bione.bmp",
     0,
     {4, 0, 1, 5, 7, 8, 9},
     {2, 3, 6, 11},
     {45, 1, 57, 325, 326, 347},
     {},
     143,
     198,
     20,
     26,
     163,
     1,
     0,
     1,
     0},
    {18,
     "大きくなった・運坊(うんぼう)",
     "unbou2.bmp",
     2,
     {3, 0, 1, 8, 9},
     {2, 7, 9, 11},
     {5, 41, 7, 86, 78, 89, 327},
     {},
     189,
     111,
     26,
     12,
     164,
     1,
     2,
     2,
     2},
    {19,
     "徳次郎",
     "toku.bmp",
     4,
     {5},
     {2, 3, 6, 11},
     {46, 47, 94, 37, 55, 56, 309, 314},
     {},
     126,
     127,
     22,
     17,
     165,
     1,
     0,
     1,
     0},
    {20,
     "リチャード",
     "maichel.bmp",
     2,
     {5, 2, 8},
     {1, 3, 9, 11},
     {24, 46, 48, 37, 50, 65, 67, 66, 323},
     {336, 345},
     145,
     506,
     30,
     14,
     166,
     1,
     0,
     1,
     0},
    {21,
     "ターミン",
     "tam.bmp",
     0,
     {0, 7, 9},
     {1, 4, 5, 11},
     {2, 3, 10, 9, 81, 72, 86, 87, 333},
     {335},
     133,
     188,
     30,
     16,
     167,
     1,
     0,
     1,
     0},
    {22,
     "大きくなった・雲歩狼(うんぽろ)",
     "unporo2.bmp",
     0,
     {1, 2, 10},
     {0, 7, 5, 11},
     {1, 96, 49, 97, 50, 79, 313, 317, 328},
     {348, 350, 351},
     142,
     197,
     26,
     12,
     175,
     2,
     2,
     1,
     2},
    {23,
     "さなちゃん",
     "sanae2.bmp",
     2,
     {3, 2, 8, 9},
     {0, 7, 5, 11},
     {41, 23, 22, 42, 39, 80, 60, 99, 335},
     {344},
     113,
     112,
     30,
     14,
     174,
     1,
     2,
     1,
     2},
    {24,
     "ぶぶこ",
     "bubuko.bmp",
     1,
     {6},
     {0, 8, 5, 10, 11},
     {71, 62, 54, 69, 53, 52, 51, 30, 76},
     {92, 321, 328, 329, 327, 338},
     119,
     501,
     21,
     17,
     173,
     2,
     0,
     2,
     0},
    {25,
     "某国の王子",
     "prince.bmp",
     5,
     {4, 7, 11},
     {0, 8, 5, 3, 6},
     {11, 35, 66, 64, 63, 96, 330, 331, 337},
     {},
     506,
     148,
     27,
     13,
     0,
     2,
     0,
     2,
     0},
    {26,
     "紗智",
     "sachi.bmp",
     1,
     {4},
     {0, 8, 5, 1, 6, 11},
     {21, 87, 90, 59, 53, 85, 328, 329, 332},
     {340, 349},
     504,
     115,
     19,
     13,
     176,
     1,
     1,
     2,
     0},
    {27,
     "ラプソディア",
     "rap.bmp",
     2,
     {5, 11},
     {0, 2, 3},
     {46, 56, 91, 47, 95, 322, 325, 335, 339},
     {343, 351},
     199,
     139,
     21,
     9,
     177,
     2,
     1,
     2,
     2},
    {28,
     "カベイリア",
     "kabe.bmp",
     3,
     {7},
     {4, 2, 1, 11},
     {92, 93, 97, 31, 17, 312, 317, 337, 344},
     {348, 349},
     502,
     501,
     19,
     8,
     178,
     1,
     1,
     2,
     2},
    {29,
     "キミ・ツウシン",
     "kimi.bmp",
     0,
     {1, 11},
     {6, 9, 10},
     {16, 39, 88, 95, 80, 318, 322, 324, 325},
     {334},
     505,
     194,
     30,
     11,
     179,
     1,
     1,
     2,
     1},
    {30,
     "レティシア",
     "retisia.bmp",
     1,
     {10},
     {1, 6, 3, 11},
     {65, 84, 64, 83, 85, 301, 86, 336, 337},
     {344, 350},
     500,
     197,
     25,
     10,
     180,
     1,
     2,
     2,
     1},
    {31,
     "ゴート皇帝",
     "goat.bmp",
     2,
     {6},
     {1, 2, 3, 8, 11},
     {71, 62, 98, 40, 75, 86, 319, 322, 334},
     {337, 342, 345, 347},
     198,
     143,
     20,
     15,
     181,
     1,
     1,
     1,
     1},
    {32,
     "スクリュー智明",
     "fukura.bmp",
     1,
     {2},
     {1, 0, 3, 11},
     {300, 44, 99, 301, 67, 313, 315, 336, 341},
     {},
     197,
     112,
     24,
     11,
     182,
     2,
     1,
     1,
     2},
    {33,
     "紅花",
     "kouka.bmp",
     0,
     {0},
     {6, 9, 11},
     {72, 83, 87, 82, 81, 302, 303, 304},
     {},
     196,
     502,
     25,
     14,
     186,
     2,
     2,
     1,
     2},
    {34,
     "竹田ジョニー",
     "jonny.bmp",
     0,
     {8},
     {6, 3, 9, 11},
     {83, 84, 300, 311, 316, 305, 306, 4, 325},
     {326, 337, 341},
     194,
     507,
     37,
     5,
     183,
     2,
     2,
     1,
     2},
    {35,
     "白川シキ",
     "siki.bmp",
     0,
     {9},
     {1, 3, 10, 11},
     {309, 93, 310, 316, 319, 307, 308, 320, 10},
     {322, 343, 345, 346},
     129,
     512,
     19,
     10,
     184,
     2,
     2,
     1,
     2},
    {36,
     "香月スミレ",
     "boy_sumire.bmp",
     2,
     {6, 7, 10, 5},
     {2, 11},
     {94, 302, 303, 305, 322, 94, 87, 331, 85},
     {57, 333, 334},
     509,
     188,
     25,
     9,
     510,
     1,
     1,
     1,
     1},
    {37,
     "ギャラガ",
     "garaga.bmp",
     2,
     {-1, 11},
     {8},
     {334, 322, 47, 312, 309, 90, 84, 83, 59},
     {54, 1, 339, 344},
     512,
     149,
     21,
     8,
     511,
     2,
     2,
     1,
     1},
    {38,
     "るーこ",
     "luko.bmp",
     0,
     {11},
     {6, 4, 0},
     {348, 347, 346, 343, 341, 308, 307, 89, 352},
     {353, 356, 357, 360, 306, 35},
     196,
     514,
     25,
     7,
     518,
     1,
     1,
     2,
     2},
    {39,
     "Ｃ・ＳＴＥＦ",
     "cstef.bmp",
     0,
     {11},
     {0, 7, 5},
     {351, 350, 349, 97, 340, 321, 86, 83, 328},
     {359, 358, 355, 354, 361, 52},
     142,
     197,
     25,
     12,
     519,
     2,
     0,
     2,
     0},
};

class Roster : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    build_catalogue_at(0);
    build_roster();
  }
};

template <std::size_t N>
std::vector<int> prefix(const std::array<int, N>& a, std::size_t n) {
  return std::vector<int>(a.begin(), a.begin() + n);
}
template <std::size_t N>
int filled(const std::array<int, N>& a) {
  return int(std::count_if(a.begin(), a.end(), [](int v) { return v != 0; }));
}

// Lines of one set: from `from`, slot by slot until the first empty one.
std::vector<std::string> set_lines(const std::array<sjis, msg_slots>& msgs, int from) {
  std::vector<std::string> v;
  for (int i = from; i < msg_slots && !msgs[i].empty(); ++i) v.push_back(u(msgs[i]));
  return v;
}

void expect_sets(const std::array<sjis, msg_slots>& msgs, int a, int b) {
  EXPECT_EQ(int(set_lines(msgs, 0).size()), a);
  EXPECT_EQ(int(set_lines(msgs, msg_set_b).size()), b);
  ASSERT_LE(a, msg_set_b - 1);  // set A ends before set B begins
  for (int i = msg_set_b + b; i < msg_slots; ++i) EXPECT_TRUE(msgs[i].empty()) << i;
}

TEST_F(Roster, EveryCustomerMatchesTheCastList) {
  for (const man_expect& e : cast_rows) {
    SCOPED_TRACE(e.no);
    const tman& m = man[e.no];
    EXPECT_EQ(u(m.name), e.name);
    EXPECT_EQ(u(m.pic), e.pic);
    EXPECT_EQ(m.min_lv, e.min_lv);

    std::vector<int> visit = e.visit;
    visit.resize(10, -1);
    EXPECT_EQ(std::vector<int>(m.visit_image.begin(), m.visit_image.end()), visit);
    std::vector<int> flyer = e.flyer;
    flyer.resize(10, -1);  // an empty slot refuses no design, not design 0
    EXPECT_EQ(std::vector<int>(m.hate_flyer.begin(), m.hate_flyer.end()), flyer);

    std::vector<int> want = e.want;
    want.resize(9, 0);
    EXPECT_EQ(prefix(m.want, 9), want);
    std::vector<int> extra(m.want.begin() + 9, m.want.end());
    std::vector<int> extra_expect = e.want_extra;
    extra_expect.resize(11, 0);
    EXPECT_EQ(extra, extra_expect);

    EXPECT_EQ(m.like_seal[0], e.fav);
    EXPECT_EQ(m.like_seal[1], e.fav2);
    EXPECT_EQ(filled(m.like_seal), e.liked);
    EXPECT_EQ(filled(m.hate_seal), e.disliked);
    EXPECT_EQ(m.gift, e.gift);

    expect_sets(m.req_msg, e.req_a, e.req_b);
    expect_sets(m.bye_msg, e.bye_a, e.bye_b);
    EXPECT_FALSE(m.req_msg[0].empty());
  }
}

TEST_F(Roster, EmptyRecordsComeUnderNoImage) {
  for (int n = 40; n < man_count; ++n) {
    SCOPED_TRACE(n);
    const tman& m = man[n];
    EXPECT_TRUE(m.name.empty());
    EXPECT_TRUE(m.pic.empty());
    for (int v : m.visit_image) EXPECT_EQ(v, -1);
    EXPECT_EQ(filled(m.want) + filled(m.like_seal) + filled(m.hate_seal) + m.min_lv + m.gift, 0);
    EXPECT_TRUE(m.req_msg[0].empty());
  }
}

TEST_F(Roster, GapsKeepTheirSlots) {
  EXPECT_EQ(man[12].like_seal[9], 0);
  EXPECT_NE(man[12].like_seal[8], 0);
  EXPECT_NE(man[12].like_seal[10], 0);
  for (int n : {1, 38}) {
    EXPECT_EQ(man[n].hate_seal[0], 0) << n;
    EXPECT_NE(man[n].hate_seal[1], 0) << n;
  }
  EXPECT_EQ(man[10].visit_image[1], -1);
  EXPECT_EQ(man[37].visit_image[0], -1);
  EXPECT_EQ(man[37].visit_image[1], 11);
  // Lists without gaps hold their seals from slot 0 on, one after another.
  for (int n = 0; n < 40; ++n) {
    if (n == 12) continue;
    const auto& l = man[n].like_seal;
    EXPECT_EQ(filled(l), int(std::find(l.begin(), l.end(), 0) - l.begin())) << n;
  }
}

TEST_F(Roster, FixedSealListsInSlotOrder) {
  EXPECT_EQ(
      prefix(man[0].like_seal, 29),
      (std::vector<int>{135, 195, 101, 102, 103, 109, 146, 147, 148, 149, 122, 131, 137, 196, 110,
                        189, 188, 164, 165, 134, 136, 150, 509, 510, 132, 516, 518, 519, 0}));
  EXPECT_EQ(prefix(man[0].hate_seal, 8), (std::vector<int>{127, 128, 192, 504, 193, 118, 517, 0}));
  EXPECT_EQ(prefix(man[8].like_seal, 22),
            (std::vector<int>{132, 115, 131, 120, 107, 147, 148, 106, 150, 188, 503,
                              158, 160, 163, 171, 176, 508, 512, 104, 518, 519, 0}));
  EXPECT_EQ(prefix(man[8].hate_seal, 12),
            (std::vector<int>{100, 114, 116, 118, 111, 125, 197, 502, 138, 501, 199, 0}));
  EXPECT_EQ(prefix(man[11].like_seal, 19),
            (std::vector<int>{117, 115, 133, 134, 146, 147, 122, 150, 191, 110, 157, 164, 169, 172,
                              184, 106, 515, 518, 0}));
  EXPECT_EQ(prefix(man[11].hate_seal, 19),
            (std::vector<int>{100, 118, 112, 193, 124, 132, 125, 132, 108, 126, 127, 128, 143, 148,
                              508, 198, 514, 517, 0}));
  EXPECT_EQ(prefix(man[15].like_seal, 8), (std::vector<int>{120, 139, 147, 148, 198, 501, 504, 0}));
  for (int i = 0; i < 39; ++i) EXPECT_EQ(man[15].hate_seal[i], i == 7 ? 0 : 100 + i) << i;
  EXPECT_EQ(man[15].hate_seal[39], 0);
}

TEST_F(Roster, QuotedLines) {
  auto lines = [](int n, bool req, int from) {
    return set_lines(req ? man[n].req_msg : man[n].bye_msg, from);
  };
  using v = std::vector<std::string>;
  EXPECT_EQ(lines(0, true, 0), (v{"これ包んでください", "ていねいにおねがいします"}));
  EXPECT_EQ(lines(0, false, 0), (v{"はい、どうも", "さてと、かえろ"}));
  EXPECT_EQ(lines(8, true, 0), (v{"包んでくれ。", "可愛いシールを貼って欲しい。"}));
  EXPECT_EQ(lines(8, false, 0), (v{"ふむ。", "やはりここの店長のセンスはいい…"}));
  EXPECT_EQ(lines(8, false, 5), (v{"ふむ。", "やはり、ここはライバル店として刺激になる…。"}));
  EXPECT_EQ(lines(10, true, 0), (v{"包装しろ！！！！", "包装しないと、ツンを殺すぞ！"}));
  EXPECT_EQ(lines(10, true, 5),
            (v{"チールを貼れ！貼らないと、ツンを…", "フ…、これ以上言わなくても…、わかってるな…"}));
  EXPECT_EQ(lines(10, false, 0), (v{"フン･･･これでいい", "じゃあな"}));
  EXPECT_EQ(lines(11, true, 0), (v{"これつつんで→ｏ"}));
  EXPECT_EQ(lines(11, true, 5), (v{"えっヽ⊂→、これ、＜＋ニ゛さぁしヽｏ"}));
  EXPECT_EQ(lines(11, false, 0), (v{"さ→て帰ろっと☆", "バイバイｖ"}));
  EXPECT_EQ(lines(11, false, 5), (v{"まっ＋ニね→☆", "（よし、バレてない、アタシの変装完璧だわ）",
                                    "（くくっ、ライバル店への偵察だとも気付かずに…ｖ）"}));
  EXPECT_EQ(lines(15, true, 0), (v{"これ・・・包んでくれ・・・"}));
  EXPECT_EQ(lines(15, false, 0), (v{"・・・・・・・"}));
}

TEST_F(Roster, EveryArrivalAsksForWrapping) {
  // Each set of arrival lines asks, one way or another, to have the purchase wrapped.
  for (int n = 0; n < 40; ++n) {
    if (n == 10 || n == 11) continue;  // their second sets ask for a seal, in their own way
    for (int from : {0, msg_set_b}) {
      std::vector<std::string> set = set_lines(man[n].req_msg, from);
      if (set.empty()) continue;
      bool asks = false;
      for (const std::string& line : set)
        for (const char* w : {"包", "つつ", "ツツ"})
          asks = asks || line.find(w) != std::string::npos;
      EXPECT_TRUE(asks) << n << " set at " << from;
    }
  }
}

TEST_F(Roster, EveryLineFitsOneSpeechEntry) {
  // The message log splits speech of 59 bytes or more over two entries; no customer needs that.
  for (int n = 0; n < 40; ++n)
    for (const auto* msgs : {&man[n].req_msg, &man[n].bye_msg})
      for (const sjis& line : *msgs) {
        EXPECT_LE(line.size(), 58u) << n << ": " << u(line);
      }
}

TEST_F(Roster, ReferencesExistInTheCatalogue) {
  auto is_seal = [](int s) {
    return s > 0 && s < 999 && item[s].kind == kind_seal && !item[s].name.empty();
  };
  for (int n = 0; n < 40; ++n) {
    SCOPED_TRACE(n);
    const tman& m = man[n];
    for (int w : m.want)
      if (w) {
        EXPECT_EQ(item[w].kind, kind_goods) << w;
      }
    for (int s : m.like_seal)
      if (s) {
        EXPECT_TRUE(is_seal(s)) << s;
      }
    // The king dislikes 100..138 whole, the empty number 130 included.
    for (int s : m.hate_seal)
      if (s && !(n == 15 && s == 130)) {
        EXPECT_TRUE(is_seal(s)) << s;
      }
    for (int f : m.hate_flyer) EXPECT_TRUE(f == -1 || (f >= 0 && f <= 11)) << f;
    for (int v : m.visit_image) EXPECT_TRUE(v == -1 || (v >= 0 && v <= 11)) << v;
    if (n == 25) {
      EXPECT_EQ(m.gift, 0);  // the prince hands over presents of his own
    } else {
      EXPECT_TRUE(is_seal(m.gift));
      EXPECT_EQ(item[m.gift].chara, 1) << m.gift;
    }
  }
}

TEST_F(Roster, OurSealChoicesHoldTogether) {
  std::set<int> gifts;
  for (int n = 0; n < 40; ++n) {
    SCOPED_TRACE(n);
    const tman& m = man[n];
    if (m.gift) {
      EXPECT_TRUE(gifts.insert(m.gift).second) << "two customers give " << m.gift;
    }
    if (n == 11 || n == 15) continue;  // their lists are fixed as they are
    std::set<int> liked, hated;
    for (int s : m.like_seal)
      if (s) {
        EXPECT_TRUE(liked.insert(s).second) << "liked twice: " << s;
      }
    for (int s : m.hate_seal)
      if (s) {
        EXPECT_TRUE(hated.insert(s).second) << "disliked twice: " << s;
      }
    for (int s : liked) EXPECT_EQ(hated.count(s), 0u) << "both liked and disliked: " << s;
  }
}

TEST_F(Roster, DumpIsWellFormedJson) {
  jsonmini::value doc;
  ASSERT_TRUE(jsonmini::parse(roster_json(), doc));
  ASSERT_EQ(doc.kind, jsonmini::value::object);
  ASSERT_EQ(doc.members.size(), 40u);
  const std::vector<std::pair<std::string, std::size_t>> keys = {
      {"pic", 0},         {"name", 0},         {"req_msg", 50},    {"bye_msg", 50},
      {"want", 20},       {"like_seal", 100},  {"hate_seal", 100}, {"min_lv", 0},
      {"hate_flyer", 10}, {"visit_image", 10}, {"gift", 0}};
  for (const auto& [no, c] : doc.members) {
    ASSERT_EQ(c.members.size(), keys.size()) << no;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      EXPECT_EQ(c.members[i].first, keys[i].first) << no;
      if (keys[i].second) {
        EXPECT_EQ(c.members[i].second.items.size(), keys[i].second) << no;
      }
    }
  }
  const jsonmini::value& mun = doc["10"];
  EXPECT_EQ(mun["name"].str, "ムン");
  EXPECT_EQ(mun["req_msg"].items[5].str, "チールを貼れ！貼らないと、ツンを…");
  EXPECT_EQ(mun["visit_image"].items[1].num, -1);
  EXPECT_EQ(mun["hate_flyer"].items[5].num, -1);
  EXPECT_EQ(mun["gift"].num, 159);
  EXPECT_EQ(doc["25"]["gift"].num, 0);
  EXPECT_EQ(doc["38"]["want"].items[14].num, 35);
  EXPECT_EQ(doc.find("40"), nullptr);
}

}  // namespace
}  // namespace game
