// The evening visitors' scenes and the owner's tales, held against the story list: lines per
// stage, who appears, the moments inside scenes, the files they name, and the texts' bytes.
#include "customers/story_scripts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sjis.h"

namespace game {
namespace {

namespace fs = std::filesystem;

struct story_row {
  int slot;
  std::vector<int> lines;  // say lines per stage
  const char* picture;     // who appears when the door opens
};

const story_row rows[] = {
    {8, {3, 4, 5}, "girl00.bmp"},
    {9, {3, 6, 3}, "girl01.bmp"},
    {10, {3, 3}, "dobu.bmp"},
    {11, {4, 4}, "boy00.bmp"},
    {12, {3, 3}, "girl03.bmp"},
    {13, {3, 4, 4, 3}, "boy01.bmp"},
    {14, {2, 3, 4, 6}, "girl04.bmp"},
    {15, {4, 3}, "boy02.bmp"},
    {16, {3, 3, 3}, "seven2.bmp"},
    {17, {4, 1, 3}, "tun2.bmp"},
    {18, {3, 3, 3}, "mun.bmp"},
    {19, {2, 4}, "wata.bmp"},
    {20, {3, 3}, "yukari2.bmp"},
    {21, {4, 5, 5}, "monato2.bmp"},
    {22, {3, 3}, "yuuka.bmp"},
    {23, {3, 4, 5}, "jisrof.bmp"},
    {24, {4}, "nobuhi.bmp"},
    {25, {3}, "bione.bmp"},
    {26, {4, 4}, "unbou2.bmp"},
    {27, {5, 8}, "toku.bmp"},
    {28, {3}, "maichel.bmp"},
    {29, {3, 3, 3}, "tam.bmp"},
    {30, {3, 1, 3}, "unporo2.bmp"},
    {31, {5}, "sanae3.bmp"},
    {32, {4}, "bubuko.bmp"},
    {34, {2, 3, 5}, "sachi.bmp"},
    {35, {4}, "rap.bmp"},
    {36, {4}, "kabe.bmp"},
    {37, {4}, "kimi.bmp"},
    {38, {5}, "retisia.bmp"},
    {39, {4, 4}, "goat.bmp"},
    {40, {4}, "fukura.bmp"},
    {41, {3}, "kouka.bmp"},
    {42, {4}, "jonny.bmp"},
    {43, {3, 3, 4}, "siki.bmp"},
    {44, {3}, "boy_sumire.bmp"},
    {45, {5}, "garaga.bmp"},
    {46, {3, 3, 5, 5}, "ran.bmp"},
};

std::vector<story_step> steps_of(int slot, int stage) {
  story_stage s = story_script(slot, stage);
  return {s.steps, s.steps + s.count};
}

int says(const std::vector<story_step>& steps) {
  int n = 0;
  for (const auto& s : steps) n += s.kind == story_step::say;
  return n;
}

// Everything that is not a spoken line, in order: "P:" customer layer, "B:" background,
// "S:" sound with its slot, "N:" narration.
std::vector<std::string> moments(int slot, int stage) {
  std::vector<std::string> out;
  for (const auto& s : steps_of(slot, stage)) {
    switch (s.kind) {
      case story_step::say:
        break;
      case story_step::picture:
        out.push_back(std::string("P:") + s.text);
        break;
      case story_step::background:
        out.push_back(std::string("B:") + s.text);
        break;
      case story_step::sound:
        out.push_back(std::string("S:") + s.text + "@" + std::to_string(s.slot));
        break;
      case story_step::narrate:
        out.push_back(std::string("N:") + s.text);
        break;
    }
  }
  return out;
}

TEST(StoryScripts, EveryStageHasItsLinesAndOpensOnItsVisitor) {
  for (const auto& r : rows) {
    for (int stage = 1; stage <= 4; ++stage) {
      SCOPED_TRACE("slot " + std::to_string(r.slot) + " stage " + std::to_string(stage));
      auto steps = steps_of(r.slot, stage);
      if (stage > int(r.lines.size())) {
        EXPECT_TRUE(steps.empty());
        continue;
      }
      EXPECT_EQ(says(steps), r.lines[stage - 1]);
      ASSERT_FALSE(steps.empty());
      std::string first = steps[0].text;
      if (r.slot == 46) {
        EXPECT_EQ(steps[0].kind, story_step::background);
        ASSERT_GE(steps.size(), 2u);
        EXPECT_EQ(steps[1].kind, story_step::sound);
        EXPECT_EQ(std::string(steps[1].text), "ran.wav");
        EXPECT_EQ(steps[1].slot, 3);
      } else {
        EXPECT_EQ(steps[0].kind, story_step::picture);
      }
      const bool yukari_then = r.slot == 20 && stage == 2;
      const bool monato_sad = r.slot == 21 && stage >= 2;
      EXPECT_EQ(first, yukari_then ? "yukari.bmp" : monato_sad ? "monato.bmp" : r.picture);
      // the visitor speaks last: a scene never ends on a stray picture or sound
      if (r.slot != 36) {
        EXPECT_EQ(steps.back().kind, story_step::say);
      }
    }
  }
  // nothing outside the list
  for (int slot : {-1, 0, 7, 33, 47, 99})
    for (int stage = 0; stage <= 5; ++stage) EXPECT_EQ(story_script(slot, stage).count, 0);
  for (const auto& r : rows) {
    EXPECT_EQ(story_script(r.slot, 0).count, 0);
    EXPECT_EQ(story_script(r.slot, 5).count, 0);
  }
}

TEST(StoryScripts, PictureChangesAndMomentsComeWhereTheyBelong) {
  using V = std::vector<std::string>;
  const std::string flash = "N:ピカ！！ゴロゴロ…！";
  EXPECT_EQ(moments(10, 1), (V{"P:dobu.bmp", "P:girl02.bmp"}));
  EXPECT_EQ(moments(10, 2), (V{"P:dobu.bmp", "P:girl02.bmp"}));
  EXPECT_EQ(moments(15, 2), (V{"P:boy02.bmp", "S:kaminari.wav@4", flash, "N:雷のようだ...."}));
  EXPECT_EQ(moments(16, 1), (V{"P:seven2.bmp", "S:kaminari.wav@4", flash, "N:雷....!?"}));
  EXPECT_EQ(moments(16, 2), (V{"P:seven2.bmp", "S:kaminari.wav@4", flash}));
  EXPECT_EQ(moments(20, 2), (V{"P:yukari.bmp", "P:yukari2.bmp"}));
  EXPECT_EQ(moments(31, 1), (V{"P:sanae3.bmp", "N:…ガサガサ…", "N:レジの下からもう一羽がでてきた！",
                               "P:sanae2.bmp"}));
  EXPECT_EQ(moments(32, 1), (V{"P:bubuko.bmp", "P:bubuko2.bmp"}));
  EXPECT_EQ(moments(36, 1), (V{"P:kabe.bmp", "B:yoru.bmp", "N:夜・・・・", "N:ガサ・・・・",
                               "P:goki.bmp", "S:dorobou.wav@4", "N:・・・・・・・！！",
                               "N:ぎゃああああああああああああああああああああ！！！"}));
  EXPECT_EQ(moments(37, 1), (V{"P:kimi.bmp", "S:kimi.wav@4", "N:キミ・ツウシンは歌い出した"}));
  for (int stage = 1; stage <= 4; ++stage)
    EXPECT_EQ(moments(46, stage), (V{"B:ran.bmp", "S:ran.wav@3"})) << stage;
  // the spoken lines around the moments: the night falls after カベイリア's last word, the
  // song starts before キミ's last, the thunder cuts into a scene already begun
  auto kabe = steps_of(36, 1);
  EXPECT_EQ(kabe[4].kind, story_step::say);
  EXPECT_EQ(std::string(kabe[5].text), "yoru.bmp");
  auto kimi = steps_of(37, 1);
  EXPECT_EQ(kimi.back().kind, story_step::say);
  EXPECT_EQ(kimi[kimi.size() - 2].kind, story_step::narrate);
  auto sanae = steps_of(31, 1);
  EXPECT_EQ(sanae.back().kind, story_step::say);
  EXPECT_EQ(std::string(sanae[sanae.size() - 2].text), "sanae2.bmp");

  // every other stage is its visitor and their words alone
  for (const auto& r : rows)
    for (int stage = 1; stage <= int(r.lines.size()); ++stage) {
      auto m = moments(r.slot, stage);
      const bool special = r.slot == 10 || r.slot == 31 || r.slot == 32 || r.slot == 36 ||
                           r.slot == 37 || r.slot == 46 || (r.slot == 15 && stage == 2) ||
                           (r.slot == 16 && stage <= 2) || (r.slot == 20 && stage == 2);
      if (!special) {
        EXPECT_EQ(m.size(), 1u) << r.slot << " stage " << stage;
      }
    }
}

TEST(StoryScripts, EveryFileNamedIsInTheProgramFolder) {
  const fs::path game = FLORINET_GAME_DIR;
  int files = 0;
  for (const auto& r : rows)
    for (int stage = 1; stage <= int(r.lines.size()); ++stage)
      for (const auto& s : steps_of(r.slot, stage)) {
        if (s.kind == story_step::picture || s.kind == story_step::background) {
          EXPECT_TRUE(fs::is_regular_file(game / "cg" / s.text)) << s.text;
          ++files;
        } else if (s.kind == story_step::sound) {
          EXPECT_TRUE(fs::is_regular_file(game / "dat" / s.text)) << s.text;
          EXPECT_GE(s.slot, 1) << s.text;
          EXPECT_LE(s.slot, 5) << s.text;
          ++files;
        }
      }
  EXPECT_GT(files, 80);
}

// Spoken lines wrap in the log at 50 bytes, narrations and the owner's lines at 70; a line
// that wraps breaks the scene's rhythm (and a cut double-byte character shows as garbage).
TEST(StoryScripts, EveryLineIsShiftJisAndFitsTheLog) {
  auto check = [](const char* text, std::size_t limit, const std::string& where) {
    bool ok = false;
    plat::sjis b = plat::to_sjis(text, &ok);
    EXPECT_TRUE(ok) << where << ": " << text;
    EXPECT_FALSE(b.empty()) << where;
    EXPECT_LT(b.size(), limit) << where << ": " << text;
  };
  int lines = 0;
  for (const auto& r : rows)
    for (int stage = 1; stage <= int(r.lines.size()); ++stage)
      for (const auto& s : steps_of(r.slot, stage)) {
        const std::string where = std::to_string(r.slot) + "/" + std::to_string(stage);
        if (s.kind == story_step::say) {
          // ロクサン's words are hers as she says them, long breaths and all
          check(s.text, r.slot == 8 ? 70 : 50, where);
          ++lines;
        } else if (s.kind == story_step::narrate) {
          check(s.text, 70, where);
        }
      }
  EXPECT_GT(lines, 230);
  for (int slot : {0, 1, 2, 6}) {
    said_lines t = owner_tale(slot);
    for (int i = 0; i < t.count; ++i) check(t.lines[i], 70, "owner " + std::to_string(slot));
  }
}

TEST(StoryScripts, TheOwnersTalesHaveTheirLengthsAndEndings) {
  const std::string ending = "…おっと、つまんねえ昔話しちゃったぜ…";
  const int counts[] = {6, 7, 7};
  for (int slot = 0; slot <= 2; ++slot) {
    said_lines t = owner_tale(slot);
    ASSERT_EQ(t.count, counts[slot]) << slot;
    EXPECT_EQ(t.lines[t.count - 1], ending) << slot;
    for (int i = 0; i + 1 < t.count; ++i) EXPECT_NE(t.lines[i], ending) << slot;
  }
  said_lines love7 = owner_tale(6);
  ASSERT_EQ(love7.count, 7);
  EXPECT_EQ(std::string(love7.lines[0]), "....ところでよ、隣にできたショッピングモールの事だけど");
  EXPECT_EQ(std::string(love7.lines[6]), "あー…むかついてしゃーねーや…");
  for (int slot : {-1, 3, 4, 5, 7, 105}) EXPECT_EQ(owner_tale(slot).count, 0) << slot;
}

}  // namespace
}  // namespace game
