#include "customers/story_scripts.h"

#include <iterator>

namespace game {

namespace {

using st = story_step;

// Sounds inside a scene play on wave slot 4: slots 1 and 5 carry the typing clicks of every
// line, 2 and 5 the knock and the door, 3 the landlord's theme, so slot 4 is the one a thunder
// clap or a song can ring out on without being cut by the next line.
constexpr int scene_wave = 4;

constexpr story_step thunder[] = {
    {st::sound, "kaminari.wav", scene_wave},
    {st::narrate, "ピカ！！ゴロゴロ…！"},
};

// ---- slot 8: ロクサン, the girl who dreams of a fancy-goods shop of her own ----
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

// ---- slot 9: 死美ちゃん, whose name frightens her classmates, and the go board ----
constexpr story_step shibi_1[] = {
    {st::picture, "girl01.bmp"},
    {st::say, "…こんばんは。死美だよ"},
    {st::say, "…学校でね、名前がこわいって、みんな逃げるの"},
    {st::say, "…店員さんは、死美のこと、こわくない？"},
};
constexpr story_step shibi_2[] = {
    {st::picture, "girl01.bmp"},
    {st::say, "…あのね、クラスに囲碁の好きな子がいたの"},
    {st::say, "死美もね、囲碁だけは得意なの"},
    {st::say, "ここで買ったピンクの碁盤、おうちにあるから…"},
    {st::say, "明日、いっしょに打とうって、言ってみるの"},
    {st::say, "…でも、こわいって言われたら、どうしよう"},
    {st::say, "…死美、がんばる。見ててね"},
};
constexpr story_step shibi_3[] = {
    {st::picture, "girl01.bmp"},
    {st::say, "…言えたよ。いっしょに打ったの"},
    {st::say, "あの子ね、死美って名前、かっこいいって…"},
    {st::say, "…死美、お友達できた。…ありがと"},
};

// ---- slot 10: 平堂院エリカ walks to the shop without her chauffeur, and meets the ditch ----
constexpr story_step erika_1[] = {
    {st::picture, "dobu.bmp"},
    {st::say, "ううっ…お店の前のドブに落ちましたわ…"},
    {st::picture, "girl02.bmp"},
    {st::say, "…こほん。タオル、感謝いたしますわ"},
    {st::say, "爺やの車を使わず、ひとりで歩いてまいりましたの"},
};
constexpr story_step erika_2[] = {
    {st::picture, "dobu.bmp"},
    {st::say, "…また、あのドブに落ちましたわ…"},
    {st::picture, "girl02.bmp"},
    {st::say, "でも今日は、お屋敷からひとりで来られましたのよ"},
    {st::say, "次こそ、あのドブを飛び越えてみせますわ。おほほ"},
};

// ---- slot 11: 花豆 and his rhinoceros beetle ----
constexpr story_step hanamame_1[] = {
    {st::picture, "boy00.bmp"},
    {st::say, "おっす！聞いてくれよ、すげーの捕まえたんだ！"},
    {st::say, "でっかいかぶとむし！名前はカブ太郎！"},
    {st::say, "ここで買った飼育小屋で飼ってんだぜ"},
    {st::say, "毎日スイカやってるから、どんどん強くなるぞ！"},
};
constexpr story_step hanamame_2[] = {
    {st::picture, "boy00.bmp"},
    {st::say, "おっす…あのさ、カブ太郎のことなんだけど"},
    {st::say, "最近元気なくてさ、森に帰してやったんだ"},
    {st::say, "へへっ…べ、べつに泣いてねーよ！"},
    {st::say, "来年の夏、あいつの子どもを探しに行くんだ！"},
};

// ---- slot 12: はりね and the black cat in her garden ----
constexpr story_step harine_1[] = {
    {st::picture, "girl03.bmp"},
    {st::say, "こんばんはー。ねえねえ、聞いてくれる？"},
    {st::say, "うちの庭にね、毎晩黒猫さんが来るの"},
    {st::say, "飼いたいんだけど、ママがだめって…"},
};
constexpr story_step harine_2[] = {
    {st::picture, "girl03.bmp"},
    {st::say, "こんばんはー！黒猫さん、うちの子になったの！"},
    {st::say, "ママね、寝顔を見たらメロメロになっちゃって"},
    {st::say, "名前はクロチール。今度つれてくるねー"},
};

// ---- slot 13: ヒコ゜ピコ゜ヒコ゜クン's great book of poo ----
constexpr story_step hiko_1[] = {
    {st::picture, "boy01.bmp"},
    {st::say, "うんちうんちー！ねえ店員さん、聞いて聞いて！"},
    {st::say, "ぼく、世界一のうんち図鑑を作るんだ！"},
    {st::say, "ここのうんちノートに、百個かくんだぜ！"},
};
constexpr story_step hiko_2[] = {
    {st::picture, "boy01.bmp"},
    {st::say, "うっひょー！うんち図鑑、五十個までいったよ！"},
    {st::say, "ゾウのうんちと、ウサギのうんちと…"},
    {st::say, "でも母ちゃんに、ごはん中に見せたら怒られた"},
    {st::say, "なんでだろ？こんなにキラキラしてるのに"},
};
constexpr story_step hiko_3[] = {
    {st::picture, "boy01.bmp"},
    {st::say, "うんちうんちー！ついに百個かけたぜ！"},
    {st::say, "夏休みの自由研究に出すことにしたんだ"},
    {st::say, "先生、すっごい顔して見てたけど…"},
    {st::say, "あれはきっと、感動してたんだよね！"},
};
constexpr story_step hiko_4[] = {
    {st::picture, "boy01.bmp"},
    {st::say, "うっひょー！店員さん、大ニュース！"},
    {st::say, "うんち図鑑、学校で「努力賞」もらったぜ！"},
    {st::say, "次は宇宙一のうんち図鑑だ！うんちパワー全開！"},
};

// ---- slot 14: ぷん子 and the boy at the next desk ----
constexpr story_step punko_1[] = {
    {st::picture, "girl04.bmp"},
    {st::say, "ぷんぷん！べ、べつに用なんかないんだから！"},
    {st::say, "…となりの席の男子が、ムカつくだけよ！ぷん！"},
};
constexpr story_step punko_2[] = {
    {st::picture, "girl04.bmp"},
    {st::say, "ぷん！あいつ、来週誕生日なんだって"},
    {st::say, "べ、べつにプレゼントなんか、あげないんだから！"},
    {st::say, "…男子って、何もらったら喜ぶの？ぷん"},
};
constexpr story_step punko_3[] = {
    {st::picture, "girl04.bmp"},
    {st::say, "お魚ステッキで占ったら、「素直になれ」だって"},
    {st::say, "素直って何よ！ぷんぷん！"},
    {st::say, "…でも、プレゼント、もう用意しちゃった"},
    {st::say, "かわいいチールで包んだから、大丈夫よね…？"},
};
constexpr story_step punko_4[] = {
    {st::picture, "girl04.bmp"},
    {st::say, "…渡したわよ、プレゼント"},
    {st::say, "あいつ、すっごく喜んでた"},
    {st::say, "「ぷん子って、やさしいんだな」だって…"},
    {st::say, "べ、べつに嬉しくなんかないんだからね！"},
    {st::say, "…でも、ちょっとだけ、ありがと"},
    {st::say, "…ぷん"},
};

// ---- slot 15: としくん, who fears nothing, and the thunder ----
constexpr story_step toshi_1[] = {
    {st::picture, "boy02.bmp"},
    {st::say, "よう。夜の店って、なんかいいよね"},
    {st::say, "オレ、闇とか死神とか、そういうのが好きなんだ"},
    {st::say, "こわいものなんて、ひとつもないし"},
    {st::say, "夜道だって平気さ。…じゃ、帰るよ"},
};
constexpr story_step toshi_2[] = {
    {st::picture, "boy02.bmp"},
    {st::say, "よう。今夜は空が暗くて、いい感じだね"},
    thunder[0],
    thunder[1],
    {st::narrate, "雷のようだ...."},
    {st::say, "うわあああっ！！…い、今のは見なかったことに！"},
    {st::say, "…ほんとは、うさくまがいないと眠れないんだ"},
};

// ---- slot 16: セブン shelters from the storm; thunder reminds him of his teacher ----
constexpr story_step seven_1[] = {
    {st::picture, "seven2.bmp"},
    thunder[0],
    thunder[1],
    {st::narrate, "雷....!?"},
    {st::say, "…すまない、少し雨宿りをさせてくれ"},
    {st::say, "オレはセブン。Love7という店をやっている"},
    {st::say, "ふむ…夜の灯りの下でも、いい店だな"},
};
constexpr story_step seven_2[] = {
    {st::picture, "seven2.bmp"},
    {st::say, "また雨に降られてしまった…"},
    thunder[0],
    thunder[1],
    {st::say, "…雷の夜は、昔のことを思い出す"},
    {st::say, "オレにファンシーを教えてくれた人がいてな…"},
};
constexpr story_step seven_3[] = {
    {st::picture, "seven2.bmp"},
    {st::say, "今夜は晴れたな。この前は世話になった"},
    {st::say, "この店の品ぞろえ…あの人の好みにそっくりだ"},
    {st::say, "…いや、独り言だ。また来る"},
};

// ---- slot 17: ツン runs from ムン's watchful eye, and finds out what being alone is ----
constexpr story_step tsun_1[] = {
    {st::picture, "tun2.bmp"},
    {st::say, "あ、あの…少しだけ、ここにいさせてください"},
    {st::say, "ムンから逃げてきたんです…"},
    {st::say, "ムンったら、わたしがどこへ行ってもついてくるの"},
    {st::say, "…たまには、ひとりで歩いてみたいのに"},
};
constexpr story_step tsun_2[] = {
    {st::picture, "tun2.bmp"},
    {st::say, "ムンの声が！…す、すみません、失礼します！！"},
};
constexpr story_step tsun_3[] = {
    {st::picture, "tun2.bmp"},
    {st::say, "…ムンに、もうほっといてって言っちゃいました"},
    {st::say, "そしたらムン、ほんとに来なくなって…"},
    {st::say, "…ひとりって、こんなにさみしかったんですね"},
};

// ---- slot 18: ムン, the same quarrel from the other side ----
constexpr story_step mun_1[] = {
    {st::picture, "mun.bmp"},
    {st::say, "おい！ここにツンが来なかったか！？"},
    {st::say, "隠すと、ためにならねえぞ！！"},
    {st::say, "…フン、来てねえならいい。じゃあな"},
};
constexpr story_step mun_2[] = {
    {st::picture, "mun.bmp"},
    {st::say, "…ツンのやつ、最近オレを避けてやがる"},
    {st::say, "オレはただ、あいつが危ねえ目にあわねえように…"},
    {st::say, "…フン、てめえに話すことじゃねえ"},
};
constexpr story_step mun_3[] = {
    {st::picture, "mun.bmp"},
    {st::say, "…ツンに、もうほっといてって言われた"},
    {st::say, "だから、これからは遠くで見守るだけにする"},
    {st::say, "…フン、さみしくなんか、ねえよ…"},
};

// ---- slot 19: わたっ娘, manager of Love7, drops her disguise ----
constexpr story_step wata_1[] = {
    {st::picture, "wata.bmp"},
    {st::say, "ジャーン☆わたっ娘で→す！Love7の店長なのｖ"},
    {st::say, "…え、怪しい人？し、知らないよ→そんな人☆"},
};
constexpr story_step wata_2[] = {
    {st::picture, "wata.bmp"},
    {st::say, "は→…今日はちょっと、ぐちを言いに来たの"},
    {st::say, "Love7って、売り上げ売り上げって、そればっか"},
    {st::say, "このお店みたいに、好きなチールを貼りたいな…"},
    {st::say, "…なんてね☆今の、セブン様にはナイショだよｖ"},
};

// ---- the owner's tales ----

// The brand shop in the new mall.
constexpr const char* owner_love7[] = {"....ところでよ、隣にできたショッピングモールの事だけど",
                                       "あそこに入ったファンシーブランドの店のせいで",
                                       "最近、客足が減ってるんだよ…",
                                       "『Ｌｏｖｅ７』とかいう…ブランド店だかなんだか知らねーが…",
                                       "なんでも、オーナーがあのわたっ娘をスカウトして",
                                       "…店長にさせてるらしい…",
                                       "あー…むかついてしゃーねーや…"};

// His youth: the town's toughest brawler, who collected seals on the quiet.
constexpr const char* owner_youth[] = {"....そういや、俺の若い頃の話はしたっけか",
                                       "俺はな、この町じゃ名の知れたケンカ番長でよ",
                                       "向かうところ敵なしってやつよ",
                                       "…だがな、ほんとはこっそりチール集めてたんじゃ",
                                       "ケンカの帰りに可愛いチールを買うのが楽しみでよ",
                                       "…おっと、つまんねえ昔話しちゃったぜ…"};

// His years in the laboratory, and the cheeky assistant.
constexpr const char* owner_scientist[] = {"....こう見えても俺はな、昔は科学者だったんだぜ",
                                           "研究所で、チールの研究をしてたんじゃ",
                                           "世界一キラキラ光るチールを作るのが夢でよ",
                                           "生意気な助手がいてな、いっつも俺のまねばっかよ",
                                           "…まあ、センスは悪くなかったがな",
                                           "あの頃は、寝るのも忘れて研究してたもんだぜ",
                                           "…おっと、つまんねえ昔話しちゃったぜ…"};

// How he lost his sight, and how he came to keep this shop.
constexpr const char* owner_sight[] = {"....俺の目がなんで見えねえか、教えてやろうか",
                                       "ある雷の晩よ、とうとうそのチールができてな",
                                       "あんまりキラキラしてっから、じーっと見ちまった",
                                       "気がついたら、何にも見えなくなってたってわけよ",
                                       "それで研究はやめて、この店を始めたんじゃ",
                                       "チールってのはな、目じゃねえ、心で貼るもんだぜ",
                                       "…おっと、つまんねえ昔話しちゃったぜ…"};

template <std::size_t n>
constexpr story_stage stage_of(const story_step (&steps)[n]) {
  return {steps, int(n)};
}

template <std::size_t n>
constexpr said_lines lines_of(const char* const (&lines)[n]) {
  return {lines, int(n)};
}

struct story_entry {
  int slot;
  story_stage stages[4];
};

// Every story by its progress slot (33 holds none).
constexpr story_entry stories[] = {
    {8, {stage_of(roxan_1), stage_of(roxan_2), stage_of(roxan_3)}},
    {9, {stage_of(shibi_1), stage_of(shibi_2), stage_of(shibi_3)}},
    {10, {stage_of(erika_1), stage_of(erika_2)}},
    {11, {stage_of(hanamame_1), stage_of(hanamame_2)}},
    {12, {stage_of(harine_1), stage_of(harine_2)}},
    {13, {stage_of(hiko_1), stage_of(hiko_2), stage_of(hiko_3), stage_of(hiko_4)}},
    {14, {stage_of(punko_1), stage_of(punko_2), stage_of(punko_3), stage_of(punko_4)}},
    {15, {stage_of(toshi_1), stage_of(toshi_2)}},
    {16, {stage_of(seven_1), stage_of(seven_2), stage_of(seven_3)}},
    {17, {stage_of(tsun_1), stage_of(tsun_2), stage_of(tsun_3)}},
    {18, {stage_of(mun_1), stage_of(mun_2), stage_of(mun_3)}},
    {19, {stage_of(wata_1), stage_of(wata_2)}},
};

}  // namespace

story_stage story_script(int slot, int stage) {
  if (stage < 1 || stage > 4) return {};
  for (const story_entry& s : stories)
    if (s.slot == slot) return s.stages[stage - 1];
  return {};
}

said_lines owner_tale(int slot) {
  switch (slot) {
    case 0:
      return lines_of(owner_youth);
    case 1:
      return lines_of(owner_scientist);
    case 2:
      return lines_of(owner_sight);
    case 6:
      return lines_of(owner_love7);
    default:
      return {};
  }
}

}  // namespace game
