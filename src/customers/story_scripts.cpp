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
    {st::say, "爺やの車を途中で降りて、歩いてまいりましたの"},
};
constexpr story_step erika_2[] = {
    {st::picture, "dobu.bmp"},
    {st::say, "…また、あのドブに落ちましたわ…"},
    {st::picture, "girl02.bmp"},
    {st::say, "でも今日は、お屋敷からずっと歩いてきましたのよ"},
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
    {st::say, "ママね、あの子の寝顔見てメロメロになったの"},
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
    {st::say, "やあ。夜の店って、なんかいいよね"},
    {st::say, "オレ、闇とか死神とか、そういうのが好きなんだ"},
    {st::say, "こわいものなんて、ひとつもないし"},
    {st::say, "夜道だって平気さ。…じゃ、帰るよ"},
};
constexpr story_step toshi_2[] = {
    {st::picture, "boy02.bmp"},
    {st::say, "やあ。今夜は空が暗くて、いい感じだね"},
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
    {st::say, "ムンったら、どこへ行ってもついてくるんです"},
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

// ---- slot 20: ユカリー, who adores わたちゃん, goes to see her at Love7 ----
constexpr story_step yukari_1[] = {
    {st::picture, "yukari2.bmp"},
    {st::say, "ユカリーだよっ♪聞いて聞いて！"},
    {st::say, "わたちゃんがね、Love7の店長さんになったの！"},
    {st::say, "今度、会いに行っちゃうんだ♪"},
};
constexpr story_step yukari_2[] = {
    {st::picture, "yukari.bmp"},
    {st::say, "…ユカリーね、Love7に行ってきたの"},
    {st::say, "わたちゃん、忙しそうで、お話できなかった…"},
    {st::picture, "yukari2.bmp"},
    {st::say, "でも帰りに、こっそり手をふってくれたの！♪"},
};

// ---- slot 21: モナト's invention, モナト素, and its one side effect ----
constexpr story_step monato_1[] = {
    {st::picture, "monato2.bmp"},
    {st::say, "モナトなのだ！大発明なのだ！"},
    {st::say, "なめると元気が出る「モナト素」を作ったのだ"},
    {st::say, "この店でも売ってもらっているのだ"},
    {st::say, "…しびれるのは、ちょっとした副作用なのだ"},
};
constexpr story_step monato_2[] = {
    {st::picture, "monato.bmp"},
    {st::say, "モナトなのだ…"},
    {st::say, "モナト素、あんまり売れないのだ"},
    {st::say, "みんな、しびれるのがイヤみたいなのだ"},
    {st::say, "だから改良するのだ。いちご味にするのだ"},
    {st::say, "いちご味なら、きっとみんな喜ぶのだ"},
};
constexpr story_step monato_3[] = {
    {st::picture, "monato.bmp"},
    {st::say, "モナトなのだ"},
    {st::say, "いちご味のモナト素、できたのだ"},
    {st::say, "しびれは、やっぱり取れなかったのだ"},
    {st::say, "…なのに、そのしびれがクセになると評判なのだ"},
    {st::say, "科学とは、ふしぎなものなのだ"},
};

// ---- slot 22: 天伊優香 wants to design seals ----
constexpr story_step yuuka_1[] = {
    {st::picture, "yuuka.bmp"},
    {st::say, "あなたのチールのセンス、なかなかのものね"},
    {st::say, "実はわたし、チールのデザイナーを目指してるの"},
    {st::say, "…今度、わたしの描いたチールを見てくれる？"},
};
constexpr story_step yuuka_2[] = {
    {st::picture, "yuuka.bmp"},
    {st::say, "聞いて。わたしのチール、協会の賞をとったわ"},
    {st::say, "見せた時のあなたの顔で、自信がついたのよ"},
    {st::say, "…お店に並んだら、最初に使ってよね"},
};

// ---- slot 23: どこかの国の王様, a king in exile, and the son who writes to him ----
constexpr story_step king_1[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, "・・・夜分に・・・すまぬ・・・"},
    {st::say, "・・・余は・・・遠い国の王であった・・・"},
    {st::say, "・・・暴君と呼ばれ・・・国を追われた・・・"},
};
constexpr story_step king_2[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, "・・・余には・・・息子がおる・・・"},
    {st::say, "・・・あやつも・・・この店に来るそうな・・・"},
    {st::say, "・・・余を・・・恨んでおろう・・・"},
    {st::say, "・・・・・・・"},
};
constexpr story_step king_3[] = {
    {st::picture, "jisrof.bmp"},
    {st::say, "・・・息子から・・・包みが届いた・・・"},
    {st::say, "・・・絹のパジャマが・・・入っておった・・・"},
    {st::say, "・・・「父上、風邪など召されませぬよう」・・・"},
    {st::say, "・・・・・・・"},
    {st::say, "・・・余は・・・よい息子を持った・・・"},
};

// ---- slot 24: ノブヒー's real name ----
constexpr story_step nobuhi_1[] = {
    {st::picture, "nobuhi.bmp"},
    {st::say, "イェーイ！ノブヒーだぜ！今夜はオフなんだ"},
    {st::say, "実はオレの本名、のぶひとっていうんだ"},
    {st::say, "田舎の母ちゃんが、オレのＣＤ全部買ってくれてさ"},
    {st::say, "…ロックだぜ、母ちゃん。サンキュー、ベイベー"},
};

// ---- slot 25: バイオン on his night round ----
constexpr story_step bione_1[] = {
    {st::picture, "bione.bmp"},
    {st::say, "騎士バイオン、夜分に失礼いたす！"},
    {st::say, "町の夜回りの途中、この店の灯りが見えたゆえ"},
    {st::say, "店員殿、今宵の帰り道は拙者がお守りいたそう！"},
};

// ---- slot 26: 運坊, grown up, and the rainbow seal on his mother's present ----
constexpr story_step unbou_1[] = {
    {st::picture, "unbou2.bmp"},
    {st::say, "ちわっす。夜分にすんませんっす"},
    {st::say, "オレ、ガキの頃は「うんぼう」って呼ばれてたっす"},
    {st::say, "うんちのチールばっか集めてたからっすよ"},
    {st::say, "…でも、にじのチールだけは特別なんす"},
};
constexpr story_step unbou_2[] = {
    {st::picture, "unbou2.bmp"},
    {st::say, "ちわっす。にじのチールの話、聞いてほしいっす"},
    {st::say, "昔、母ちゃんへのプレゼントに貼ってもらったっす"},
    {st::say, "母ちゃん、今でもその包み紙を取ってあるんすよ"},
    {st::say, "今度の誕生日も、ここで包んでもらうっす！"},
};

// ---- slot 27: 徳次郎 and fifty years of go against 源さん ----
constexpr story_step toku_1[] = {
    {st::picture, "toku.bmp"},
    {st::say, "おう、夜分にすまんのう"},
    {st::say, "わしには五十年来の碁がたきがおってな"},
    {st::say, "そやつに、一度も勝ったことがないんじゃ"},
    {st::say, "今度こそ勝ってみせるわい"},
    {st::say, "この店の碁石のチールは、験がいいでな"},
};
constexpr story_step toku_2[] = {
    {st::picture, "toku.bmp"},
    {st::say, "おう、ちょいと聞いてくれんか"},
    {st::say, "碁がたきの源さんが、入院してしもうてな"},
    {st::say, "見舞いに、ピンクの碁盤を持っていったんじゃ"},
    {st::say, "源さん、碁盤の色を見て笑い転げてのう"},
    {st::say, "笑いすぎて、一手まちがえおった"},
    {st::say, "…五十年目にして、わしの初勝利じゃ"},
    {st::say, "じゃが、こんな勝ち方はつまらんわい"},
    {st::say, "早う元気になれ、もう一番じゃと言うてきた"},
};

// ---- slot 28: リチャード goes home ----
constexpr story_step richard_1[] = {
    {st::picture, "maichel.bmp"},
    {st::say, "Ｈｅｙ！コンバンハ！ワタシ、リチャードデース"},
    {st::say, "ニッポンのおみやげ、ゼンブこのお店で買いマシタ"},
    {st::say, "アシタ、国に帰りマス。ベリー、サンキュー！"},
};

// ---- slot 29: ターミン becomes a big sister ----
constexpr story_step tamin_1[] = {
    {st::picture, "tam.bmp"},
    {st::say, "ターミンね、おねえちゃんになるの！"},
    {st::say, "ママのおなかに、赤ちゃんがいるんだよ"},
    {st::say, "ターミン、赤ちゃんにプレゼントあげるの！"},
};
constexpr story_step tamin_2[] = {
    {st::picture, "tam.bmp"},
    {st::say, "赤ちゃん、うまれたの！おとうとだよ！"},
    {st::say, "ちっちゃくて、うさちゃんのぬいぐるみみたいなの"},
    {st::say, "ターミン、おむつのおてつだいするの"},
};
constexpr story_step tamin_3[] = {
    {st::picture, "tam.bmp"},
    {st::say, "おとうとがね、ターミンを見てわらったの！"},
    {st::say, "うさちゃんのぬいぐるみあげたら、ぎゅってしたの"},
    {st::say, "ターミン、いいおねえちゃんになるの！"},
};

// ---- slot 30: 雲歩狼, grown up, plays his first gig ----
constexpr story_step unporo_1[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, "よう。ガキの頃、よくここに来てた雲歩狼だ"},
    {st::say, "あの頃は、うんちのキーホルダばっか買ってたな"},
    {st::say, "今はバンドでギター弾いてる。売れてねーけどな"},
};
constexpr story_step unporo_2[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, "今度、初めてのライブなんだ。…見に来てくれよな"},
};
constexpr story_step unporo_3[] = {
    {st::picture, "unporo2.bmp"},
    {st::say, "ライブ、やったぜ。客は十人だったけどな"},
    {st::say, "一番前で、うんちのキーホルダ振るやつがいてさ"},
    {st::say, "…運坊のやつだよ。ったく、いいダチだぜ"},
};

// ---- slot 31: さなちゃん, a chick in the school play, looks for her own chick ----
constexpr story_step sanae_1[] = {
    {st::picture, "sanae3.bmp"},
    {st::say, "ピ、ピヨピヨ…じゃなくて、さなですっ！"},
    {st::say, "学園祭の劇で、ひよこの役になったんです"},
    {st::say, "練習してたら、うちのピヨちゃんが逃げちゃって…"},
    {st::say, "このお店のほうに来たと思うんですけど…"},
    {st::narrate, "…ガサガサ…"},
    {st::narrate, "レジの下からもう一羽がでてきた！"},
    {st::picture, "sanae2.bmp"},
    {st::say, "ピヨちゃん！よかったぁ…えへへ"},
};

// ---- slot 32: ぶぶこ is asked to tea by the head of the Goat brand ----
constexpr story_step bubuko_1[] = {
    {st::picture, "bubuko.bmp"},
    {st::say, "ごきげんよう。ちょっと聞いてちょうだい"},
    {st::say, "ゴートブランドの社長さんに、お茶に誘われたの"},
    {st::say, "素敵な殿方だと思って、おめかしして行ったら…"},
    {st::picture, "bubuko2.bmp"},
    {st::say, "…ヤギだったのよ！本物のヤギ！失礼しちゃうわ！"},
};

// ---- slot 34: 紗智 writes a love story without ever having been in love ----
constexpr story_step sachi_1[] = {
    {st::picture, "sachi.bmp"},
    {st::say, "あの…こんばんは…"},
    {st::say, "わたし、小説を書いてるの…恋のお話…"},
};
constexpr story_step sachi_2[] = {
    {st::picture, "sachi.bmp"},
    {st::say, "…書けないの。恋のお話なのに"},
    {st::say, "わたし、恋ってしたことないから…"},
    {st::say, "…店員さんは、恋、したことある？"},
};
constexpr story_step sachi_3[] = {
    {st::picture, "sachi.bmp"},
    {st::say, "あの…小説、書けたの"},
    {st::say, "主人公はね、ファンシーショップの店員さん"},
    {st::say, "夜になると、いろんなお客さんが扉をたたくの"},
    {st::say, "…ちょっとだけ、エッチな場面もあるよ"},
    {st::say, "ふふ…誰がモデルかは、ひみつ"},
};

// ---- slot 35: ラプソディア comes in secret to see her own poster ----
constexpr story_step rhapsodia_1[] = {
    {st::picture, "rap.bmp"},
    {st::say, "ごきげんよう。お忍びでまいりましたの"},
    {st::say, "わたくしのポスター、どんな風に並んでいるかしら"},
    {st::say, "…あら、値札が少し下がっていますわね"},
    {st::say, "ふふ、いいわ。もっと歌って、値上げさせますわ"},
};

// ---- slot 36: カベイリア reads the stars and guards the shop against a black visitor ----
constexpr story_step kabeiria_1[] = {
    {st::picture, "kabe.bmp"},
    {st::say, "星が告げているわ…今夜、この店に何かが来る"},
    {st::say, "黒くて、すばやい影…泥棒かもしれないわね"},
    {st::say, "心配いらないわ。魔除けの呪文をかけておいたから"},
    {st::say, "ふふ…あなたに星の加護を。おやすみなさい"},
    {st::background, "yoru.bmp"},
    {st::narrate, "夜・・・・"},
    {st::narrate, "ガサ・・・・"},
    {st::picture, "goki.bmp"},
    {st::sound, "dorobou.wav", scene_wave},
    {st::narrate, "・・・・・・・！！"},
    {st::narrate, "ぎゃああああああああああああああああああああ！！！"},
};

// ---- slot 37: キミ・ツウシン picks up a song from space ----
constexpr story_step kimi_1[] = {
    {st::picture, "kimi.bmp"},
    {st::say, "ピピッ…コンバンハ。キミ・ツウシン、デス"},
    {st::say, "宇宙カラ、歌ノ電波ヲ受信シマシタ"},
    {st::say, "アナタニモ、オ届ケシマス…"},
    {st::sound, "kimi.wav", scene_wave},
    {st::narrate, "キミ・ツウシンは歌い出した"},
    {st::say, "ピピッ…交信、完了。マタ、歌イニ来マス"},
};

// ---- slot 38: レティシア brings bread to share ----
constexpr story_step leticia_1[] = {
    {st::picture, "retisia.bmp"},
    {st::say, "こんばんはー！お店、もう閉まっちゃった？"},
    {st::say, "えへへ、パン屋さんで売れ残りをもらってきたの"},
    {st::say, "ダブルスティックパン！はんぶんこしよ！"},
    {st::say, "…あれ？もう半分、食べちゃってた…"},
    {st::say, "ご、ごめんね！今度は丸ごと持ってくるね！"},
};

// ---- slot 39: ゴート皇帝 looks for an empress ----
constexpr story_step goat_1[] = {
    {st::picture, "goat.bmp"},
    {st::say, "余はゴート皇帝。ゴートブランドの主である"},
    {st::say, "余は今、妃となる婦人を探しておる"},
    {st::say, "この店には、気品ある婦人が来ると聞いたのだ"},
    {st::say, "よき婦人がおったら、余に知らせるがよい"},
};
constexpr story_step goat_2[] = {
    {st::picture, "goat.bmp"},
    {st::say, "…余の茶会の誘いを、断られてしもうた"},
    {st::say, "ヤギはいやだと申すのだ…"},
    {st::say, "余の毛並みは、この国一番だというのに…"},
    {st::say, "…今宵は紙でも食べて寝るとしよう"},
};

// ---- slot 40: スクリュー智明 wants to write the shop a theme tune ----
constexpr story_step screw_1[] = {
    {st::picture, "fukura.bmp"},
    {st::say, "ちーっす。オレ、スクリュー智明。ＤＪやってんだ"},
    {st::say, "この店でかかってる曲、ずっと気になっててさ"},
    {st::say, "今度、この店のテーマ曲を作らせてくれない？"},
    {st::say, "曲名はもう決めてる。「チール・スクリュー」！"},
};

// ---- slot 41: 紅花, a year in a new town ----
constexpr story_step kouka_1[] = {
    {st::picture, "kouka.bmp"},
    {st::say, "こんばんは。この町に来て、もうすぐ一年です"},
    {st::say, "さびしい時は、いつもこのお店の灯りを見てました"},
    {st::say, "赤いチールみたいに、あったかい灯りでした"},
};

// ---- slot 42: 竹田ジョニー, out of luck, in a run-down shop ----
constexpr story_step johnny_1[] = {
    {st::picture, "jonny.bmp"},
    {st::say, "ヘイ、ジョニーだぜ。今夜はツイてねえ…"},
    {st::say, "パチンコで、有り金ぜんぶスッちまった"},
    {st::say, "…でもよ、このボロっちい店、オレは好きだぜ"},
    {st::say, "ツキってのは、また回ってくるもんさ。お互いにな"},
};

// ---- slot 43: 白川シキ, who forgets to pay, builds a robot to remind her ----
constexpr story_step shiki_1[] = {
    {st::picture, "siki.bmp"},
    {st::say, "…もう閉店？研究の息抜きに来たのに"},
    {st::say, "わたし、考え事をすると、ほかを忘れてしまうの"},
    {st::say, "…この前、お代を払い忘れたかしら。ごめんなさい"},
};
constexpr story_step shiki_2[] = {
    {st::picture, "siki.bmp"},
    {st::say, "今日はちゃんと、お財布を持ってきたわ"},
    {st::say, "…と思ったら、研究所に置いてきたみたい"},
    {st::say, "あるのはロボの設計図だけ。これ、お代になる？"},
};
constexpr story_step shiki_3[] = {
    {st::picture, "siki.bmp"},
    {st::say, "聞いて。わたしのロボが、ついに完成したの"},
    {st::say, "お代の払い忘れを見張ってくれるロボよ"},
    {st::say, "これでもう、あなたに迷惑はかけないわ"},
    {st::say, "…そのロボを、研究所に置いてきたけど"},
};

// ---- slot 44: 香月スミレ and his name ----
constexpr story_step sumire_1[] = {
    {st::picture, "boy_sumire.bmp"},
    {st::say, "こんばんは。香月スミレといいます"},
    {st::say, "女の子みたいな名前だって、よく言われるんです"},
    {st::say, "でも母の好きな花の名前なので、僕は好きです"},
};

// ---- slot 45: ギャラガ, stranded, means to pay back what he owes ----
constexpr story_step garaga_1[] = {
    {st::picture, "garaga.bmp"},
    {st::say, "おう、ギャラガ様だ。夜分に悪いな"},
    {st::say, "実はよ、宇宙船がこわれて星に帰れねえんだ"},
    {st::say, "…この前は、お金がなくて、す、すみませんでした"},
    {st::say, "今はバイトしてっからよ、ちゃんと返しに来るぜ"},
    {st::say, "へっ、宇宙一義理がたいギャラガ様を信じな"},
};

// ---- slot 46: 乱造, the landlord, off duty: his teacups and his old tenant ----
constexpr story_step ranzou_1[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, "夜分にすまんのう、大家の乱造じゃ"},
    {st::say, "今日は家賃の話じゃないわい、安心せい"},
    {st::say, "わしの焼いた湯のみ、売れとるか見に来ただけじゃ"},
};
constexpr story_step ranzou_2[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, "わしはのう、毎日百個も湯のみを焼いとるんじゃ"},
    {st::say, "形がみんなちょっとずつ違うのが、味じゃろ？"},
    {st::say, "…ただ下手なだけじゃと？失礼なっ"},
};
constexpr story_step ranzou_3[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, "ここの天長さんとは、古い付き合いでのう"},
    {st::say, "あの人が目を悪くして、研究所をやめた時じゃ"},
    {st::say, "この店を貸してくれと、わしに頭を下げに来てのう"},
    {st::say, "あの頑固者がじゃよ。よほどチールが好きなんじゃ"},
    {st::say, "…おっと、天長さんには内緒じゃぞい"},
};
constexpr story_step ranzou_4[] = {
    {st::background, "ran.bmp"},
    {st::sound, "ran.wav", 3},
    {st::say, "あんた、天長さんの店をよう守っとるのう"},
    {st::say, "あの人の目のかわりに、あんたが見とるんじゃな"},
    {st::say, "天長さん、口は悪いが、あんたを自慢しとったぞい"},
    {st::say, "…これからも、この店を頼んだぞい"},
    {st::say, "そいじゃ、おやすみなっさい"},
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
constexpr const char* owner_youth[] = {"....そういや、おまえに俺の若い頃の話はしたっけか",
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
                                       "ある雷の晩、研究所で夢のチールができてな",
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
