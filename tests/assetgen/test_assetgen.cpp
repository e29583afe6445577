// The program folder the build writes: every file the game opens is there, loads with the
// game's own readers, keeps the size and see-through rules, and comes out the same every time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "assets.h"
#include "checkers.h"
#include "customers/roster.h"
#include "goods/catalogue.h"
#include "palette.h"
#include "scenario/progress.h"
#include "sound/mixer_internal.h"
#include "sound/profile.h"

namespace fs = std::filesystem;

namespace {

const std::string kGame = FLORINET_GAME_DIR;

std::vector<std::uint8_t> slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pictures the game loads by fixed name (the catalogue and the roster name the others).
const char* const kFixedPictures[] = {
    "00.bmp",           "box.bmp",           "girl00.bmp",      "haikei.bmp",    "key01.bmp",
    "seal01.bmp",       "seal_box.bmp",      "front2.bmp",      "front_mid.bmp", "front3.bmp",
    "chain.bmp",        "not.bmp",           "title.bmp",       "login.bmp",     "title2.bmp",
    "haikei2.bmp",      "haikei_churu.bmp",  "ten.bmp",         "ran.bmp",       "letter.bmp",
    "kokuban.bmp",      "door.bmp",          "night.bmp",       "night2.bmp",    "night3.bmp",
    "night4.bmp",       "yoru.bmp",          "yoru2.bmp",       "goki.bmp",      "asa.bmp",
    "asa2.bmp",         "asa2a.bmp",         "asa3.bmp",        "milk.bmp",      "clear.bmp",
    "sumiko.bmp",       "seven.bmp",         "dobu.bmp",        "seven2.bmp",    "tun2.bmp",
    "wata.bmp",         "yukari2.bmp",       "monato2.bmp",     "sanae3.bmp",    "bubuko2.bmp",
    "fukuro_small.bmp", "fukuro_small2.bmp", "fukuro.bmp",      "fukuro2.bmp",   "fukuro_mid.bmp",
    "fukuro_mid2.bmp",  "fukuro_big.bmp",    "fukuro_big2.bmp", "hako0.bmp",     "hako.bmp",
    "hako1.bmp",        "hako2.bmp",         "tesage.bmp",      "tesage2.bmp",   "kami.bmp",
    "kami2.bmp",        "s_hako1.bmp",       "s_hako0.bmp",     "s_fukuro0.bmp", "s_fukuro1.bmp",
    "s_tesage1.bmp",    "s_tesage0.bmp",     "s_pan0.bmp",      "s_pan1.bmp",    "coin.bmp",
    "btn_action.bmp",   "btn_close.bmp",     "btn_mode.bmp"};

const char* const kWaves[] = {
    "1.wav",         "3.wav",        "4.wav",       "a-a.wav",      "aa.wav",
    "aha.wav",       "are.wav",      "back.wav",    "bad.wav",      "big.wav",
    "box.wav",       "buy.wav",      "choto.wav",   "choto2.wav",   "coin.wav",
    "combo3.wav",    "combo4.wav",   "combo5.wav",  "combo6.wav",   "cong.wav",
    "dan.wav",       "dasai.wav",    "don.wav",     "door.wav",     "dorobou.wav",
    "down.wav",      "draw.wav",     "e.wav",       "eto.wav",      "ex_fukuro.wav",
    "exp.wav",       "fun.wav",      "funn.wav",    "gameover.wav", "great.wav",
    "gun.wav",       "haa.wav",      "hako2.wav",   "hako3.wav",    "hako4.wav",
    "hit.wav",       "ii.wav",       "iranai.wav",  "item.wav",     "kami.wav",
    "kami2.wav",     "kaminari.wav", "kangae.wav",  "katan.wav",    "key.wav",
    "key2.wav",      "kimi.wav",     "kira.wav",    "kirai.wav",    "koke.wav",
    "konna.wav",     "kora.wav",     "love4.wav",   "lvup.wav",     "milk.wav",
    "mis.wav",       "mis2.wav",     "mo.wav",      "moji.wav",     "mu.wav",
    "naino.wav",     "nainoka.wav",  "naizo.wav",   "naki.wav",     "naki2.wav",
    "naki3.wav",     "naki4.wav",    "nene.wav",    "night.wav",    "no.wav",
    "nock.wav",      "oe.wav",       "oha.wav",     "paper.wav",    "paper2.wav",
    "pen.wav",       "pi.wav",       "point.wav",   "ran.wav",      "s_fukuro0.wav",
    "s_fukuro1.wav", "s_hako0.wav",  "s_hako1.wav", "save.wav",     "sealwa.wav",
    "set.wav",       "shift.wav",    "small.wav",   "small2.wav",   "start.wav",
    "start2.wav",    "start3.wav",   "suki.wav",    "takara.wav",   "tesage.wav",
    "tesage2.wav",   "tirasi.wav",   "up2.wav",     "white.wav",    "white0.wav",
    "wolf.wav",      "yame.wav",     "yosi.wav"};

const char* const kTunes[] = {"col.mid",   "shop.mid", "shop3.mid",
                              "shop4.mid", "star.mid", "star2.mid"};

std::set<std::string> every_picture_name() {
  std::set<std::string> s(std::begin(kFixedPictures), std::end(kFixedPictures));
  for (int n = 2; n <= 10; n++) s.insert(std::to_string(n) + "chain.bmp");
  for (int n = 0; n <= 11; n++) s.insert("tirasi" + std::to_string(n) + ".bmp");
  game::build_catalogue_at(0);
  game::build_roster();
  for (auto& it : game::item)
    if (!it.pic.empty()) s.insert(it.pic);
  for (auto& m : game::man)
    if (!m.pic.empty()) s.insert(m.pic);
  return s;
}

plat::Bitmap load_picture(const std::string& name) {
  plat::Bitmap b;
  EXPECT_EQ(plat::read_bmp_file((fs::path(kGame) / "cg" / name).string(), b), plat::BmpError::none)
      << name;
  return b;
}

}  // namespace

// ---- names ----

TEST(AssetNames, EveryPictureTheGameLoadsIsInTheFolderAndReads) {
  auto names = every_picture_name();
  EXPECT_GE(names.size(), 390u);
  for (auto& n : names) {
    plat::Bitmap b = load_picture(n);
    EXPECT_FALSE(b.empty()) << n;
  }
  // and the generator knows exactly those (no stray pictures)
  auto made = ag::picture_names();
  EXPECT_EQ(std::set<std::string>(made.begin(), made.end()), names);
}

TEST(AssetNames, EverySoundAndTuneIsInTheFolder) {
  for (auto* w : kWaves) EXPECT_TRUE(fs::exists(fs::path(kGame) / "dat" / w)) << w;
  for (auto* t : kTunes) EXPECT_TRUE(fs::exists(fs::path(kGame) / "dat" / t)) << t;
  auto waves = ag::wave_names();
  EXPECT_EQ(std::set<std::string>(waves.begin(), waves.end()),
            std::set<std::string>(std::begin(kWaves), std::end(kWaves)));
  EXPECT_TRUE(fs::exists(fs::path(kGame) / "MIXER.INI"));
}

// ---- pictures: sizes and see-through rules ----

TEST(AssetPictures, BackgroundsHoldTheirSceneInTheTopLeft) {
  for (const char* n :
       {"title.bmp", "login.bmp", "title2.bmp", "haikei.bmp", "haikei2.bmp", "haikei_churu.bmp",
        "ten.bmp", "ran.bmp", "letter.bmp", "kokuban.bmp", "door.bmp", "night.bmp", "night4.bmp",
        "yoru2.bmp", "asa.bmp", "asa2a.bmp", "milk.bmp", "clear.bmp"}) {
    plat::Bitmap b = load_picture(n);
    EXPECT_GE(b.width(), 195) << n;
    EXPECT_GE(b.height(), 130) << n;
    // the scene fills the area shown: no pure-black hole of a missing drawing in it
    int black = 0;
    for (int y = 0; y < 130; y++)
      for (int x = 0; x < 195; x++) black += b.pixel(x, y) == 0;
    EXPECT_LT(black, 195 * 130 / 20) << n;
  }
  plat::Bitmap start = load_picture("00.bmp");
  EXPECT_EQ(start.width(), 390);
  EXPECT_EQ(start.height(), 260);
}

TEST(AssetPictures, LayerPicturesAreSeeThroughOnTheirBottomLeftColourAndShowSomething) {
  for (auto& n : every_picture_name()) {
    if (n == "not.bmp" || ag::picture_kind(n) != ag::PicKind::layer) continue;
    plat::Bitmap b = load_picture(n);
    plat::rgb key = b.transparent_colour();
    EXPECT_EQ(key, ag::layer_key) << n;
    int shown = 0, corners = 0;
    for (int y = 0; y < b.height(); y++)
      for (int x = 0; x < b.width(); x++) shown += b.pixel(x, y) != key;
    for (auto [x, y] : {std::pair{0, 0}, {b.width() - 1, 0}, {0, b.height() - 1}})
      corners += b.pixel(x, y) == key;
    EXPECT_GT(shown, b.width() * b.height() / 8) << n;
    EXPECT_LT(shown, b.width() * b.height()) << n;
    EXPECT_GE(corners, 2) << n << ": a layer picture sits on its key colour";
  }
  // the empty picture blanks a layer: nothing but its key colour
  plat::Bitmap empty = load_picture("not.bmp");
  for (int y = 0; y < empty.height(); y++)
    for (int x = 0; x < empty.width(); x++)
      EXPECT_EQ(empty.pixel(x, y), empty.transparent_colour());
}

TEST(AssetPictures, SizesFitHowTheGameDrawsThem) {
  game::build_catalogue_at(0);
  for (auto& it : game::item) {
    if (it.pic.empty()) continue;
    plat::Bitmap b = load_picture(it.pic);
    if (it.kind == game::kind_seal) {
      // own size in a 25 x 30 cell, double size in the hand (a 2w square)
      EXPECT_LE(b.width(), 25) << it.pic;
      EXPECT_LE(b.height(), 30) << it.pic;
      EXPECT_EQ(b.width(), b.height()) << it.pic;
      EXPECT_GE(b.width(), 16) << it.pic;
    } else {
      // goods and wrappings: drawn as a 2w square centred at (195, 160)
      EXPECT_EQ(b.width(), b.height()) << it.pic;
      EXPECT_GE(b.width(), 24) << it.pic;
      EXPECT_LE(b.width(), 40) << it.pic;
    }
  }
  game::build_roster();
  for (auto& m : game::man) {
    if (m.pic.empty()) continue;
    plat::Bitmap b = load_picture(m.pic);
    // stretched into 2w x 150 centred on x 195: about 45-70 wide, 75 high keeps it undistorted
    EXPECT_GE(b.width(), 45) << m.pic;
    EXPECT_LE(b.width(), 70) << m.pic;
    EXPECT_EQ(b.height(), 75) << m.pic;
  }
  for (int n = 0; n <= 11; n++) {
    plat::Bitmap b = load_picture("tirasi" + std::to_string(n) + ".bmp");
    EXPECT_EQ(b.width(), b.height());
  }
  for (int n = 2; n <= 10; n++) {
    plat::Bitmap b = load_picture(std::to_string(n) + "chain.bmp");
    EXPECT_EQ(b.width(), 22);
    EXPECT_EQ(b.height(), 16);
  }
  plat::Bitmap word = load_picture("chain.bmp");
  EXPECT_EQ(word.width(), 52);
  EXPECT_EQ(word.height(), 18);
  plat::Bitmap counter = load_picture("front2.bmp");
  EXPECT_EQ(counter.width(), 390);
  EXPECT_GE(counter.height(), 120);  // covers y 140..260
  plat::Bitmap sb = load_picture("seal_box.bmp");
  EXPECT_EQ(sb.width(), 390);
  EXPECT_EQ(sb.height(), 260);
}

TEST(AssetPictures, MaskedPicturesUsePureBlackAsSeeThroughAndFrameTheCounter) {
  for (const char* n : {"box.bmp", "front_mid.bmp", "front3.bmp"}) {
    plat::Bitmap b = load_picture(n);
    plat::Bitmap mask = plat::make_mask(b, 0);
    int clear = 0;
    for (int y = 0; y < b.height(); y++)
      for (int x = 0; x < b.width(); x++) clear += mask.pixel(x, y) == 0xFFFFFF;
    EXPECT_GT(clear, 0) << n;
    EXPECT_LT(clear, b.width() * b.height()) << n;
  }
  // front_mid at (0, 90) and front3 at (260, 0) stay beside the customer (x 195 +- 70) and reach
  // the counter top at y 140
  plat::Bitmap mid = load_picture("front_mid.bmp"), right = load_picture("front3.bmp");
  EXPECT_GE(90 + mid.height(), 140);
  EXPECT_GE(right.height(), 140);
  plat::Bitmap plate = load_picture("box.bmp");
  EXPECT_GE(plate.width(), 140);  // under a 133 x 29 button drawn 7 left of it
  EXPECT_GE(plate.height(), 14 + 29);
  // the plate's own area under the caption is drawn, not see-through
  EXPECT_NE(plate.pixel(60, 28), 0u);
}

TEST(AssetPictures, CustomersClearTheRowsTheGameNeverShows) {
  // A customer is stretched into (195 - w, -10)..(195 + w, 140): the picture's top five rows lie
  // above the surface, so nothing of a customer or visitor (crowns, antennae, hats) may be there.
  int people = 0;
  for (auto& n : every_picture_name()) {
    plat::Bitmap b = load_picture(n);
    if (b.height() != 75 || b.width() < 45 || b.width() > 70) continue;
    people++;
    plat::rgb key = b.pixel(0, b.height() - 1);
    for (int y = 0; y < 5; y++)
      for (int x = 0; x < b.width(); x++)
        ASSERT_EQ(b.pixel(x, y), key) << n << " shows at (" << x << ", " << y << ")";
  }
  EXPECT_GE(people, 40 + 10);  // the roster and the visitors
}

// A colour's relative luminance (sRGB), for the contrast of text on a picture.
static double luminance(plat::rgb c) {
  auto lin = [](int v) {
    double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(plat::red_of(c)) + 0.7152 * lin(plat::green_of(c)) +
         0.0722 * lin(plat::blue_of(c));
}

TEST(AssetPictures, ButtonCaptionsReadOnThePlate) {
  // The captions pulse from white to RGB(255,119,187) and stand 25 pixels right of the button's
  // left edge, 10-point bold, centred on the button's top + 14: in the plate (drawn 7 left of and
  // 14 above the button) that is x 32.. and y 22..34. Both ends of the pulse must stand out
  // against the plate there (a contrast ratio of at least 3, as for large text).
  auto contrast = [&](plat::rgb a, plat::rgb b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  };
  plat::Bitmap plate = load_picture("box.bmp");
  int poor = 0, total = 0;
  for (int y = 22; y <= 34; y++)
    for (int x = 32; x < 130; x++) {
      plat::rgb p = plate.pixel(x, y);
      total++;
      if (contrast(p, plat::RGB(255, 255, 255)) < 3 || contrast(p, plat::RGB(255, 119, 187)) < 3)
        poor++;
    }
  EXPECT_LT(poor * 10, total) << poor << " of " << total << " caption pixels lack contrast";
}

TEST(AssetPictures, SealBoxCellsLieInsideTheBoxPicture) {
  plat::Bitmap sb = load_picture("seal_box.bmp");
  plat::rgb key = sb.transparent_colour();
  for (int c = 0; c < 14; c++)
    for (int r = 0; r < 8; r++) {
      int x = 20 + 25 * c + 12, y = 20 + 30 * r + 15;
      EXPECT_NE(sb.pixel(x, y), key) << c << "," << r;
    }
}

TEST(AssetPictures, ChainPicturesGlowOnBlack) {
  for (int n = 2; n <= 10; n++) {
    plat::Bitmap b = load_picture(std::to_string(n) + "chain.bmp");
    int lit = 0, black = 0;
    for (int y = 0; y < b.height(); y++)
      for (int x = 0; x < b.width(); x++) (b.pixel(x, y) == 0 ? black : lit)++;
    EXPECT_GT(lit, 20) << n;
    EXPECT_GT(black, 40) << n;  // OR-combined: the black around the digits adds nothing
  }
}

TEST(AssetPictures, EachGoodsSealAndCustomerPictureIsItsOwn) {
  // Distinct names never share a drawing by accident (the catalogue shares some names on purpose).
  std::set<std::string> seen;
  for (auto& n : every_picture_name()) {
    if (n == "not.bmp") continue;
    auto bytes = slurp(fs::path(kGame) / "cg" / n);
    EXPECT_TRUE(seen.insert(std::string(bytes.begin(), bytes.end())).second)
        << n << " looks exactly like another picture";
  }
}

// ---- pixel art ----

std::set<plat::rgb> house_set() {
  std::set<plat::rgb> s;
  for (const ag::Col& c : ag::house_colours())
    s.insert(plat::RGB(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b))));
  return s;
}

// The colours a picture shows, without its see-through colour.
std::set<plat::rgb> shown_colours(const std::string& name, const plat::Bitmap& b) {
  const ag::PicKind kind = ag::picture_kind(name.rfind("en/", 0) == 0 ? name.substr(3) : name);
  const plat::rgb clear = kind == ag::PicKind::layer        ? b.transparent_colour()
                          : kind == ag::PicKind::background ? 0xFFFFFFFFu
                                                            : plat::RGB(0, 0, 0);
  std::set<plat::rgb> s;
  for (int y = 0; y < b.height(); y++)
    for (int x = 0; x < b.width(); x++)
      if (b.pixel(x, y) != clear) s.insert(b.pixel(x, y));
  return s;
}

TEST(AssetPixelArt, EveryPictureIsMadeOfTheHousePaletteAndPortraitsAndSealsOfFewColours) {
  const std::set<plat::rgb> house = house_set();
  std::size_t most_person = 0, most_seal = 0;
  std::set<std::string> names = every_picture_name();
  for (auto& n : ag::lettered_picture_names()) names.insert("en/" + n);
  for (auto& n : names) {
    const plat::Bitmap b = load_picture(n);
    const std::set<plat::rgb> colours = shown_colours(n, b);
    for (plat::rgb c : colours) {
      // a layer picture's inside pixel that happened to be the key is moved off it by one
      const bool moved_off_key = (c ^ 0x000001) == ag::layer_key;
      EXPECT_TRUE(house.count(c) || moved_off_key)
          << n << " uses " << std::hex << c << ", not a house colour";
    }
    if (b.width() == 60 && b.height() == 75) {
      EXPECT_LE(colours.size(), 96u) << n;
      most_person = std::max(most_person, colours.size());
    }
    if (b.width() == 22 && b.height() == 22) {
      EXPECT_LE(colours.size(), 48u) << n;
      most_seal = std::max(most_seal, colours.size());
    }
  }
  std::printf("most colours: a portrait %zu, a seal %zu\n", most_person, most_seal);
}

TEST(AssetPixelArt, WhatTheGameShowsAtItsOwnSizeHasTheDoubledPixelSize) {
  // Pictures the game draws at their own size beside the doubled backgrounds are made of 2 x 2
  // blocks of one colour, so that their pixels are the size of every other on the screen. The
  // seal box's cells keep the rule's 25-pixel pitch: only its frame around them is checked.
  auto blocks = [](const plat::Bitmap& b, int x0, int y0, int x1, int y1) {
    int broken = 0;
    for (int y = y0; y + 1 < y1; y += 2)
      for (int x = x0; x + 1 < x1; x += 2) {
        const plat::rgb c = b.pixel(x, y);
        broken += b.pixel(x + 1, y) != c || b.pixel(x, y + 1) != c || b.pixel(x + 1, y + 1) != c;
      }
    return broken;
  };
  for (const char* n : {"front2.bmp", "front_mid.bmp", "front3.bmp", "box.bmp", "coin.bmp",
                        "btn_action.bmp", "btn_close.bmp", "btn_mode.bmp", "00.bmp"}) {
    const plat::Bitmap b = load_picture(n);
    // a layer picture's bottom-left pixel is set to its key alone
    const int rows = ag::picture_kind(n) == ag::PicKind::layer ? b.height() - 2 : b.height();
    EXPECT_EQ(blocks(b, 0, 0, b.width(), rows), 0) << n;
  }
  const plat::Bitmap box = load_picture("seal_box.bmp");
  EXPECT_EQ(blocks(box, 0, 0, 390, 18) + blocks(box, 0, 0, 18, 258) + blocks(box, 372, 0, 390, 258),
            0);
}

TEST(AssetPixelArt, WrappedPresentsFillAtLeastHalfTheirSquare) {
  // the wrappings in both states, as the counter shows them (a 40 x 40 picture doubled)
  for (const char* n :
       {"fukuro_small.bmp", "fukuro_small2.bmp", "fukuro.bmp",     "fukuro2.bmp",
        "fukuro_mid.bmp",   "fukuro_mid2.bmp",   "fukuro_big.bmp", "fukuro_big2.bmp",
        "hako0.bmp",        "hako.bmp",          "hako1.bmp",      "hako2.bmp",
        "tesage.bmp",       "tesage2.bmp",       "kami.bmp",       "kami2.bmp",
        "s_hako1.bmp",      "s_hako0.bmp",       "s_fukuro0.bmp",  "s_fukuro1.bmp",
        "s_tesage1.bmp",    "s_tesage0.bmp",     "s_pan0.bmp",     "s_pan1.bmp"}) {
    const plat::Bitmap b = load_picture(n);
    const plat::rgb key = b.transparent_colour();
    int x0 = b.width(), y0 = b.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < b.height(); y++)
      for (int x = 0; x < b.width(); x++)
        if (b.pixel(x, y) != key)
          x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    EXPECT_GE(x1 - x0 + 1, b.width() / 2) << n;
    EXPECT_GE(y1 - y0 + 1, b.height() / 2) << n;
  }
}

TEST(AssetPixelArt, TheDaysTotalsReadInWhiteOverLogin) {
  // The totals montage doubles login.bmp and writes "本日の集計" at the top left and the takings
  // and the count centred at (195, 165) and (195, 180), in white with a shadow: where they lie,
  // white must stand out at the contrast asked of normal text (4.5).
  for (const std::string dir : {"", "en/"}) {
    const plat::Bitmap login = load_picture(dir + "login.bmp");
    int poor = 0;
    auto check = [&](int x0, int y0, int x1, int y1) {  // on the screen, doubled
      for (int y = y0 / 2; y < y1 / 2; y++)
        for (int x = x0 / 2; x < x1 / 2; x++)
          poor += 1.05 / (luminance(login.pixel(x, y)) + 0.05) < 4.5;
    };
    check(0, 0, 100, 18);
    check(110, 160, 280, 198);
    EXPECT_EQ(poor, 0) << dir << "login.bmp";
  }
}

TEST(AssetPixelArt, LetteredPicturesHaveAnEnglishVersionOtherwiseTheSame) {
  // Every picture with words a player reads: the English version in cg/en has the same size and
  // see-through rule, and differs from the Japanese only where the lettering is.
  const char* const lettered[] = {
      "title.bmp",    "login.bmp",   "title2.bmp",   "haikei.bmp",  "letter.bmp",  "clear.bmp",
      "milk.bmp",     "cd00.bmp",    "cd01.bmp",     "cd02.bmp",    "cd03.bmp",    "mayoke.bmp",
      "monatoso.bmp", "yunomi.bmp",  "bodycare.bmp", "tirasi0.bmp", "tirasi1.bmp", "tirasi6.bmp",
      "tirasi8.bmp",  "tirasi9.bmp", "seal92.bmp"};
  auto listed = ag::lettered_picture_names();
  EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()),
            std::set<std::string>(std::begin(lettered), std::end(lettered)));
  for (const char* n : lettered) {
    const plat::Bitmap ja = load_picture(n), en = load_picture(std::string("en/") + n);
    ASSERT_EQ(en.width(), ja.width()) << n;
    ASSERT_EQ(en.height(), ja.height()) << n;
    EXPECT_EQ(en.pixel(0, en.height() - 1), ja.pixel(0, ja.height() - 1)) << n;
    int differ = 0;
    for (int y = 0; y < ja.height(); y++)
      for (int x = 0; x < ja.width(); x++) differ += ja.pixel(x, y) != en.pixel(x, y);
    EXPECT_GT(differ, 0) << n << ": the English lettering is missing";
    // a seal's letter and the letter's lines take a larger share of their picture
    const bool wordy = n == std::string("letter.bmp") || ja.width() == 22;
    const int most = ja.width() * ja.height() / (wordy ? 3 : 6);
    EXPECT_LT(differ, most) << n << ": more than the lettering changed";
  }
}

// ---- sounds and music ----

TEST(AssetSounds, EveryWaveParsesLoadsInTheMixerAndStartsAndEndsQuietly) {
  plat::AudioFormat mono8;  // the mixer's own session format
  for (auto* name : kWaves) {
    auto bytes = slurp(fs::path(kGame) / "dat" / name);
    agtest::WavInfo w = agtest::read_wav(bytes);
    ASSERT_TRUE(w.ok) << name << ": " << w.why;
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_TRUE(w.bits == 8 || w.bits == 16) << name;
    EXPECT_GE(w.rate, 8000) << name;
    EXPECT_LE(w.rate, 44100) << name;
    EXPECT_GT(w.seconds(), 0.02) << name;
    EXPECT_LT(w.seconds(), 2.5) << name;
    float peak = 0;
    double energy = 0;
    for (float v : w.samples) peak = std::max(peak, std::fabs(v)), energy += double(v) * v;
    EXPECT_GT(std::sqrt(energy / double(w.samples.size())), 0.05) << name << " is nearly silent";
    EXPECT_LT(peak, 0.99f) << name << " clips";
    EXPECT_LT(std::fabs(w.samples.front()), 0.02f) << name << " clicks at the start";
    EXPECT_LT(std::fabs(w.samples.back()), 0.02f) << name << " clicks at the end";
    std::unique_ptr<game::MixWave> mw;
    EXPECT_NO_THROW(mw.reset(game::mixer_load_wave(bytes.data(), bytes.size(), mono8, name)))
        << name;
    ASSERT_TRUE(mw) << name;
    EXPECT_GT(mw->length, 0u) << name;
  }
}

TEST(AssetSounds, TheTypingTickIsShortAndTheInterfaceSoundsQuick) {
  auto secs = [](const char* n) {
    return agtest::read_wav(slurp(fs::path(kGame) / "dat" / n)).seconds();
  };
  EXPECT_LT(secs("moji.wav"), 0.1);  // one per character shown
  EXPECT_LT(secs("key.wav"), 0.15);
  EXPECT_LT(secs("pi.wav"), 0.2);
  EXPECT_LT(secs("3.wav"), 0.15);
  EXPECT_GT(secs("lvup.wav"), secs("pi.wav"));  // a fanfare is longer than a button
}

TEST(AssetSounds, TheTunesAreStandardMidiLoopsOfTwoToThreeMinutes) {
  for (auto* name : kTunes) {
    agtest::MidiInfo m = agtest::read_midi(slurp(fs::path(kGame) / "dat" / name));
    ASSERT_TRUE(m.ok) << name << ": " << m.why;
    EXPECT_TRUE(m.format == 0 || m.format == 1) << name;
    EXPECT_TRUE(m.every_track_ends) << name;
    EXPECT_GE(m.seconds, 120) << name;
    EXPECT_LE(m.seconds, 180) << name;
    EXPECT_GT(m.notes_on, 100) << name;
    EXPECT_EQ(m.notes_on, m.notes_off) << name << ": a note is left hanging";
    EXPECT_GE(m.programs.size(), 3u)
        << name << ": melody, chords and bass each choose their instrument";
  }
  // each tune is its own
  std::set<std::string> seen;
  for (auto* name : kTunes) {
    auto bytes = slurp(fs::path(kGame) / "dat" / name);
    EXPECT_TRUE(seen.insert(std::string(bytes.begin(), bytes.end())).second) << name;
  }
}

// ---- data files ----

TEST(AssetData, MyDatReadsBackAsTheFullResetState) {
  // the shipped file, read with the game's own reader
  fs::path dir =
      fs::temp_directory_path() / ("florinet_assetgen_mydat" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::path file = dir / "my.dat";
  ASSERT_TRUE(ag::write_file(file.string(), ag::make_my_dat()));
  auto bytes = slurp(file);
  std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2259);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2259);
  std::array<int, game::progress_lines> v{};
  std::string why;
  ASSERT_TRUE(game::parse_progress(text, v, &why)) << why;
  auto loaded = std::make_unique<game::game_state>();
  ASSERT_EQ(game::read_progress_file(file.string(), *loaded, &why), game::progress_read::ok) << why;
  auto fresh = std::make_unique<game::game_state>();
  fresh->save_marker = 1;
  fresh->flyer_kind = -1;
  EXPECT_EQ(game::progress_text(*loaded), game::progress_text(*fresh));
  EXPECT_EQ(loaded->save_marker, 1);
  EXPECT_EQ(loaded->flyer_kind, -1);
  EXPECT_EQ(loaded->money, 0);
  EXPECT_EQ(loaded->play_count, 0);
  fs::remove_all(dir);
  // the build's folder has one the game can read (the fresh one, or progress saved since)
  auto built = std::make_unique<game::game_state>();
  EXPECT_EQ(game::read_progress_file((fs::path(kGame) / "dat" / "my.dat").string(), *built, &why),
            game::progress_read::ok)
      << why;
}

TEST(AssetData, ARebuildKeepsTheSavedProgress) {
  fs::path dir =
      fs::temp_directory_path() / ("florinet_assetgen_keep" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "dat");
  std::string saved = "saved progress";
  ASSERT_TRUE(
      ag::write_file((dir / "dat" / "my.dat").string(), ag::Bytes(saved.begin(), saved.end())));
  std::string err;
  ag::write_all(dir.string(), &err);
  EXPECT_TRUE(err.empty()) << err;
  auto after = slurp(dir / "dat" / "my.dat");
  EXPECT_EQ(std::string(after.begin(), after.end()), saved);
  EXPECT_TRUE(fs::exists(dir / "dat" / "name.dat"));
  fs::remove_all(dir);
}

TEST(AssetData, NameDatHas226Lines) {
  auto bytes = slurp(fs::path(kGame) / "dat" / "name.dat");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 226);
  EXPECT_TRUE(game::read_name_file((fs::path(kGame) / "dat" / "name.dat").string()));
  for (auto& n : game::name_list()) EXPECT_FALSE(n.empty());
}

TEST(AssetData, MixerIniAsksForFewShortBlocksWithinTheMixersRanges) {
  game::Profile p;
  ASSERT_TRUE(p.load((fs::path(kGame) / "MIXER.INI").string()));
  int blocks = p.get_int("default", "WaveBlocks", 3),
      len = p.get_int("default", "WaveBlockLen", 0) & ~3;
  int rate_code = p.get_int("default", "SamplesPerSec", 11);
  int rate = rate_code == 22 ? 22050 : rate_code == 44 ? 44100 : 11025;
  EXPECT_GE(blocks, 2);
  EXPECT_LE(blocks, 6);
  EXPECT_GE(len, 512);
  EXPECT_LE(len, 4096);
  // a click's sound waits behind at most the queued blocks: well under a tenth of a second
  double worst = double(blocks) * len / rate;
  EXPECT_LT(worst, 0.08);
}

// ---- determinism ----

TEST(AssetDeterminism, TwoRunsGiveTheSameBytes) {
  // own folders per process: several builds may run their tests at once
  std::string tag = std::to_string(::getpid());
  fs::path a = fs::temp_directory_path() / ("florinet_assetgen_a" + tag),
           b = fs::temp_directory_path() / ("florinet_assetgen_b" + tag);
  fs::remove_all(a), fs::remove_all(b);
  std::string err;
  int na = ag::write_all(a.string(), &err);
  ASSERT_TRUE(err.empty()) << err;
  int nb = ag::write_all(b.string(), &err);
  ASSERT_TRUE(err.empty()) << err;
  EXPECT_EQ(na, nb);
  int compared = 0;
  for (auto& e : fs::recursive_directory_iterator(a)) {
    if (!e.is_regular_file()) continue;
    fs::path other = b / fs::relative(e.path(), a);
    EXPECT_EQ(slurp(e.path()), slurp(other)) << e.path();
    // and the same as the build's own folder (whose progress file may hold a save by now)
    if (e.path().filename() != "my.dat") {
      EXPECT_EQ(slurp(e.path()), slurp(fs::path(kGame) / fs::relative(e.path(), a))) << e.path();
    }
    compared++;
  }
  EXPECT_EQ(compared, na);
  fs::remove_all(a), fs::remove_all(b);
}
