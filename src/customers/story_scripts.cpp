#include "customers/story_scripts.h"

#include <iterator>

#include "platform/i18n.h"

namespace game {

namespace {

using st = story_step;

// Sounds inside a scene play on wave slot 4: slots 1 and 5 carry the typing clicks of every
// line, 2 and 5 the knock and the door, 3 the landlord's theme, so slot 4 is the one a thunder
// clap or a song can ring out on without being cut by the next line.
constexpr int scene_wave = 4;

constexpr story_step thunder[] = {
    {st::sound, "kaminari.wav", scene_wave},
    {st::narrate, N_("ピカ！！ゴロゴロ…！")},
};

// ---- slot 8: ロクサン, the girl who dreams of a fancy-goods shop of her own ----
constexpr story_step roxan_1[] = {
    {st::picture, "girl00.bmp"},
    {st::say, N_("わたし、大きくなったらファンシーショップやるんだ")},
    {st::say, N_("ねえ、この店はどうして可愛いの？")},
    {st::say, N_("ねえ、教えて！")},
};
constexpr story_step roxan_2[] = {
    {st::picture, "girl00.bmp"},
    {st::say, N_("わたし、大きくなったらすんごく可愛いお姉さんになるの")},
    {st::say, N_("ねえ、整形って何円くらいかかる？")},
    {st::say, N_("わたし今、郵便貯金で二万円も貯めてるの")},
    {st::say, N_("ねえ、これで足りる？")},
};
constexpr story_step roxan_3[] = {
    {st::picture, "girl00.bmp"},
    {st::say, N_("ねえ、どうしよう！")},
    {st::say, N_("整形って、ひゃくまんえんくらいかかるんだって！")},
    {st::say, N_("わたしそんなに持ってない！！…ウワーン！")},
    {st::say, N_("…整形できなきゃ、弁護士とかお医者さんのタマゴノリできない！")},
    {st::say, N_("…もうお終いだ！")},
};

// ---- slot 9: 死美ちゃん, whose name frightens her classmates, and the go board ----
constexpr story_step shibi_1[] = {
    {st::picture, "girl01.bmp"},
    {st::say, N_("…こんばんは。死美だよ")},
    {st::say, N_("…学校でね、名前がこわいって、みんな逃げるの")},
    {st::say, N_("…店員さんは、死美のこと、こわくない？")},
};
constexpr story_step shibi_2[] = {
    {st::picture, "girl01.bmp"},
    {st::say, N_("…あのね、クラスに囲碁の好きな子がいたの")},
    {st::say, N_("死美もね、囲碁だけは得意なの")},
    {st::say, N_("ここで買ったピンクの碁盤、おうちにあるから…")},
    {st::say, N_("明日、いっしょに打とうって、言ってみるの")},
    {st::say, N_("…でも、こわいって言われたら、どうしよう")},
    {st::say, N_("…死美、がんばる。見ててね")},
};
constexpr story_step shibi_3[] = {
    {st::picture, "girl01.bmp"},
    {st::say, N_("…言えたよ。いっしょに打ったの")},
    {st::say, N_("あの子ね、死美って名前、かっこいいって…")},
    {st::say, N_("…死美、お友達できた。…ありがと")},
};

// ---- slot 10: 平堂院エリカ walks to the shop without her chauffeur, and meets the ditch ----
constexpr story_step erika_1[] = {
    {st::picture, "dobu.bmp"},
    {st::say, N_("ううっ…お店の前のドブに落ちましたわ…")},
    {st::picture, "girl02.bmp"},
    {st::say, N_("…こほん。タオル、感謝いたしますわ")},
    {st::say, N_("爺やの車を途中で降りて、歩いてまいりましたの")},
};
constexpr story_step erika_2[] = {
    {st::picture, "dobu.bmp"},
    {st::say, N_("…また、あのドブに落ちましたわ…")},
    {st::picture, "girl02.bmp"},
    {st::say, N_("でも今日は、お屋敷からずっと歩いてきましたのよ")},
    {st::say, N_("次こそ、あのドブを飛び越えてみせますわ。おほほ")},
};

// ---- slot 11: 花豆 and his rhinoceros beetle ----
constexpr story_step hanamame_1[] = {
    {st::picture, "boy00.bmp"},
    {st::say, N_("おっす！なあなあ、すげーの捕まえたんだ！")},
    {st::say, N_("でっかいかぶとむし！名前はカブ太郎！")},
    {st::say, N_("ここで買った飼育小屋で飼ってんだぜ")},
    {st::say, N_("毎日昆虫ゼリーやってるから、どんどん強くなるぞ！")},
};
constexpr story_step hanamame_2[] = {
    {st::picture, "boy00.bmp"},
    {st::say, N_("おっす…あのさ、カブ太郎のことなんだけど")},
    {st::say, N_("かぶとむしって、夏が終わると弱っちまうんだって")},
    {st::say, N_("だから森に帰してやった。へへっ…泣いてねーよ！")},
    {st::say, N_("来年の夏、あいつの子どもを探しに行くんだ！")},
};

// ---- slot 12: はりね and the black cat in her garden ----
constexpr story_step harine_1[] = {
    {st::picture, "girl03.bmp"},
    {st::say, N_("こんばんはー。ねえねえ、猫ってすき？")},
    {st::say, N_("うちの庭にね、毎晩黒猫さんが来るの")},
    {st::say, N_("飼いたいんだけど、ママがだめって…")},
};
constexpr story_step harine_2[] = {
    {st::picture, "girl03.bmp"},
    {st::say, N_("こんばんはー！黒猫さん、うちの子になったの！")},
    {st::say, N_("ママね、あの子の寝顔見てメロメロになったの")},
    {st::say, N_("名前はクロチール。今度つれてくるねー")},
};

// ---- slot 13: ヒコ゜ピコ゜ヒコ゜クン's great book of poo ----
constexpr story_step hiko_1[] = {
    {st::picture, "boy01.bmp"},
    {st::say, N_("うんちうんちー！店員さん、ぼく決めたんだ！")},
    {st::say, N_("世界一のうんち図鑑を作るんだ！")},
    {st::say, N_("ここのうんちノートに、百個かくんだぜ！")},
};
constexpr story_step hiko_2[] = {
    {st::picture, "boy01.bmp"},
    {st::say, N_("うっひょー！うんち図鑑、五十個までいったよ！")},
    {st::say, N_("ゾウのうんちと、ウサギのうんちと…")},
    {st::say, N_("でも母ちゃんに、ごはん中に見せたら怒られた")},
    {st::say, N_("なんでだろ？こんなにキラキラしてるのに")},
};
constexpr story_step hiko_3[] = {
    {st::picture, "boy01.bmp"},
    {st::say, N_("うんちうんちー！ついに百個かけたぜ！")},
    {st::say, N_("夏休みの自由研究に出すことにしたんだ")},
    {st::say, N_("先生、すっごい顔して見てたけど…")},
    {st::say, N_("あれはきっと、感動してたんだよね！")},
};
constexpr story_step hiko_4[] = {
    {st::picture, "boy01.bmp"},
    {st::say, N_("うっひょー！店員さん、大ニュース！")},
    {st::say, N_("うんち図鑑、学校で「努力賞」もらったぜ！")},
    {st::say, N_("次は宇宙一のうんち図鑑だ！うんちパワー全開！")},
};

// ---- slot 14: ぷん子 and the boy at the next desk ----
constexpr story_step punko_1[] = {
    {st::picture, "girl04.bmp"},
    {st::say, N_("ぷんぷん！べ、べつに用なんかないんだから！")},
    {st::say, N_("…となりの席の男子が、ムカつくだけよ！ぷん！")},
};
constexpr story_step punko_2[] = {
    {st::picture, "girl04.bmp"},
    {st::say, N_("ぷん！あいつ、来週誕生日なんだって")},
    {st::say, N_("べ、べつにプレゼントなんか、あげないんだから！")},
    {st::say, N_("…男子って、何もらったら喜ぶの？ぷん")},
};
constexpr story_step punko_3[] = {
    {st::picture, "girl04.bmp"},
    {st::say, N_("お魚ステッキで占ったら、「素直になれ」だって")},
    {st::say, N_("素直って何よ！ぷんぷん！")},
    {st::say, N_("…でも、プレゼント、もう用意しちゃった")},
    {st::say, N_("かわいいチールで包んだから、大丈夫よね…？")},
};
constexpr story_step punko_4[] = {
    {st::picture, "girl04.bmp"},
    {st::say, N_("…渡したわよ、プレゼント")},
    {st::say, N_("あいつ、すっごく喜んでた")},
    {st::say, N_("「ぷん子って、やさしいんだな」だって…")},
    {st::say, N_("べ、べつに嬉しくなんかないんだからね！")},
    {st::say, N_("…でも、ちょっとだけ、ありがと")},
    {st::say, N_("…ぷん")},
};

// ---- slot 15: としくん, who fears nothing, and the thunder ----
constexpr story_step toshi_1[] = {
    {st::picture, "boy02.bmp"},
    {st::say, N_("やあ。夜の店って、なんかいいよね")},
    {st::say, N_("オレ、闇とか死神とか、そういうのが好きなんだ")},
    {st::say, N_("こわいものなんて、ひとつもないし")},
    {st::say, N_("夜道だって平気さ。…じゃ、帰るよ")},
};
constexpr story_step toshi_2[] = {
    {st::picture, "boy02.bmp"},
    {st::say, N_("やあ。今夜は空が暗くて、いい感じだね")},
    thunder[0],
    thunder[1],
    {st::narrate, N_("雷のようだ....")},
    {st::say, N_("うわあああっ！！…い、今のは見なかったことに！")},
    {st::say, N_("…ほんとは、うさくまがいないと眠れないんだ")},
};

// ---- slot 16: セブン shelters from the storm; thunder reminds him of his teacher ----
constexpr story_step seven_1[] = {
    {st::picture, "seven2.bmp"},
    thunder[0],
    thunder[1],
    {st::narrate, N_("雷....!?")},
    {st::say, N_("…すまない、少し雨宿りをさせてくれ")},
    {st::say, N_("オレはセブン。Love7という店をやっている")},
    {st::say, N_("ふむ…夜の灯りの下でも、いい店だな")},
};
constexpr story_step seven_2[] = {
    {st::picture, "seven2.bmp"},
    {st::say, N_("また雨に降られてしまった…")},
    thunder[0],
    thunder[1],
    {st::say, N_("…雷の夜は、昔のことを思い出す")},
    {st::say, N_("オレにファンシーを教えてくれた人がいてな…")},
};
constexpr story_step seven_3[] = {
    {st::picture, "seven2.bmp"},
    {st::say, N_("今夜は晴れたな。この前は世話になった")},
    {st::say, N_("この店の品ぞろえ…あの人の好みにそっくりだ")},
    {st::say, N_("…いや、独り言だ。また来る")},
};

// ---- slot 17: ツン runs from ムン's watchful eye, and finds out what being alone is ----
constexpr story_step tsun_1[] = {
    {st::picture, "tun2.bmp"},
    {st::say, N_("あ、あの…少しだけ、ここにいさせてください")},
    {st::say, N_("ムンから逃げてきたんです…")},
    {st::say, N_("ムンったら、どこへ行ってもついてくるんです")},
    {st::say, N_("…たまには、ひとりで歩いてみたいのに")},
};
constexpr story_step tsun_2[] = {
    {st::picture, "tun2.bmp"},
    {st::say, N_("ムンの声が！…す、すみません、失礼します！！")},
};
constexpr story_step tsun_3[] = {
    {st::picture, "tun2.bmp"},
    {st::say, N_("…ムンに、もうほっといてって言っちゃいました")},
    {st::say, N_("そしたらムン、ほんとに来なくなって…")},
    {st::say, N_("…ひとりって、こんなにさみしかったんですね")},
};

// ---- slot 18: ムン, the same quarrel from the other side ----
constexpr story_step mun_1[] = {
    {st::picture, "mun.bmp"},
    {st::say, N_("おい！ここにツンが来なかったか！？")},
    {st::say, N_("隠すと、ためにならねえぞ！！")},
    {st::say, N_("…フン、来てねえならいい。じゃあな")},
};
constexpr story_step mun_2[] = {
    {st::picture, "mun.bmp"},
    {st::say, N_("…ツンのやつ、最近オレを避けてやがる")},
    {st::say, N_("オレはただ、あいつが危ねえ目にあわねえように…")},
    {st::say, N_("…フン、てめえに話すことじゃねえ")},
};
constexpr story_step mun_3[] = {
    {st::picture, "mun.bmp"},
    {st::say, N_("…ツンに、もうほっといてって言われた")},
    {st::say, N_("だから、これからは遠くで見守るだけにする")},
    {st::say, N_("…フン、さみしくなんか、ねえよ…")},
};

// ---- slot 19: わたっ娘, manager of Love7, drops her disguise ----
constexpr story_step wata_1[] = {
    {st::picture, "wata.bmp"},
    {st::say, N_("ジャーン☆わたっ娘で→す！Love7の店長なのｖ")},
    {st::say, N_("…ねえ、怪しい人とか来てないよね→？☆")},
};
constexpr story_step wata_2[] = {
    {st::picture, "wata.bmp"},
    {st::say, N_("は→…今日はちょっと、ぐちを言いに来たの")},
    {st::say, N_("Love7って、売り上げ売り上げって、そればっか")},
    {st::say, N_("このお店みたいに、好きなチールを貼りたいな…")},
    {st::say, N_("…なんてね☆今の、セブン様にはナイショだよｖ")},
};

// ---- slot 20: ユカリー, who adores わたちゃん, goes to see her at Love7 ----
constexpr story_step yukari_1[] = {
    {st::picture, "yukari2.bmp"},
    {st::say, N_("ユカリーだよっ♪聞いて聞いて！")},
    {st::say, N_("わたちゃんがね、Love7の店長さんになったの！")},
    {st::say, N_("今度、会いに行っちゃうんだ♪")},
};
constexpr story_step yukari_2[] = {
    {st::picture, "yukari.bmp"},
    {st::say, N_("…ユカリーね、Love7に行ってきたの")},
    {st::say, N_("わたちゃん、忙しそうで、お話できなかった…")},
    {st::picture, "yukari2.bmp"},
    {st::say, N_("でも帰りに、こっそり手をふってくれたの♪")},
};

// ---- slot 21: モナト's invention, モナト素, and its one side effect ----
constexpr story_step monato_1[] = {
    {st::picture, "monato2.bmp"},
    {st::say, N_("モナトなのだ！大発明なのだ！")},
    {st::say, N_("なめると元気が出る「モナト素」を作ったのだ")},
    {st::say, N_("この店でも売ってもらっているのだ")},
    {st::say, N_("…しびれるのは、ちょっとした副作用なのだ")},
};
constexpr story_step monato_2[] = {
    {st::picture, "monato.bmp"},
    {st::say, N_("モナトなのだ…")},
    {st::say, N_("モナト素、あんまり売れないのだ")},
    {st::say, N_("みんな、しびれるのがイヤみたいなのだ")},
    {st::say, N_("だから改良するのだ。いちご味にするのだ")},
    {st::say, N_("いちご味なら、きっとみんな喜ぶのだ")},
};
constexpr story_step monato_3[] = {
    {st::picture, "monato.bmp"},
    {st::say, N_("モナトなのだ")},
    {st::say, N_("いちご味のモナト素、できたのだ")},
    {st::say, N_("しびれは、やっぱり取れなかったのだ")},
    {st::say, N_("…なのに、そのしびれがクセになると評判なのだ")},
    {st::say, N_("科学とは、ふしぎなものなのだ")},
};

// ---- slot 22: 天伊優香 wants to design seals ----
constexpr story_step yuuka_1[] = {
    {st::picture, "yuuka.bmp"},
    {st::say, N_("あなたのチールのセンス、なかなかのものね")},
    {st::say, N_("実はわたし、チールのデザイナーを目指してるの")},
    {st::say, N_("…今度、わたしの描いたチールを見てくれる？")},
};
constexpr story_step yuuka_2[] = {
    {st::picture, "yuuka.bmp"},
    {st::say, N_("この前見せたチール、協会の賞をとったわ")},
    {st::say, N_("あの時のあなたの顔で、自信がついたのよ")},
    {st::say, N_("…お店に並んだら、最初に使ってよね")},
};

// ---- slot 23: どこかの国の王様, a king in exile, and the son who writes to him ----
constexpr story_step king_1[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, N_("・・・夜分に・・・すまぬ・・・")},
    {st::say, N_("・・・余は・・・遠い国の王であった・・・")},
    {st::say, N_("・・・暴君と呼ばれ・・・国を追われた・・・")},
};
constexpr story_step king_2[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, N_("・・・余には・・・息子がおる・・・")},
    {st::say, N_("・・・あやつも・・・この店に来るそうな・・・")},
    {st::say, N_("・・・余を・・・恨んでおろう・・・")},
    {st::say, N_("・・・・・・・")},
};
constexpr story_step king_3[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, N_("・・・息子から・・・包みが届いた・・・")},
    {st::say, N_("・・・絹のパジャマが・・・入っておった・・・")},
    {st::say, N_("・・・「父上、お風邪など召されませぬよう」・・・")},
    {st::say, N_("・・・・・・・")},
    {st::say, N_("・・・余は・・・よい息子を持った・・・")},
};

// ---- slot 24: ノブヒー's real name ----
constexpr story_step nobuhi_1[] = {
    {st::picture, "nobuhi.bmp"},
    {st::say, N_("イェーイ！ノブヒーだぜ！今夜はオフなんだ")},
    {st::say, N_("実はオレの本名、のぶひとっていうんだ")},
    {st::say, N_("田舎の母ちゃんが、オレのＣＤ全部買ってくれてさ")},
    {st::say, N_("…ロックだぜ、母ちゃん。サンキュー、ベイベー")},
};

// ---- slot 25: バイオン on his night round, who will see the clerk home ----
constexpr story_step bione_1[] = {
    {st::picture, "bione.bmp"},
    {st::say, N_("騎士バイオン、夜回りの途中にて参上いたした！")},
    {st::say, N_("店員殿、今宵の帰り道は拙者がお守りいたそう！")},
    {st::say, N_("…して、拙者の帰り道は、どちらでござったかな？")},
};

// ---- slot 26: 運坊, grown up, and the rainbow seal on his mother's present ----
constexpr story_step unbou_1[] = {
    {st::picture, "unbou2.bmp"},
    {st::say, N_("ちわっす。懐かしくて、つい寄っちゃったっす")},
    {st::say, N_("オレ、ガキの頃は「うんぼう」って呼ばれてたっす")},
    {st::say, N_("うんちのチールばっか集めてたからっすよ")},
    {st::say, N_("…でも、にじのチールだけは特別なんす")},
};
constexpr story_step unbou_2[] = {
    {st::picture, "unbou2.bmp"},
    {st::say, N_("ちわっす。今日は、にじのチールの話っす")},
    {st::say, N_("昔、母ちゃんへのプレゼントに貼ってもらったっす")},
    {st::say, N_("母ちゃん、今でもその包み紙を取ってあるんすよ")},
    {st::say, N_("今度の誕生日も、ここで包んでもらうっす！")},
};

// ---- slot 27: 徳次郎 and fifty years of go against 源さん ----
constexpr story_step toku_1[] = {
    {st::picture, "toku.bmp"},
    {st::say, N_("おう、若いの。遅くまで精が出るのう")},
    {st::say, N_("わしには五十年来の碁がたきがおってな")},
    {st::say, N_("そやつに、一度も勝ったことがないんじゃ")},
    {st::say, N_("今度こそ勝ってみせるわい")},
    {st::say, N_("この店の碁石のチールは、験がいいでな")},
};
constexpr story_step toku_2[] = {
    {st::picture, "toku.bmp"},
    {st::say, N_("おう、病院の帰りでな、寄らせてもろうた")},
    {st::say, N_("碁がたきの源さんが、入院してしもうてな")},
    {st::say, N_("見舞いに、ピンクの碁盤を持っていったんじゃ")},
    {st::say, N_("源さん、碁盤の色を見て笑い転げてのう")},
    {st::say, N_("笑いすぎて、一手まちがえおった")},
    {st::say, N_("…五十年目にして、わしの初勝利じゃ")},
    {st::say, N_("じゃが、こんな勝ち方はつまらんわい")},
    {st::say, N_("早う元気になれ、もう一番じゃと言うてきた")},
};

// ---- slot 28: リチャード goes home, his bags full of souvenirs ----
constexpr story_step richard_1[] = {
    {st::picture, "maichel.bmp"},
    {st::say, N_("Ｈｅｙ！リチャードデース！アシタ、国に帰りマス")},
    {st::say, N_("ニッポンのオミヤゲ、ゼンブこのお店で買いマシタ")},
    {st::say, N_("ゼンブ、ジブン用デース！ベリーサンキュー！")},
};

// ---- slot 29: ターミン becomes a big sister ----
constexpr story_step tamin_1[] = {
    {st::picture, "tam.bmp"},
    {st::say, N_("ターミンね、おねえちゃんになるの！")},
    {st::say, N_("ママのおなかに、赤ちゃんがいるんだよ")},
    {st::say, N_("ターミン、赤ちゃんにプレゼントあげるの！")},
};
constexpr story_step tamin_2[] = {
    {st::picture, "tam.bmp"},
    {st::say, N_("赤ちゃん、うまれたの！おとうとだよ！")},
    {st::say, N_("ちっちゃくて、うさちゃんのぬいぐるみみたいなの")},
    {st::say, N_("ターミン、おむつのおてつだいするの")},
};
constexpr story_step tamin_3[] = {
    {st::picture, "tam.bmp"},
    {st::say, N_("おとうとがね、ターミンを見てわらったの！")},
    {st::say, N_("うさちゃんのぬいぐるみあげたら、ぎゅってしたの")},
    {st::say, N_("ターミン、いいおねえちゃんになるの！")},
};

// ---- slot 30: 雲歩狼, grown up, plays his first gig ----
constexpr story_step unporo_1[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, N_("よう。ガキの頃、よくここに来てた雲歩狼だ")},
    {st::say, N_("あの頃は、うんちのキーホルダばっか買ってたな")},
    {st::say, N_("今はバンドでギター弾いてる。売れてねーけどな")},
};
constexpr story_step unporo_2[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, N_("今度、初めてのライブなんだ。…見に来てくれよな")},
};
constexpr story_step unporo_3[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, N_("ライブ、やったぜ。客は十人だったけどな")},
    {st::say, N_("一番前で、うんちのキーホルダ振るやつがいてさ")},
    {st::say, N_("…運坊のやつだよ。ったく、いいダチだぜ")},
};

// ---- slot 31: さなちゃん, a chick in the school play, looks for her own chick ----
constexpr story_step sanae_1[] = {
    {st::picture, "sanae3.bmp"},
    {st::say, N_("ピ、ピヨピヨ…じゃなくて、さなですっ！")},
    {st::say, N_("学園祭の劇で、ひよこの役になったんです")},
    {st::say, N_("練習してたら、うちのピヨちゃんが逃げちゃって…")},
    {st::say, N_("このお店のほうに来たと思うんですけど…")},
    {st::narrate, N_("…ガサガサ…")},
    {st::narrate, N_("レジの下からもう一羽がでてきた！")},
    {st::picture, "sanae2.bmp"},
    {st::say, N_("ピヨちゃん！よかったぁ…えへへ")},
};

// ---- slot 32: ぶぶこ is asked to tea by the head of the Goat brand ----
constexpr story_step bubuko_1[] = {
    {st::picture, "bubuko.bmp"},
    {st::say, N_("ごきげんよう…いいえ、ちっともごきげんじゃないわ")},
    {st::say, N_("ゴートブランドの社長さんに、お茶に誘われたの")},
    {st::say, N_("素敵な殿方だと思って、おめかしして行ったら…")},
    {st::picture, "bubuko2.bmp"},
    {st::say, N_("…ヤギだったのよ！本物のヤギ！失礼しちゃうわ！")},
};

// ---- slot 34: 紗智 writes a love story without ever having been in love ----
constexpr story_step sachi_1[] = {
    {st::picture, "sachi.bmp"},
    {st::say, N_("あの…こんばんは…")},
    {st::say, N_("わたし、小説を書いてるの…恋のお話…")},
};
constexpr story_step sachi_2[] = {
    {st::picture, "sachi.bmp"},
    {st::say, N_("…書けないの。恋のお話なのに")},
    {st::say, N_("わたし、恋ってしたことないから…")},
    {st::say, N_("…店員さんは、恋、したことある？")},
};
constexpr story_step sachi_3[] = {
    {st::picture, "sachi.bmp"},
    {st::say, N_("あの…小説、書けたの")},
    {st::say, N_("主人公はね、ファンシーショップの店員さん")},
    {st::say, N_("夜になると、いろんなお客さんが扉をたたくの")},
    {st::say, N_("…ちょっとだけ、エッチな場面もあるよ")},
    {st::say, N_("ふふ…誰がモデルかは、ひみつ")},
};

// ---- slot 35: ラプソディア comes in secret to see her own poster ----
constexpr story_step rhapsodia_1[] = {
    {st::picture, "rap.bmp"},
    {st::say, N_("ごきげんよう。お忍びでまいりましたの")},
    {st::say, N_("わたくしのポスター、どんな風に並んでいるかしら")},
    {st::say, N_("…あら、前よりお安くなっていますわね")},
    {st::say, N_("ふふ、いいわ。もっと歌って、値上げさせますわ")},
};

// ---- slot 36: カベイリア reads the stars and guards the shop against a black visitor ----
constexpr story_step kabeiria_1[] = {
    {st::picture, "kabe.bmp"},
    {st::say, N_("星が告げているわ…今夜、この店に何かが来る")},
    {st::say, N_("黒くて、すばやい影…泥棒かもしれないわね")},
    {st::say, N_("心配いらないわ。魔除けの呪文をかけておいたから")},
    {st::say, N_("ふふ…あなたに星の加護を。おやすみなさい")},
    {st::background, "yoru.bmp"},
    {st::narrate, N_("夜・・・・")},
    {st::narrate, N_("ガサ・・・・")},
    {st::picture, "goki.bmp"},
    {st::sound, "dorobou.wav", scene_wave},
    {st::narrate, N_("・・・・・・・！！")},
    {st::narrate, N_("ぎゃああああああああああああああああああああ！！！")},
};

// ---- slot 37: キミ・ツウシン picks up a song from space ----
constexpr story_step kimi_1[] = {
    {st::picture, "kimi.bmp"},
    {st::say, N_("ピピッ…コンバンハ。キミ・ツウシン、デス")},
    {st::say, N_("宇宙カラ、歌ノ電波ヲ受信シマシタ")},
    {st::say, N_("アナタニモ、オ届ケシマス…")},
    {st::sound, "kimi.wav", scene_wave},
    {st::narrate, N_("キミ・ツウシンは歌い出した")},
    {st::say, N_("ピピッ…交信、完了。マタ、歌イニ来マス")},
};

// ---- slot 38: レティシア brings bread to share ----
constexpr story_step leticia_1[] = {
    {st::picture, "retisia.bmp"},
    {st::say, N_("こんばんはー！お店、もう閉まっちゃった？")},
    {st::say, N_("えへへ、パン屋さんで売れ残りをもらってきたの")},
    {st::say, N_("ダブルスティックパン！はんぶんこしよ！")},
    {st::say, N_("…あれ？もう半分、食べちゃってた…")},
    {st::say, N_("ご、ごめんね！今度は丸ごと持ってくるね！")},
};

// ---- slot 39: ゴート皇帝 looks for an empress ----
constexpr story_step goat_1[] = {
    {st::picture, "goat.bmp"},
    {st::say, N_("余はゴート皇帝。ゴートブランドの主である")},
    {st::say, N_("余は今、妃となる婦人を探しておる")},
    {st::say, N_("この店には、気品ある婦人が来ると聞いたのだ")},
    {st::say, N_("よき婦人がおったら、余に知らせるがよい")},
};
constexpr story_step goat_2[] = {
    {st::picture, "goat.bmp"},
    {st::say, N_("…余の茶会に来た婦人が、すぐに帰ってしもうた")},
    {st::say, N_("ヤギだとは聞いておらぬと申すのだ…")},
    {st::say, N_("余の毛並みは、この国一番だというのに…")},
    {st::say, N_("…今宵は紙でも食べて寝るとしよう")},
};

// ---- slot 40: スクリュー智明 wants to write the shop a theme tune ----
constexpr story_step screw_1[] = {
    {st::picture, "fukura.bmp"},
    {st::say, N_("ちーっす。オレ、スクリュー智明。ＤＪやってんだ")},
    {st::say, N_("今度、この店のテーマ曲を作らせてくれない？")},
    {st::say, N_("曲名はもう決めてる。「チール・スクリュー」！")},
    {st::say, N_("…曲のほうは、まだ一小節もできてないけどね")},
};

// ---- slot 41: 紅花, a year in a new town ----
constexpr story_step kouka_1[] = {
    {st::picture, "kouka.bmp"},
    {st::say, N_("こんばんは。この町に来て、もうすぐ一年です")},
    {st::say, N_("さびしい時は、いつもこのお店の灯りを見てました")},
    {st::say, N_("赤いチールみたいに、あったかい灯りでした")},
};

// ---- slot 42: 竹田ジョニー, out of luck, in a run-down shop ----
constexpr story_step johnny_1[] = {
    {st::picture, "jonny.bmp"},
    {st::say, N_("ヘイ、ジョニーだぜ。今夜はツイてねえ…")},
    {st::say, N_("パチンコで、有り金ぜんぶスッちまった")},
    {st::say, N_("…でもよ、このボロっちい店、オレは好きだぜ")},
    {st::say, N_("ツキってのは、また回ってくるもんさ。お互いにな")},
};

// ---- slot 43: 白川シキ, who forgets to pay, builds a robot to remind her ----
constexpr story_step shiki_1[] = {
    {st::picture, "siki.bmp"},
    {st::say, N_("…もう閉店？研究の息抜きに来たのに")},
    {st::say, N_("わたし、考え事をすると、ほかを忘れてしまうの")},
    {st::say, N_("…この前、お代を払い忘れたかしら。ごめんなさい")},
};
constexpr story_step shiki_2[] = {
    {st::picture, "siki.bmp"},
    {st::say, N_("今日はちゃんと、お財布を持ってきたわ")},
    {st::say, N_("…と思ったら、研究所に置いてきたみたい")},
    {st::say, N_("あるのはロボの設計図だけ。これ、お代になる？")},
};
constexpr story_step shiki_3[] = {
    {st::picture, "siki.bmp"},
    {st::say, N_("ふふ、ついにわたしのロボが完成したの")},
    {st::say, N_("お代の払い忘れを見張ってくれるロボよ")},
    {st::say, N_("これでもう、あなたに迷惑はかけないわ")},
    {st::say, N_("…そのロボを、研究所に置いてきたけど")},
};

// ---- slot 44: 香月スミレ and his name ----
constexpr story_step sumire_1[] = {
    {st::picture, "boy_sumire.bmp"},
    {st::say, N_("こんばんは。香月スミレといいます")},
    {st::say, N_("女の子みたいな名前だって、よく言われるんです")},
    {st::say, N_("でも母の好きな花の名前なので、僕は好きです")},
};

// ---- slot 45: ギャラガ, stranded, means to pay back what he owes ----
constexpr story_step garaga_1[] = {
    {st::picture, "garaga.bmp"},
    {st::say, N_("おう、ギャラガ様のお出ましだぜ")},
    {st::say, N_("実はよ、宇宙船がこわれて星に帰れねえんだ")},
    {st::say, N_("…この前は、お金がなくて、す、すみませんでした")},
    {st::say, N_("今はバイトしてっからよ、ちゃんと返しに来るぜ")},
    {st::say, N_("へっ、宇宙一義理がたいギャラガ様を信じな")},
};

// ---- slot 46: 乱造, the landlord, off duty: his teacups and his old tenant ----
constexpr story_step ranzou_1[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, N_("どれ、大家の乱造じゃ。ちと邪魔するぞい")},
    {st::say, N_("今日は家賃の話じゃないわい、安心せい")},
    {st::say, N_("わしの焼いた湯のみ、売れとるか見に来ただけじゃ")},
};
constexpr story_step ranzou_2[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, N_("わしはのう、毎日百個も湯のみを焼いとるんじゃ")},
    {st::say, N_("形がみんなちょっとずつ違うのが、味じゃろ？")},
    {st::say, N_("…ただ下手なだけじゃと？失礼なっ")},
};
constexpr story_step ranzou_3[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, N_("ここの天長さんとは、古い付き合いでのう")},
    {st::say, N_("あの人が、わけあって昔の仕事をやめた時じゃ")},
    {st::say, N_("この店を貸してくれと、わしに頭を下げに来てのう")},
    {st::say, N_("あの頑固者がじゃよ。よほどチールが好きなんじゃ")},
    {st::say, N_("…おっと、天長さんには内緒じゃぞい")},
};
constexpr story_step ranzou_4[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, N_("あんた、天長さんの店をよう守っとるのう")},
    {st::say, N_("あの人ひとりじゃ、もう手が回らんかったでな")},
    {st::say, N_("天長さん、口は悪いが、あんたを自慢しとったぞい")},
    {st::say, N_("…これからも、この店を頼んだぞい")},
    {st::say, N_("そいじゃ、おやすみなっさい")},
};

// ---- the owner's tales ----

// The brand shop in the new mall.
constexpr const char* owner_love7[] = {
    N_("....ところでよ、隣にできたショッピングモールの事だけど"),
    N_("あそこに入ったファンシーブランドの店のせいで"),
    N_("最近、客足が減ってるんだよ…"),
    N_("『Ｌｏｖｅ７』とかいう…ブランド店だかなんだか知らねーが…"),
    N_("なんでも、オーナーがあのわたっ娘をスカウトして"),
    N_("…店長にさせてるらしい…"),
    N_("あー…むかついてしゃーねーや…")};

// His youth: the town's toughest brawler, who collected seals on the quiet.
constexpr const char* owner_youth[] = {N_("....そういや、おまえに俺の若い頃の話はしたっけか"),
                                       N_("俺はな、この町じゃ名の知れたケンカ番長でよ"),
                                       N_("向かうところ敵なしってやつよ"),
                                       N_("…だがな、ほんとはこっそりチール集めてたんじゃ"),
                                       N_("ケンカの帰りに可愛いチールを買うのが楽しみでよ"),
                                       N_("…おっと、つまんねえ昔話しちゃったぜ…")};

// His years in the laboratory, and the cheeky assistant.
constexpr const char* owner_scientist[] = {N_("....こう見えても俺はな、昔は科学者だったんだぜ"),
                                           N_("研究所で、チールの研究をしてたんじゃ"),
                                           N_("世界一キラキラ光るチールを作るのが夢でよ"),
                                           N_("生意気な助手がいてな、いっつも俺のまねばっかよ"),
                                           N_("…まあ、センスは悪くなかったがな"),
                                           N_("あの頃は、寝るのも忘れて研究してたもんだぜ"),
                                           N_("…おっと、つまんねえ昔話しちゃったぜ…")};

// How he lost his sight, and how he came to keep this shop.
constexpr const char* owner_sight[] = {N_("....俺の目がなんで見えねえか、教えてやろうか"),
                                       N_("ある雷の晩、研究所で夢のチールができてな"),
                                       N_("あんまりキラキラしてっから、じーっと見ちまった"),
                                       N_("気がついたら、何にも見えなくなってたってわけよ"),
                                       N_("それで研究はやめて、この店を始めたんじゃ"),
                                       N_("チールってのはな、目じゃねえ、心で貼るもんだぜ"),
                                       N_("…おっと、つまんねえ昔話しちゃったぜ…")};

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
    {20, {stage_of(yukari_1), stage_of(yukari_2)}},
    {21, {stage_of(monato_1), stage_of(monato_2), stage_of(monato_3)}},
    {22, {stage_of(yuuka_1), stage_of(yuuka_2)}},
    {23, {stage_of(king_1), stage_of(king_2), stage_of(king_3)}},
    {24, {stage_of(nobuhi_1)}},
    {25, {stage_of(bione_1)}},
    {26, {stage_of(unbou_1), stage_of(unbou_2)}},
    {27, {stage_of(toku_1), stage_of(toku_2)}},
    {28, {stage_of(richard_1)}},
    {29, {stage_of(tamin_1), stage_of(tamin_2), stage_of(tamin_3)}},
    {30, {stage_of(unporo_1), stage_of(unporo_2), stage_of(unporo_3)}},
    {31, {stage_of(sanae_1)}},
    {32, {stage_of(bubuko_1)}},
    {34, {stage_of(sachi_1), stage_of(sachi_2), stage_of(sachi_3)}},
    {35, {stage_of(rhapsodia_1)}},
    {36, {stage_of(kabeiria_1)}},
    {37, {stage_of(kimi_1)}},
    {38, {stage_of(leticia_1)}},
    {39, {stage_of(goat_1), stage_of(goat_2)}},
    {40, {stage_of(screw_1)}},
    {41, {stage_of(kouka_1)}},
    {42, {stage_of(johnny_1)}},
    {43, {stage_of(shiki_1), stage_of(shiki_2), stage_of(shiki_3)}},
    {44, {stage_of(sumire_1)}},
    {45, {stage_of(garaga_1)}},
    {46, {stage_of(ranzou_1), stage_of(ranzou_2), stage_of(ranzou_3), stage_of(ranzou_4)}},
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
