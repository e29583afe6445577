#include "customers/story_scripts.h"

#include <iterator>

namespace game {

namespace {

using st = story_step;

// ロクサン, the girl who dreams of a fancy-goods shop of her own.
constexpr story_step roxan_1[] = {
    {st::picture, "girl00.bmp"},
    {st::say, "わたし、大きくなったらファンシーショップやるんだ"},
    {st::say, "ねえ、この店はどうして可愛いの？"},
    {st::say, "ねえ、教えて！"},
};
constexpr story_step roxan_2[] = {
    {st::picture, "girl00.bmp"},
    {st::say, "わたし、大きくなったらすんごく可愛いお姉さんになるの"},
    {st::say, "ねえ、整形って何円くらいかかる？"},
    {st::say, "わたし今、郵便貯金で二万円も貯めてるの"},
    {st::say, "ねえ、これで足りる？"},
};
constexpr story_step roxan_3[] = {
    {st::picture, "girl00.bmp"},
    {st::say, "ねえ、どうしよう！"},
    {st::say, "整形って、ひゃくまんえんくらいかかるんだって！"},
    {st::say, "わたしそんなに持ってない！！…ウワーン！"},
    {st::say, "…整形できなきゃ、弁護士とかお医者さんのタマゴノリできない！"},
    {st::say, "…もうお終いだ！"},
};

// The owner on the brand shop in the new mall.
constexpr const char* owner_love7[] = {"....ところでよ、隣にできたショッピングモールの事だけど",
                                       "あそこに入ったファンシーブランドの店のせいで",
                                       "最近、客足が減ってるんだよ…",
                                       "『Ｌｏｖｅ７』とかいう…ブランド店だかなんだか知らねーが…",
                                       "なんでも、オーナーがあのわたっ娘をスカウトして",
                                       "…店長にさせてるらしい…",
                                       "あー…むかついてしゃーねーや…"};

template <std::size_t n>
story_stage stage_of(const story_step (&steps)[n]) {
  return {steps, int(n)};
}

template <std::size_t n>
said_lines lines_of(const char* const (&lines)[n]) {
  return {lines, int(n)};
}

}  // namespace

// The other stories are still to be written.
story_stage story_script(int slot, int stage) {
  if (slot == 8 && stage == 1) return stage_of(roxan_1);
  if (slot == 8 && stage == 2) return stage_of(roxan_2);
  if (slot == 8 && stage == 3) return stage_of(roxan_3);
  return {};
}

said_lines owner_tale(int slot) {
  if (slot == 6) return lines_of(owner_love7);
  return {};
}

}  // namespace game
