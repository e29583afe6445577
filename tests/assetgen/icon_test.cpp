// The game's icon: see-through around the present, solid on it, at every installed size.
#include <gtest/gtest.h>

#include "assets.h"

namespace {

TEST(Icon, SeeThroughAroundSolidOnThePresentAtEverySize) {
  for (int size : ag::icon_sizes()) {
    const ag::Bytes px = ag::icon_rgba(size);
    ASSERT_EQ(px.size(), std::size_t(size * size * 4)) << size;
    auto alpha = [&](int x, int y) { return px[(std::size_t(y) * std::size_t(size) + x) * 4 + 3]; };
    for (int c : {0, size - 1}) {
      EXPECT_EQ(alpha(c, 0), 0) << size << ": a top corner";
      EXPECT_EQ(alpha(c, size / 2), 0) << size << ": the side of the box stands in";
    }
    EXPECT_EQ(alpha(size / 2, size * 7 / 10), 255) << size << ": the middle of the box";
    // Something of every part: the pink paper, the mint ribbon, the gold seal.
    int pink = 0, mint = 0, gold = 0;
    for (std::size_t i = 0; i < px.size(); i += 4) {
      const int r = px[i], g = px[i + 1], b = px[i + 2];
      if (px[i + 3] < 255) continue;
      pink += r > 230 && g < 190 && b > 170;
      mint += g > 200 && r < 200 && b > 170;
      gold += r > 190 && g > 140 && b < 120 && r - b > 110;
    }
    EXPECT_GT(pink, size * size / 20) << size;
    EXPECT_GT(mint, size * size / 50) << size;
    EXPECT_GT(gold, size * size / 200) << size;
  }
  EXPECT_EQ(ag::make_icon_png(48), ag::make_icon_png(48)) << "the same bytes every build";
}

}  // namespace
