// The sales ledger うりあげ帳.txt: seven Shift-JIS lines ended by CR LF, byte for byte.
#include <gtest/gtest.h>

#include "goods/catalogue.h"
#include "scenario/progress.h"
#include "scenario_test_util.h"
#include "shell/state.h"

namespace game {
namespace {

using scenario_test::file_exists;
using scenario_test::read_all;
using scenario_test::scratch_folder;

plat::sjis S(const std::string& utf8) {
  bool ok = false;
  plat::sjis s = plat::to_sjis(utf8, &ok);
  EXPECT_TRUE(ok) << utf8;
  return s;
}

plat::sjis expected_ledger(const std::string& line2, const std::string& line3, int normal,
                           int chara, const std::string& line7) {
  return S("★フロリネット ver1.5\r\n" + line2 + "\r\n" + line3 + "\r\n" +
           "ノーマルチールコレクション: " + std::to_string(normal) + "種類\r\n" +
           "キャラチールコレクション: " + std::to_string(chara) + "種類\r\n" +
           "私の好きなチール:           (←ここには貴方の一番好きなチールを書いてね)\r\n" + line7 +
           "\r\n");
}

class Ledger : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_items = item;
    for (auto& t : item) t = titem{};
    gs = game_state{};
    seal(100, "ハートチール", 0);
    seal(101, "星チール", 0);
    seal(102, "月チール", 0);
    seal(140, "お客さんチール", 1);
    seal(141, "店長チール", 1);
    item[5].name = S("ぬいぐるみ");
    item[5].kind = kind_goods;
    item[130].kind = kind_seal;  // an empty entry of the seal range: no name
  }
  void TearDown() override { item = saved_items; }
  void seal(int id, const std::string& name, int chara) {
    item[id].name = S(name);
    item[id].kind = kind_seal;
    item[id].chara = chara;
  }
  std::array<titem, item_count> saved_items;
};

TEST_F(Ledger, NamesTheModeAndTheBestDays) {
  gs.progress[105] = 7;
  gs.progress[106] = 42;
  gs.best_sales = 15800;
  const std::string line3 = "最高売り上げ: ￥15800円";
  gs.mode = 0;
  EXPECT_EQ(ledger_text(gs),
            expected_ledger("最高レベル: 7 最高日数:42日 (ようちえんモード)", line3, 0, 0, ""));
  gs.mode = 1;
  EXPECT_EQ(ledger_text(gs),
            expected_ledger("最高レベル: 7 最高日数:42日 (小学生モード)", line3, 0, 0, ""));
  gs.mode = 2;
  EXPECT_EQ(ledger_text(gs),
            expected_ledger("最高レベル: 7 最高日数:42日 (大人モード)", line3, 0, 0, ""));
  // Any other mode names nothing, but the space before it stays.
  gs.mode = 3;
  EXPECT_EQ(ledger_text(gs), expected_ledger("最高レベル: 7 最高日数:42日 ", line3, 0, 0, ""));
  gs.mode = -1;
  EXPECT_EQ(ledger_text(gs), expected_ledger("最高レベル: 7 最高日数:42日 ", line3, 0, 0, ""));
}

TEST_F(Ledger, CountsCollectedSealsByTab) {
  gs.collected[100] = 1;
  gs.collected[102] = 3;  // counted: one or more
  gs.collected[101] = 0;
  gs.collected[141] = 1;
  gs.collected[5] = 1;    // goods are no seals
  gs.collected[130] = 1;  // no name: not a seal of the collection
  gs.collected[600] = 1;  // empty entry
  gs.collected[140] = -1;
  EXPECT_EQ(ledger_text(gs), expected_ledger("最高レベル: 0 最高日数:0日 (ようちえんモード)",
                                             "最高売り上げ: ￥0円", 2, 1, ""));
}

TEST_F(Ledger, LastLineShowsTheLetterAndTheClear) {
  const std::string line2 = "最高レベル: 0 最高日数:0日 (ようちえんモード)";
  const std::string line3 = "最高売り上げ: ￥0円";
  gs.progress[3] = 1;
  EXPECT_EQ(ledger_text(gs), expected_ledger(line2, line3, 0, 0, "＜シールマスター＞"));
  gs.progress[4] = 1;
  EXPECT_EQ(ledger_text(gs),
            expected_ledger(line2, line3, 0, 0, "＜シールマスター＞＜クリアしたよ＞"));
  gs.progress[3] = 0;
  EXPECT_EQ(ledger_text(gs), expected_ledger(line2, line3, 0, 0, "＜クリアしたよ＞"));
  gs.progress[4] = 2;
  EXPECT_EQ(ledger_text(gs), expected_ledger(line2, line3, 0, 0, "＜クリアしたよ＞"));
}

TEST_F(Ledger, NegativeNumbersArePlainDecimal) {
  gs.progress[105] = -3;
  gs.progress[106] = -1;
  gs.best_sales = -50;
  gs.mode = 1;
  EXPECT_EQ(ledger_text(gs), expected_ledger("最高レベル: -3 最高日数:-1日 (小学生モード)",
                                             "最高売り上げ: ￥-50円", 0, 0, ""));
}

TEST_F(Ledger, ASaveWritesItBesideTheProgramUnderItsJapaneseName) {
  scratch_folder folder;
  gs.mode = 2;
  gs.progress[3] = 1;
  gs.collected[101] = 1;
  ASSERT_TRUE(save_progress_to(folder.dir()));
  const std::string path = folder.dir() + "/うりあげ帳.txt";
  ASSERT_TRUE(file_exists(path));
  EXPECT_EQ(read_all(path), expected_ledger("最高レベル: 0 最高日数:0日 (大人モード)",
                                            "最高売り上げ: ￥0円", 1, 0, "＜シールマスター＞"));
  // Rewritten whole at the next save.
  gs.progress[3] = 0;
  ASSERT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(path), expected_ledger("最高レベル: 0 最高日数:0日 (大人モード)",
                                            "最高売り上げ: ￥0円", 1, 0, ""));
}

}  // namespace
}  // namespace game
