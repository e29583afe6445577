#include "customers/story_lines.h"

#include <iterator>

namespace game {

namespace {

// ロクサン, the girl who dreams of a fancy-goods shop of her own.
constexpr const char* roxan_1[] = {"わたし、大きくなったらファンシーショップやるんだ",
                                   "ねえ、この店はどうして可愛いの？", "ねえ、教えて！"};
constexpr const char* roxan_2[] = {
    "わたし、大きくなったらすんごく可愛いお姉さんになるの", "ねえ、整形って何円くらいかかる？",
    "わたし今、郵便貯金で二万円も貯めてるの", "ねえ、これで足りる？"};
constexpr const char* roxan_3[] = {
    "ねえ、どうしよう！", "整形って、ひゃくまんえんくらいかかるんだって！",
    "わたしそんなに持ってない！！…ウワーン！",
    "…整形できなきゃ、弁護士とかお医者さんのタマゴノリできない！", "…もうお終いだ！"};

// The owner on the brand shop in the new mall.
constexpr const char* owner_love7[] = {"....ところでよ、隣にできたショッピングモールの事だけど",
                                       "あそこに入ったファンシーブランドの店のせいで",
                                       "最近、客足が減ってるんだよ…",
                                       "『Ｌｏｖｅ７』とかいう…ブランド店だかなんだか知らねーが…",
                                       "なんでも、オーナーがあのわたっ娘をスカウトして",
                                       "…店長にさせてるらしい…",
                                       "あー…むかついてしゃーねーや…"};

template <std::size_t n>
said_lines of(const char* const (&lines)[n]) {
  return {lines, int(n)};
}

}  // namespace

// The other stories are still to be written.
said_lines story_lines(int slot, int stage) {
  if (slot == 8 && stage == 1) return of(roxan_1);
  if (slot == 8 && stage == 2) return of(roxan_2);
  if (slot == 8 && stage == 3) return of(roxan_3);
  return {};
}

said_lines owner_tale(int slot) {
  if (slot == 6) return of(owner_love7);
  return {};
}

}  // namespace game
