// The catalogue against the shop's price list: layout, rows, lookups, wrappings, totals, dump.
#include "goods/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "goods/json_mini.h"
#include "shell/state.h"

namespace game {
namespace {

std::string u(const sjis& s) {
  return plat::to_utf8(s);
}
sjis sj(const char* utf8) {
  return plat::to_sjis(utf8);
}

struct goods_expect {
  int no;
  const char* pic;
  const char* name;
  int price, min_lv, size, limited;
};
struct seal_expect {
  int no;
  const char* pic;
  const char* name;
  int price;  // -1: priced by clerk level
  int chara;
};
struct wrap_expect {
  int no;
  const char* pic;
  const char* name;
  int price;
  const char* info;
};
struct flyer_expect {
  int no;
  const char* name;
  int price, min_lv;
  const char* info;
};

// Rows copied from the shop's price list, a spread across every part of each table.
const goods_expect goods_rows[] = {
    {1, "key01.bmp", "うんちのキーホルダ", 10, 0, 1, 0},
    {2, "key02.bmp", "ハートのキーホルダ", 15, 0, 1, 0},
    {5, "note01.bmp", "うんちノート", 10, 0, 1, 0},
    {6, "doll02.bmp", "グーグーぬいぐるみ", 30, 1, 2, 0},
    {8, "doll04.bmp", "エンエン人形", 35, 2, 2, 0},
    {9, "doll05.bmp", "うさくまぬいぐるみ", 40, 2, 2, 0},
    {15, "cap00.bmp", "グーグーナイトキャップ", 105, 4, 5, 0},
    {17, "stick.bmp", "ビクトリーのお魚ステッキ（占い用）", 28, 1, 1, 0},
    {19, "doll06.bmp", "巨大くまぬいぐるみ", 80, 3, 3, 0},
    {20, "doll07.bmp", "巨大うさくまぬいぐるみ", 80, 4, 3, 0},
    {24, "poster.bmp", "ヴィクトリーヌのポスター", 47, 3, 2, 0},
    {29, "ichigopan.bmp", "苺ちゃんのパン", 25, 1, 7, 0},
    {31, "mayoke.bmp", "まゆみ王子の特製「魔除けのお札」", 2000, 7, 1, 0},
    {38, "nana.bmp", "男の子の人形", 1000, 7, 4, 0},
    {46, "tea.bmp", "可愛い緑茶筒", 120, 3, 7, 0},
    {60, "shut.bmp", "CUTIEカレッジ制服シャツ", 102, 4, 5, 0},
    {67, "poster.bmp", "オランピアのポスター", 38, 2, 2, 0},
    {68, "poster.bmp", "ラプソディアのポスター", 59, 4, 2, 0},
    {75, "croun.bmp", "ヴォマクトクラウン", 3000, 7, 4, 0},
    {76, "tiala.bmp", "ディアナティアラ", 400, 6, 4, 0},
    {78, "yamclean.bmp", "ヤムヤムミニクリーナー", 48, 3, 4, 0},
    {83, "ccp.bmp", "チャッティッド・カード・ポテトチップ", 28, 2, 7, 0},
    {98, "pajama.bmp", "国王のパジャマ", 385, 7, 5, 0},
    {99, "cd04.bmp", "ノブヒーのＣＤ", 70, 5, 1, 0},
    {300, "cd05.bmp", "ＰＬＵＭのＣＤ", 80, 6, 1, 0},
    {303, "suzu.bmp", "鈴", 18, 0, 0, 0},
    {304, "kingyo.bmp", "米研ぎ婆の金魚蜂", 95, 3, 4, 0},
    {314, "luku.bmp", "英雄馬ルクシオンフィギュア", 155, 7, 2, 0},
    {316, "cube.bmp", "ＣＵＢＥ型ルービックキューブ", 555, 7, 4, 0},
    {338, "apple.bmp", "ダイアモンドアップル", 500, 7, 7, 0},
    {341, "steppers.bmp", "STEPPERS STOP･ﾀﾍﾟｽﾄﾘ", 190, 6, 6, 0},
    {345, "excelion.bmp", "エクセリオンプラモデル", 328, 7, 6, 0},
    {346, "excelion.bmp", "ハジメロボ覚醒フィギュア", 700, 8, 6, 0},
    {347, "red.bmp", "レッドソードレプリカ", 900, 9, 6, 0},
    {350, "west.bmp", "ﾋﾞﾝﾀｷﾝｸﾞウェスタンブーツ", 162, 5, 4, 0},
    {351, "ni.bmp", "リボンコーデニーハイ", 122, 5, 5, 0},
    {352, "red.bmp", "レッドソード", 1800, 9, 6, 1},
    {353, "kousui.bmp", "コロン・ハートフルムーン", 166, 8, 0, 1},
    {357, "maousei.bmp", "魔王星球儀", 666, 8, 6, 1},
    {360, "takara2.bmp", "トラップ付宝箱型小物入れ", 150, 6, 4, 1},
    {361, "rip.bmp", "ラブピンクのリップ", 215, 5, 0, 1},
};
const seal_expect seal_rows[] = {
    {100, "seal01.bmp", "うんちのチール", 9, 0},
    {101, "seal02.bmp", "ハートのチール", 25, 0},
    {115, "seal16.bmp", "とっても可愛いピンクチール（超キラキラ）", 500, 0},
    {119, "seal20.bmp", "ダイヤモンドのチール", 1000, 0},
    {120, "seal21.bmp", "ナナチール", 700, 0},
    {129, "seal30.bmp", "ハジメロボのチール", 2000, 0},
    {131, "seal31.bmp", "派手なお花のチール", 500, 0},
    {132, "seal32.bmp", "天長のチール", 15000, 0},
    {145, "seal45.bmp", "00-6435pチール", 305, 0},
    {150, "seal50.bmp", "ゴールデンエッグチール", 15000, 0},
    {151, "seal51.bmp", "ロクサンチール", 15000, 1},
    {154, "seal54.bmp", "ヒコ゜クンチール", 15000, 1},
    {160, "seal60.bmp", "わたチール", 15000, 1},
    {186, "seal86.bmp", "紅花チール", 15000, 1},
    {187, "seal87.bmp", "車のチール", 64, 0},
    {193, "seal93.bmp", "ノミシラミチール", 8, 0},
    {199, "seal99.bmp", "カーズアイチール", 88, 0},
    {500, "seal100.bmp", "ＵＳＡチール", 100, 0},
    {506, "seal106.bmp", "西部チール", -1, 0},
    {509, "seal109.bmp", "菫チール", 33, 0},
    {510, "seal110.bmp", "スミレチール", 15000, 1},
    {511, "seal111.bmp", "ギャラガチール", 15000, 1},
    {512, "seal112.bmp", "核廃棄物チール", 86, 0},
    {517, "seal117.bmp", "狼チール", 15000, 0},
    {518, "seal119.bmp", "るーこチール", 15000, 1},
    {519, "seal118.bmp", "ＣＳＴＥＦチール", 15000, 1},
};
const wrap_expect wrap_rows[] = {
    {200, "fukuro_small2.bmp", "ちっちゃな袋", 10, "ちっちゃいので特注でちょっと高い"},
    {201, "fukuro2.bmp", "小さな袋", 5, "小さいの"},
    {202, "fukuro_mid2.bmp", "大きめの袋", 20, "大きめの"},
    {203, "fukuro_big2.bmp", "特大の袋", 35, "特大の"},
    {204, "hako0.bmp", "箱", 50, "中くらいの箱、水色ハートのまーくいり"},
    {205, "tesage2.bmp", "手さげ袋", 40, "くろっぽい手さげ袋、雨などから衣類を守ります"},
    {206, "hako2.bmp", "大きな箱", 80, "大きな箱、お花の模様入り"},
    {207, "kami2.bmp", "パン袋", 25, "刑事さんご用達の紙袋。パンの絵入り"},
    {208, "s_hako1.bmp", "ピンクの小箱", 45,
     "【Ex包装】この箱目当てで買い物に来る子もいるらしい。"},
    {209, "s_fukuro1.bmp", "キュートな袋", 55,
     "【Ex包装】可愛いでしょぅ～この袋ぉ～、羨ましいでしょぅ～、あーーーげない！"},
    {210, "s_tesage0.bmp", "ラブリーな手さげ袋", 85,
     "【Ex包装】だってこの袋が欲しいーんだもん！この袋にお洋服とかを入れるの！邪魔しないで！！"},
    {211, "s_pan1.bmp", "スイートランチＢＯＸ", 70,
     "【Ex包装】これに入れてピクニックするんだーぁ、一緒に行きたい人この指とーぉまれ♪あれ、誰も行か"
     "ないのぉ～？"},
};
const flyer_expect flyer_rows[] = {
    {0, "ふつうの", 100, 0, "ふつうです、藁半紙に手書きだよ。10枚"},
    {1, "うんちの", 300, 0, "うんちデザインで変さ100%、藁半紙にガラバン印刷というレトロさ!! 10枚"},
    {2, "デザイン", 450, 2,
     "最先端のスタイリッシュデザイン、音楽好きやオタクな子を引きつけるにちがいない、再生紙にプリン"
     "タ印刷 10枚"},
    {3, "ラブリー", 600, 2,
     "ハートやお花が散りばめられたファンシーさ満点のチラシ、猫やうさぎもいるぅよっ!!"
     "、色紙にオフセット印刷 10枚"},
    {4, "ボーイズ", 700, 3,
     "男の子ハートをキャッチしてやまないデザイン、てっぽうの絵が描かれている、上質紙にフルカラー印"
     "刷 10枚"},
    {5, "古風な", 1000, 4,
     "鶴や富士山がのってるよ！！日の丸もねっ、和紙に墨で印刷された和風チラシ 10枚"},
    {6, "高級な", 1500, 5,
     "ラメ加工に、本物のダイヤを散りばめた贅沢なギンギラポスター！最高級上質紙に、特殊加工印刷 "
     "10枚、とても高いやつでやってるの"},
    {7, "摩訶不思議な", 2000, 6,
     "謎のお経や、呪文、魔方陣が描かれた不思議なチラシ、読むだけであらふしぎ、幸せな気分に。魔法紙"
     "に、魔法印刷 10枚"},
    {8, "ボロい", 1000, 5, "汚いチラシ、品揃えの悪さが一目瞭然"},
    {9, "悪徳", 1500, 7, "ヤバげなチラシ、明らかに普通のイメージではない"},
    {10, "ヤミィな", 400, 2,
     "可愛くて美味しそうなチラシ、飴細工でできたキュートでデリシャスなチラシ"},
    {11, "アンノウン", 5000, 2,
     "決して手に入らなかった品物が手に入る奇跡のお店…諦めないで！ミラクルショッピング！！"},
};

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game_state{};
    build_catalogue_at(0);
  }
};

std::vector<int> numbers_of_kind(int kind) {
  std::vector<int> v;
  for (int n = 0; n < item_count; ++n)
    if (!item[n].name.empty() && item[n].kind == kind) v.push_back(n);
  return v;
}

TEST_F(Catalogue, LayoutOfNumbers) {
  std::vector<int> goods = numbers_of_kind(kind_goods);
  std::vector<int> seals = numbers_of_kind(kind_seal);
  std::vector<int> wraps = numbers_of_kind(kind_wrapping);
  EXPECT_EQ(goods.size(), 160u);
  EXPECT_EQ(seals.size(), 120u);  // 119 seals and the stand-in 999
  EXPECT_EQ(wraps.size(), 13u);   // 12 wrappings and the stand-in 998
  for (int n : goods) EXPECT_TRUE((n >= 1 && n <= 99) || (n >= 300 && n <= 361)) << n;
  for (int n : seals)
    EXPECT_TRUE((n >= 100 && n <= 199) || (n >= 500 && n <= 519) || n == 999) << n;
  for (int n : wraps) EXPECT_TRUE((n >= 200 && n <= 211) || n == 998) << n;
  // Every number of the goods and seal ranges is filled but the two holes.
  for (int n = 1; n <= 519; ++n) {
    bool in_range = n <= 211 || (n >= 300 && n <= 361) || n >= 500;
    bool hole = n == 77 || n == 130;
    EXPECT_EQ(!item[n].name.empty(), in_range && !hole) << n;
  }
  for (int n : {0, 77, 130, 212, 299, 362, 499, 520, 997}) {
    EXPECT_TRUE(item[n].name.empty()) << n;
    EXPECT_TRUE(item[n].pic.empty()) << n;
    EXPECT_EQ(item[n].price + item[n].kind + item[n].min_lv + item[n].size, 0) << n;
  }
  for (int n = 520; n < 998; ++n) EXPECT_TRUE(item[n].name.empty()) << n;
}

TEST_F(Catalogue, SoldOutStandIns) {
  for (int n : {sold_out_wrapping, sold_out_item}) {
    EXPECT_EQ(u(item[n].name), " ―sold out―");
    EXPECT_EQ(u(item[n].info), "Sold Out");
    EXPECT_EQ(item[n].price, 0);
    EXPECT_TRUE(item[n].pic.empty());
  }
  EXPECT_EQ(item[998].kind, kind_wrapping);
  EXPECT_EQ(item[999].kind, kind_seal);
}

TEST_F(Catalogue, GoodsRowsMatchThePriceList) {
  for (const goods_expect& e : goods_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = item[e.no];
    EXPECT_EQ(u(t.pic), e.pic);
    EXPECT_EQ(u(t.name), e.name);
    EXPECT_EQ(t.price, e.price);
    EXPECT_EQ(t.min_lv, e.min_lv);
    EXPECT_EQ(t.size, e.size);
    EXPECT_EQ(t.limited, e.limited);
    EXPECT_EQ(t.kind, kind_goods);
    EXPECT_EQ(t.chara, 0);
  }
}

TEST_F(Catalogue, GoodsFieldRanges) {
  int limited = 0;
  for (int n : numbers_of_kind(kind_goods)) {
    SCOPED_TRACE(n);
    const titem& t = item[n];
    EXPECT_GE(t.price, 10);
    EXPECT_LE(t.price, 3000);
    EXPECT_GE(t.min_lv, 0);
    EXPECT_LE(t.min_lv, 9);
    EXPECT_GE(t.size, 0);
    EXPECT_LE(t.size, 7);
    EXPECT_EQ(t.bundle, 0);
    EXPECT_FALSE(t.pic.empty());
    EXPECT_EQ(t.limited, n >= 352 && n <= 361 ? 1 : 0);
    limited += t.limited;
  }
  EXPECT_EQ(limited, 10);
  // The dearest goods is the crown.
  int dearest = 0;
  for (int n : numbers_of_kind(kind_goods))
    if (item[n].price > item[dearest].price) dearest = n;
  EXPECT_EQ(dearest, 75);
}

TEST_F(Catalogue, OnlyTheGiantBearsNeedTheExtraLargeBag) {
  std::vector<int> size3;
  for (int n : numbers_of_kind(kind_goods))
    if (item[n].size == 3) size3.push_back(n);
  EXPECT_EQ(size3, (std::vector<int>{19, 20}));
}

TEST_F(Catalogue, SealRowsMatchThePriceList) {
  for (const seal_expect& e : seal_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = item[e.no];
    EXPECT_EQ(u(t.pic), e.pic);
    EXPECT_EQ(u(t.name), e.name);
    if (e.price >= 0) {
      EXPECT_EQ(t.price, e.price);
    }
    EXPECT_EQ(t.chara, e.chara);
    EXPECT_EQ(t.kind, kind_seal);
    EXPECT_EQ(t.size + t.min_lv + t.limited + t.bundle, 0);
  }
}

TEST_F(Catalogue, SealGroups) {
  int chara = 0, dear = 0;
  for (int n : numbers_of_kind(kind_seal)) {
    if (n == sold_out_item) continue;
    const titem& t = item[n];
    chara += t.chara;
    if (t.price == 15000) ++dear;
    if (t.chara) {
      EXPECT_EQ(t.price, 15000) << n;
      EXPECT_EQ(u(t.info), "キャラチール") << n;
      EXPECT_TRUE((n >= 151 && n <= 186) || n == 510 || n == 511 || n == 518 || n == 519) << n;
    } else {
      EXPECT_NE(u(t.info), "キャラチール") << n;
    }
  }
  EXPECT_EQ(chara, 40);
  EXPECT_EQ(dear, 49);  // the 40 faces and nine others
}

TEST_F(Catalogue, SaveSealPriceFollowsTheClerkLevelAtBuild) {
  EXPECT_EQ(item[save_seal].price, 30);
  build_catalogue_at(9);
  EXPECT_EQ(item[save_seal].price, 75);
  build_catalogue_at(4);
  EXPECT_EQ(item[save_seal].price, 50);
  // The form's build reads the level loaded from the progress file.
  gs.clerk_lv = 2;
  build_catalogue();
  EXPECT_EQ(item[save_seal].price, 40);
  gs.clerk_lv = 7;  // a later level change does not reprice it
  EXPECT_EQ(item[save_seal].price, 40);
}

TEST_F(Catalogue, WrappingsAndFlyersInFull) {
  for (const wrap_expect& e : wrap_rows) {
    SCOPED_TRACE(e.no);
    EXPECT_EQ(u(item[e.no].pic), e.pic);
    EXPECT_EQ(u(item[e.no].name), e.name);
    EXPECT_EQ(item[e.no].price, e.price);
    EXPECT_EQ(u(item[e.no].info), e.info);
    EXPECT_EQ(item[e.no].kind, kind_wrapping);
    EXPECT_EQ(u(item[e.no].info).rfind("【Ex包装】", 0) == 0, e.no >= 208) << e.no;
  }
  for (const flyer_expect& e : flyer_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = tirasi[e.no];
    EXPECT_EQ(u(t.name), e.name);
    EXPECT_EQ(t.price, e.price);
    EXPECT_EQ(t.min_lv, e.min_lv);
    EXPECT_EQ(u(t.info), e.info);
    EXPECT_TRUE(t.pic.empty());
  }
  for (int n = 12; n < flyer_count; ++n) EXPECT_TRUE(tirasi[n].name.empty()) << n;
}

TEST_F(Catalogue, QuotedDescriptions) {
  EXPECT_EQ(u(item[1].info), "うんちの絵入り");
  EXPECT_EQ(u(item[find_item(sj("エンエン人形"))].info),
            "話しかけると声に反応して「え～ん」と泣くよ");
  EXPECT_EQ(u(item[75].info), "凄く高い！！これでもかというほど！！");
  EXPECT_EQ(u(item[303].info), "チリン♪チリン♪");
  EXPECT_EQ(u(item[352].info), "この剣を！！！！");
  EXPECT_EQ(item[347].info, item[352].info);  // the replica shares the sword's picture and words
  EXPECT_EQ(item[347].pic, item[352].pic);
  EXPECT_EQ(u(item[100].info), "うんちの絵入り");
  EXPECT_EQ(u(item[115].info), "世界で一番可愛いシール");
  EXPECT_EQ(
      u(item[506].info),
      "臆病者はここじゃ生きてけねえぜ、毎日がデッドオアアライブ、それがウェスタン男ってやつさ");
}

TEST_F(Catalogue, EveryDescriptionFitsTheItemCard) {
  // The card shows three lines of 22 bytes; most goods fit in two.
  int goods = 0, short_goods = 0;
  for (int n = 1; n < 998; ++n) {
    const titem& t = item[n];
    if (t.name.empty()) continue;
    SCOPED_TRACE(n);
    EXPECT_FALSE(t.info.empty());
    if (t.kind == kind_goods) {
      ++goods;
      EXPECT_LE(t.info.size(), 66u);
      if (t.info.size() <= 44) ++short_goods;
    } else if (t.kind == kind_seal && n != save_seal) {
      EXPECT_LE(t.info.size(), 66u);
    }
  }
  EXPECT_GE(short_goods * 10, goods * 9);
  // Written descriptions say something of their own: no two goods share one but the swords.
  std::map<sjis, int> seen;
  for (int n : numbers_of_kind(kind_goods)) {
    auto [it, fresh] = seen.emplace(item[n].info, n);
    if (!fresh) {
      EXPECT_TRUE(it->second == 347 && n == 352) << n << " repeats " << it->second;
    }
  }
}

TEST_F(Catalogue, NamesAreUniqueButTheStandIns) {
  std::map<sjis, int> seen;
  for (int n = 0; n < item_count; ++n) {
    if (item[n].name.empty()) continue;
    auto [it, fresh] = seen.emplace(item[n].name, n);
    if (!fresh) {
      EXPECT_TRUE(it->second == 998 && n == 999) << n << " repeats " << it->second;
    }
  }
}

TEST_F(Catalogue, LookupByName) {
  for (int n = 1; n < 998; ++n)
    if (!item[n].name.empty()) {
      EXPECT_EQ(find_item(item[n].name), n) << n;
    }
  EXPECT_EQ(find_item(sj(" ―sold out―")), 999);
  EXPECT_EQ(find_item(sj("鈴")), 303);
  EXPECT_EQ(find_item(sj("鈴 ")), 0);  // a trailing blank is another name
  EXPECT_EQ(find_item(sj("―sold out―")), 0);
  EXPECT_EQ(find_item(sj("レッドソ")), 0);  // no prefix matches
  EXPECT_EQ(find_item(sjis{}), 0);
}

TEST_F(Catalogue, WrappingOfEachSize) {
  const int normal[8] = {200, 201, 202, 203, 204, 205, 206, 207};
  const int ex[8] = {208, 209, 0, 0, 0, 210, 0, 211};
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(normal_wrap_of_size(s), normal[s]) << s;
    EXPECT_EQ(ex_wrap_of_size(s), ex[s]) << s;
  }
  for (int s : {-1, 8, 99}) {
    EXPECT_EQ(normal_wrap_of_size(s), 0);
    EXPECT_EQ(ex_wrap_of_size(s), 0);
  }
  EXPECT_EQ(u(item[normal_wrap_of_size(0)].name), "ちっちゃな袋");
  EXPECT_EQ(u(item[ex_wrap_of_size(7)].name), "スイートランチＢＯＸ");
  // By goods number: the bread in its bread bag, the giant bear in the extra-large bag.
  EXPECT_EQ(normal_wrap_for(29), 207);
  EXPECT_EQ(ex_wrap_for(29), 211);
  EXPECT_EQ(normal_wrap_for(19), 203);
  EXPECT_EQ(ex_wrap_for(19), 0);
  EXPECT_EQ(normal_wrap_for(7), 200);
  EXPECT_EQ(ex_wrap_for(7), 208);
  EXPECT_EQ(ex_wrap_for(15), 210);
  EXPECT_EQ(normal_wrap_for(-5), 0);
  EXPECT_EQ(normal_wrap_for(1000), 0);
}

TEST_F(Catalogue, OwnedTotals) {
  EXPECT_EQ(owned_goods_total(), 0);
  EXPECT_EQ(owned_seals_total(), 0);
  gs.stock[1] = 3;
  gs.stock[361] = 2;
  gs.stock[303] = -4;  // a count below one adds nothing
  gs.stock[100] = 5;
  gs.stock[519] = 1;
  gs.stock[201] = 7;  // wrappings are neither
  gs.stock[77] = 9;   // nor are empty numbers
  EXPECT_EQ(owned_goods_total(), 5);
  EXPECT_EQ(owned_seals_total(), 6);
}

TEST_F(Catalogue, ShownRarity) {
  EXPECT_EQ(shown_rarity(75), "300pt.");
  EXPECT_EQ(shown_rarity(1), "1pt.");
  EXPECT_EQ(shown_rarity(100), "0pt.");  // 9 yen
  EXPECT_EQ(shown_rarity(151), "1500pt.");
  EXPECT_EQ(shown_rarity(999), "0pt.");
}

TEST_F(Catalogue, LetterWaitsForEverySeal) {
  EXPECT_FALSE(all_seals_collected());
  for (int n : numbers_of_kind(kind_seal)) gs.collected[n] = 1;
  gs.collected[999] = 0;  // the stand-in can never be stuck on goods
  EXPECT_TRUE(all_seals_collected());
  gs.collected[506] = 0;
  EXPECT_FALSE(all_seals_collected());
  gs.collected[506] = 1;
  gs.collected[519] = 0;
  EXPECT_FALSE(all_seals_collected());
}

std::vector<int> scripted;
std::size_t scripted_at = 0;
int scripted_ceiling = 0;
int scripted_draw(int n) {
  scripted_ceiling = n;
  return scripted[scripted_at++ % scripted.size()];
}

TEST_F(Catalogue, TitleGoodsSkipsAllButGoods) {
  scripted = {0, 77, 100, 200, 998, 506, 352};
  scripted_at = 0;
  EXPECT_EQ(pick_title_goods(scripted_draw), 352);
  EXPECT_EQ(scripted_at, scripted.size());
  EXPECT_EQ(scripted_ceiling, 999);
  scripted = {5};
  scripted_at = 0;
  EXPECT_EQ(pick_title_goods(scripted_draw), 5);
  // Before the catalogue is built there is nothing to show, and no endless draw.
  item.fill(titem{});
  EXPECT_EQ(pick_title_goods(scripted_draw), 0);
}

TEST_F(Catalogue, DumpIsWellFormedJson) {
  jsonmini::value doc;
  ASSERT_TRUE(jsonmini::parse(catalogue_json(), doc));
  ASSERT_EQ(doc.kind, jsonmini::value::object);
  ASSERT_EQ(doc.members.size(), 2u);
  EXPECT_EQ(doc.members[0].first, "item");
  EXPECT_EQ(doc.members[1].first, "tirasi");
  const jsonmini::value& items = doc["item"];
  const jsonmini::value& flyers = doc["tirasi"];
  EXPECT_EQ(items.members.size(), 160u + 119 + 12 + 2);
  EXPECT_EQ(flyers.members.size(), 12u);
  const std::vector<std::string> keys = {"pic",    "name",   "info", "price", "kind",
                                         "bundle", "min_lv", "size", "chara", "limited"};
  for (const auto& [no, e] : items.members) {
    std::vector<std::string> got;
    for (const auto& m : e.members) got.push_back(m.first);
    EXPECT_EQ(got, keys) << no;
  }
  const jsonmini::value& sword = items["352"];
  EXPECT_EQ(sword["name"].str, "レッドソード");
  EXPECT_EQ(sword["pic"].str, "red.bmp");
  EXPECT_EQ(sword["price"].num, 1800);
  EXPECT_EQ(sword["limited"].num, 1);
  EXPECT_EQ(sword["size"].num, 6);
  EXPECT_EQ(items["999"]["name"].str, " ―sold out―");
  EXPECT_EQ(items["341"]["name"].str, "STEPPERS STOP･ﾀﾍﾟｽﾄﾘ");
  EXPECT_EQ(items["510"]["chara"].num, 1);
  EXPECT_EQ(items.find("77"), nullptr);
  EXPECT_EQ(flyers["11"]["price"].num, 5000);
  EXPECT_EQ(flyers["11"]["name"].str, "アンノウン");
}

}  // namespace
}  // namespace game
