// The pictures read as a player meets them: every seal told apart from every other in the seal
// box, every customer from every other at the counter, each picture in the house palette and in
// few enough colours to be pixel art, the wrapped presents big on the counter, and white text
// legible over the day's totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets.h"
#include "customers/roster.h"
#include "goods/catalogue.h"
#include "palette.h"
#include "platform/bitmap.h"

namespace fs = std::filesystem;

namespace {

const std::string kGame = FLORINET_GAME_DIR;

plat::Bitmap load(const std::string& name) {
  plat::Bitmap b;
  EXPECT_EQ(plat::read_bmp_file((fs::path(kGame) / "cg" / name).string(), b), plat::BmpError::none)
      << name;
  return b;
}

// ---- the measure ----
// Light as the eye adds it up: linear light, and Oklab for telling colours apart (written here
// afresh, so that the test does not trust the generator's own arithmetic).
double linear(int v) {
  const double s = v / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}
struct Lab {
  double l, a, b;
};
Lab oklab_of_linear(double r, double g, double b) {
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
          1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
          0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

// A picture at a glance: laid on the ground it is shown on (its see-through colour replaced),
// its rows from `top` on, averaged in blocks of `block` x `block` pixels.
std::vector<Lab> glance(const plat::Bitmap& pic, plat::rgb ground, int block, int top = 0) {
  const plat::rgb key = pic.transparent_colour();
  std::vector<Lab> cells;
  for (int y0 = top; y0 < pic.height(); y0 += block)
    for (int x0 = 0; x0 < pic.width(); x0 += block) {
      double r = 0, g = 0, b = 0;
      int n = 0;
      for (int y = y0; y < std::min(y0 + block, pic.height()); y++)
        for (int x = x0; x < std::min(x0 + block, pic.width()); x++) {
          plat::rgb c = pic.pixel(x, y);
          if (c == key) c = ground;
          r += linear(plat::red_of(c)), g += linear(plat::green_of(c)),
              b += linear(plat::blue_of(c));
          n++;
        }
      cells.push_back(oklab_of_linear(r / n, g / n, b / n));
    }
  return cells;
}

// How far apart two pictures look: the mean Oklab difference of their blocks, times 100 (so
// that black against white is 100).
double apart(const std::vector<Lab>& p, const std::vector<Lab>& q) {
  double sum = 0;
  for (std::size_t i = 0; i < p.size(); i++)
    sum += std::sqrt((p[i].l - q[i].l) * (p[i].l - q[i].l) + (p[i].a - q[i].a) * (p[i].a - q[i].a) +
                     (p[i].b - q[i].b) * (p[i].b - q[i].b));
  return 100 * sum / double(p.size());
}

struct Pair {
  double d;
  std::string a, b;
};
std::vector<Pair> closest(const std::map<std::string, std::vector<Lab>>& seen,
                          const std::map<std::string, std::string>& same_one = {}) {
  std::vector<Pair> pairs;
  auto who = [&](const std::string& n) {
    auto it = same_one.find(n);
    return it == same_one.end() ? n : it->second;
  };
  for (auto i = seen.begin(); i != seen.end(); ++i)
    for (auto j = std::next(i); j != seen.end(); ++j)
      if (who(i->first) != who(j->first))
        pairs.push_back({apart(i->second, j->second), i->first, j->first});
  std::sort(pairs.begin(), pairs.end(), [](const Pair& x, const Pair& y) { return x.d < y.d; });
  return pairs;
}

// Seals are shown at their own 22 x 22 in the seal box's pale cells, and a player takes them in
// at a glance: blocks of 2 x 2, 11 x 11 to a seal. A difference confined to a detail of two
// pixels, however strong (black against white), changes at most two blocks by a quarter each:
// 100 x 2 x 0.25 / 121, about 0.4. Telling seals apart by shape and colour means a difference
// over a good part of the seal: the threshold, 5, asks for the difference of a whole ring or
// head of hair in another colour (about a fifth of the seal at a plain change of colour, such
// as pink against sky blue, 25 units). The first drawings, faces shrunk from the portraits,
// came to 1.3 (王子 against エリカ), 2.3 (スミレ against ユカリー), 2.8 (死美 against 紗智),
// 3.0 (ロクサン against バイオン) and 3.4 (のぶひと against 君通信).
constexpr double kSealsApart = 5.0;
const plat::rgb kBoxCell = plat::RGB(255, 238, 244);

// Customers are shown doubled above the counter; at a glance from across the room they are
// blocks of 3 x 3 picture pixels (20 across a customer, as 11 across a seal), on the shop's
// pale wall, without the five rows the game never shows. The threshold, 8, is higher than the
// seals' because a customer is a much larger picture with more room to differ: it asks for
// about a third of the figure (hair, face or clothes) in plainly other colours. The first
// drawings came to 2.7 (ぷん子 against さなちゃん) and 5.8 (エリカ against 王子).
constexpr double kPeopleApart = 8.0;
const plat::rgb kShopWall = plat::RGB(255, 226, 236);

std::string seal_picture(int n) {
  return game::item[std::size_t(n)].pic;
}

}  // namespace

TEST(Likeness, TheMeasureSeesShapeAndColourNotATwoPixelDetail) {
  // a seal against itself with a strong two-pixel detail changed: near, under the threshold
  plat::Bitmap seal = load("seal51.bmp");
  plat::Bitmap touched = seal;
  touched.set_pixel(10, 14, plat::RGB(0, 0, 0));
  touched.set_pixel(11, 14, plat::RGB(255, 255, 255));
  const double detail = apart(glance(seal, kBoxCell, 2), glance(touched, kBoxCell, 2));
  EXPECT_GT(detail, 0);
  EXPECT_LT(detail, 1);
  // and against the same seal with its ring in another colour: far, over it
  plat::Bitmap recoloured = seal;
  for (int y = 0; y < 22; y++)
    for (int x = 0; x < 22; x++) {
      const double r = std::hypot(x + 0.5 - 11, y + 0.5 - 11);
      if (r > 8 && r < 10.2) recoloured.set_pixel(x, y, plat::RGB(90, 106, 160));
    }
  EXPECT_GT(apart(glance(seal, kBoxCell, 2), glance(recoloured, kBoxCell, 2)), kSealsApart);
}

TEST(Likeness, EveryCharacterSealIsToldApartFromEveryOtherInTheBox) {
  // the character seals and every seal that carries a face
  game::build_catalogue_at(0);
  std::map<std::string, std::vector<Lab>> seen;
  for (int n : {132, 147, 501}) seen[seal_picture(n)] = glance(load(seal_picture(n)), kBoxCell, 2);
  for (const auto& it : game::item)
    if (it.kind == game::kind_seal && it.chara == 1)
      seen[it.pic] = glance(load(it.pic), kBoxCell, 2);
  ASSERT_EQ(seen.size(), 43u);
  const auto pairs = closest(seen);
  for (std::size_t i = 0; i < 3; i++)
    std::printf("closest seals: %s %s %.2f\n", pairs[i].a.c_str(), pairs[i].b.c_str(), pairs[i].d);
  for (const Pair& p : pairs)
    EXPECT_GE(p.d, kSealsApart) << p.a << " and " << p.b << " look alike in the seal box";
}

TEST(Likeness, EverySealIsToldApartFromEveryOtherInTheBox) {
  // all 119: the goods seals among themselves and against the faces, the plain and the shiny
  // (キラキラ) seals of one motif too
  game::build_catalogue_at(0);
  std::map<std::string, std::vector<Lab>> seen;
  for (const auto& it : game::item)
    if (it.kind == game::kind_seal && !it.pic.empty())
      seen[it.pic] = glance(load(it.pic), kBoxCell, 2);
  ASSERT_EQ(seen.size(), 119u);
  const auto pairs = closest(seen);
  for (std::size_t i = 0; i < 3; i++)
    std::printf("closest of all seals: %s %s %.2f\n", pairs[i].a.c_str(), pairs[i].b.c_str(),
                pairs[i].d);
  for (const Pair& p : pairs)
    EXPECT_GE(p.d, kSealsApart) << p.a << " and " << p.b << " look alike in the seal box";
}

TEST(Likeness, EveryCustomerAndVisitorIsToldApartFromEveryOther) {
  game::build_roster();
  std::set<std::string> people;
  for (const auto& m : game::man)
    if (!m.pic.empty()) people.insert(m.pic);
  // the visitors and the variants the stories show
  const std::map<std::string, std::string> same_one = {
      {"seven2.bmp", "seven.bmp"},   {"tun2.bmp", "tun.bmp"},       {"yukari2.bmp", "yukari.bmp"},
      {"monato2.bmp", "monato.bmp"}, {"bubuko2.bmp", "bubuko.bmp"}, {"sanae3.bmp", "sanae2.bmp"},
      {"wata.bmp", "wata2.bmp"},     {"dobu.bmp", "girl02.bmp"},
  };
  for (const auto& [variant, one] : same_one) people.insert(variant);
  people.insert("sumiko.bmp");
  std::map<std::string, std::vector<Lab>> seen;
  for (const auto& p : people) seen[p] = glance(load(p), kShopWall, 3, 5);
  ASSERT_GE(seen.size(), 49u);
  const auto pairs = closest(seen, same_one);
  for (std::size_t i = 0; i < 3; i++)
    std::printf("closest people: %s %s %.2f\n", pairs[i].a.c_str(), pairs[i].b.c_str(), pairs[i].d);
  for (const Pair& p : pairs)
    EXPECT_GE(p.d, kPeopleApart) << p.a << " and " << p.b << " look alike at the counter";
}
