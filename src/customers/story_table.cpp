// The visitors' stories as rows: image, chance, the clerk level of each stage, the leaving
// narrations and the gift seal. Read top to bottom, this is also the order in which the
// stories are tried at closing time.
#include "customers/story_table.h"

#include <string>

#include "customers/story_scripts.h"
#include "platform/i18n.h"
#include "platform/sjis.h"
#include "shell/json_out.h"

namespace game {

namespace {

// slot, image, chance (1 in n), stages, levels, leaving narrations, gift seal
constexpr std::array<story_row, story_count> rows = {{
    {8, 0, 20, 3, {2, 3, 4}, {N_("ロクサンは去っていった...."), nullptr, nullptr}, 151},
    {9, 0, 20, 3, {2, 3, 4}, {N_("死美ちゃんは去っていった...."), nullptr, nullptr}, 152},
    {10, 3, 20, 2, {2, 3}, {N_("平堂院エリカは去っていった...."), nullptr}, 153},
    {11, 4, 20, 2, {2, 3}, {N_("花豆は去っていった...."), nullptr}, 162},
    {12, 1, 20, 2, {3, 4}, {N_("はりねは去っていった...."), nullptr}, 161},
    {13,
     1,
     20,
     4,
     {2, 3, 4, 5},
     {N_("ヒコ゜ピコ゜ヒコ゜クンは去っていった...."), nullptr, nullptr, nullptr},
     154},
    {14, 0, 20, 4, {3, 4, 5, 6}, {N_("ぷん子は去っていった...."), nullptr, nullptr, nullptr}, 155},
    {15, 4, 20, 2, {3, 4}, {N_("としくんは去っていった...."), nullptr}, 156},
    {16, 3, 20, 3, {3, 4, 5}, {N_("セブンは去っていった...."), nullptr, nullptr}, 157},
    {17,
     0,
     20,
     3,
     {4, 5, 6},
     {N_("ツンは去っていった...."), N_("ツンはあっという間に去っていった...."),
      N_("ツンはうなだれて去っていった....")},
     158},
    {18,
     4,
     20,
     3,
     {5, 6, 7},
     {N_("ムンは去っていった...."), nullptr, N_("ムンは寂しそうに去っていった....")},
     159},
    {19, 3, 20, 2, {4, 5}, {N_("わたっ娘は去っていった...."), nullptr}, 160},
    {20, 3, 20, 2, {6, 7}, {N_("ユカリーは去っていった...."), nullptr}, 172},
    {21, 7, 20, 3, {6, 7, 8}, {N_("モナトは去っていった...."), nullptr, nullptr}, 169},
    {22, 4, 20, 2, {6, 7}, {N_("天伊優香は去っていった...."), nullptr}, 170},
    {23, 7, 20, 3, {7, 8, 8}, {N_("どこかの国の王様は去っていった...."), nullptr, nullptr}, 171},
    {24, 2, 20, 1, {2}, {N_("ノブヒーは去っていった....")}, 168},
    {25, 4, 20, 1, {3}, {N_("バイオンは去っていった....")}, 163},
    {26, 1, 20, 2, {2, 3}, {N_("大きくなった・運坊(うんぼう)は去っていった...."), nullptr}, 164},
    {27, 5, 20, 2, {4, 5}, {N_("徳次郎は去っていった...."), nullptr}, 165},
    {28, 2, 20, 1, {3}, {N_("リチャードは去っていった....")}, 166},
    {29, 0, 20, 3, {3, 4, 5}, {N_("ターミンは去っていった...."), nullptr, nullptr}, 167},
    {30,
     2,
     20,
     3,
     {2, 3, 4},
     {N_("大きくなった・雲歩狼(うんぽろ)は去っていった...."), nullptr, nullptr},
     175},
    {31, 3, 20, 1, {2}, {N_("さなちゃんは去っていった....")}, 174},
    {32, 6, 20, 1, {2}, {N_("ぶぶこは去っていった....")}, 173},
    {34, 4, 20, 3, {2, 3, 4}, {N_("紗智は去っていった...."), nullptr, nullptr}, 176},
    {35, 5, 20, 1, {2}, {N_("ラプソディアは去っていった....")}, 177},
    {36, 7, 20, 1, {2}, {N_("カベイリアは去っていった....")}, 178},
    {37, 1, 20, 1, {2}, {N_("キミ・ツウシンは去っていった....")}, 179},
    {38, 10, 20, 1, {2}, {N_("レティシアは去っていった....")}, 180},
    {39,
     6,
     20,
     2,
     {2, 3},
     {N_("ゴート皇帝は去っていった...."), N_("ゴート皇帝は残念そうに去っていった....")},
     181},
    {40, 2, 20, 1, {2}, {N_("スクリュー智明は去っていった....")}, 182},
    {41, 0, 20, 1, {3}, {N_("紅花は去っていった....")}, 186},
    {42, 8, 20, 1, {2}, {N_("竹田ジョニーは去っていった....")}, 183},
    {43, 9, 20, 3, {2, 3, 4}, {N_("白川シキは去っていった...."), nullptr, nullptr}, 184},
    {44, 5, 20, 1, {2}, {N_("香月スミレは去っていった....")}, 510},
    {45, 8, 20, 1, {2}, {N_("ギャラガは去っていった....")}, 511},
    {46, 0, 30, 4, {1, 2, 3, 4}, {N_("乱造は去っていった...."), nullptr, nullptr, nullptr}, 0},
}};

}  // namespace

const std::array<story_row, story_count>& story_table() {
  return rows;
}

const story_row* find_story(int slot) {
  for (const story_row& r : rows)
    if (r.slot == slot) return &r;
  return nullptr;
}

const char* leaving_line(const story_row& row, int stage) {
  const char* line = row.leaving[0];
  for (int s = 1; s < stage && s < row.stages; ++s)
    if (row.leaving[std::size_t(s)]) line = row.leaving[std::size_t(s)];
  return line;
}

std::string stories_json() {
  // File names as written; lines as the player reads them, in the language in use.
  auto utf8_text = [](std::string& out, const char* utf8) {
    json::text(out, plat::to_sjis(utf8 ? utf8 : ""));
  };
  auto said = [](std::string& out, const char* utf8) {
    json::text(out, plat::tr(utf8 ? utf8 : ""));
  };
  std::string out = "{";
  bool first_row = true;
  for (const story_row& r : rows) {
    if (!first_row) out += ',';
    first_row = false;
    out += '"' + std::to_string(r.slot) + "\":{";
    json::key(out, "image"), out += std::to_string(r.image) + ',';
    json::key(out, "chance"), out += std::to_string(r.chance) + ',';
    json::key(out, "levels"), out += '[';
    for (int s = 0; s < r.stages; ++s) {
      if (s) out += ',';
      out += std::to_string(r.level[s]);
    }
    out += "],";
    // What each stage shows and says, from the scenes themselves.
    std::string pictures = "[", lines = "[";
    for (int s = 1; s <= r.stages; ++s) {
      const story_stage st = story_script(r.slot, s);
      pictures += s > 1 ? ",[" : "[";
      lines += s > 1 ? ",[" : "[";
      bool first_pic = true, first_line = true;
      for (int i = 0; i < st.count; ++i) {
        const story_step& step = st.steps[i];
        if (step.kind == story_step::picture || step.kind == story_step::background) {
          if (!first_pic) pictures += ',';
          first_pic = false;
          utf8_text(pictures, step.text);
        } else if (step.kind == story_step::say) {
          if (!first_line) lines += ',';
          first_line = false;
          said(lines, step.text);
        }
      }
      pictures += ']';
      lines += ']';
    }
    json::key(out, "pictures"), out += pictures + "],";
    json::key(out, "lines"), out += lines + "],";
    json::key(out, "leaving"), out += '[';
    for (int s = 1; s <= r.stages; ++s) {
      if (s > 1) out += ',';
      said(out, leaving_line(r, s));
    }
    out += "],";
    json::key(out, "gift"), out += std::to_string(r.gift) + '}';
  }
  out += '}';
  return out;
}

}  // namespace game
