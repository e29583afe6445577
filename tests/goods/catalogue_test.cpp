// The catalogue against the shop's price list: layout, rows, lookups, wrappings, totals, dump.
#include "goods/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "goods/json_mini.h"
#include "shell/state.h"
#include "support/sjis_text.h"

namespace game {
namespace {

using sjis_text::sj;
using sjis_text::u;

struct goods_expect {
  int no;
  const char* pic;
  const char* name;
  int price, min_lv, size, limited;
};
struct seal_expect {
  int no;
  const char* pic;
  const char* name;
  int price;  // -1: priced by clerk level
  int chara;
};
struct wrap_expect {
  int no;
  const char* pic;
  const char* name;
  int price;
  const char* info;
};
struct flyer_expect {
  int no;
  const char* name;
  int price, min_lv;
  const char* info;
};

// The shop's price list, every goods and seal row: a mistyped or misplaced value anywhere in
// the catalogue shows up here.
const goods_expect goods_rows[] = {
    {1, "key01.bmp", "うんちのキーホルダ", 10, 0, 1, 0},
    {2, "key02.bmp", "ハートのキーホルダ", 15, 0, 1, 0},
    {3, "note.bmp", "ねこのノート", 11, 0, 1, 0},
    {4, "kan00.bmp", "ねこの缶バッジ", 12, 0, 1, 0},
    {5, "note01.bmp", "うんちノート", 10, 0, 1, 0},
    {6, "doll02.bmp", "グーグーぬいぐるみ", 30, 1, 2, 0},
    {7, "doll03.bmp", "ふわふわぬいぐるみ", 25, 1, 0, 0},
    {8, "doll04.bmp", "エンエン人形", 35, 2, 2, 0},
    {9, "doll05.bmp", "うさくまぬいぐるみ", 40, 2, 2, 0},
    {10, "pen00.bmp", "ねこのシャーペン", 15, 0, 1, 0},
    {11, "pen01.bmp", "チュルホロシャーペン", 15, 1, 1, 0},
    {12, "hankachi00.bmp", "レースのハンカチ", 28, 1, 1, 0},
    {13, "cd00.bmp", "じすのＣＤ", 30, 1, 1, 0},
    {14, "makura00.bmp", "グーグーまくら", 50, 3, 2, 0},
    {15, "cap00.bmp", "グーグーナイトキャップ", 105, 4, 5, 0},
    {16, "makura01.bmp", "うんちのまくら", 50, 2, 2, 0},
    {17, "stick.bmp", "ビクトリーのお魚ステッキ（占い用）", 28, 1, 1, 0},
    {18, "gom00.bmp", "へんな消しゴム", 15, 1, 0, 0},
    {19, "doll06.bmp", "巨大くまぬいぐるみ", 80, 3, 3, 0},
    {20, "doll07.bmp", "巨大うさくまぬいぐるみ", 80, 4, 3, 0},
    {21, "choker.bmp", "ドクロチョーカー", 50, 3, 1, 0},
    {22, "sweet.bmp", "スウィーティーのシャンプー", 110, 4, 4, 0},
    {23, "megane00.bmp", "ＺＶＫのサングラス", 130, 5, 4, 0},
    {24, "poster.bmp", "ヴィクトリーヌのポスター", 47, 3, 2, 0},
    {25, "gogle.bmp", "ピアーのゴーグル", 120, 4, 4, 0},
    {26, "case.bmp", "かぶとむし飼育小屋", 100, 3, 4, 0},
    {27, "makura02.bmp", "犬の抱き枕", 60, 2, 2, 0},
    {28, "cutter.bmp", "カッター", 30, 1, 1, 0},
    {29, "ichigopan.bmp", "苺ちゃんのパン", 25, 1, 7, 0},
    {30, "keitai.bmp", "ピンブル携帯", 180, 5, 4, 0},
    {31, "mayoke.bmp", "まゆみ王子の特製「魔除けのお札」", 2000, 7, 1, 0},
    {32, "neko.bmp", "超ミニミニねこ", 40, 2, 0, 0},
    {33, "pantoban.bmp", "パンとバンの携帯ストラップ", 30, 0, 1, 0},
    {34, "pantu.bmp", "草薙紋様のパンツ", 110, 4, 5, 0},
    {35, "takara.bmp", "宝箱型小物入れ", 50, 3, 4, 0},
    {36, "sinigami.bmp", "死神のイヤリング", 300, 6, 1, 0},
    {37, "igo.bmp", "可愛い囲碁盤", 260, 5, 6, 0},
    {38, "nana.bmp", "男の子の人形", 1000, 7, 4, 0},
    {39, "doll01.bmp", "変なネコの人形", 60, 2, 2, 0},
    {40, "kussion.bmp", "ねこのふんわりクッション", 85, 2, 5, 0},
    {41, "taol.bmp", "ＴＱロゴ入りハンドタオル", 35, 1, 1, 0},
    {42, "cd01.bmp", "じすのＣＤ２", 40, 2, 1, 0},
    {43, "cd02.bmp", "じすのＣＤ３", 50, 3, 1, 0},
    {44, "cd03.bmp", "るぴあのＣＤ", 60, 4, 1, 0},
    {45, "key03.bmp", "ナイトのキーホルダ", 50, 1, 1, 0},
    {46, "tea.bmp", "可愛い緑茶筒", 120, 3, 7, 0},
    {47, "bou.bmp", "肩たたき棒", 70, 2, 5, 0},
    {48, "tower.bmp", "東京タワーの模型", 70, 2, 4, 0},
    {49, "juce.bmp", "いちごミルク", 50, 2, 7, 0},
    {50, "reis.bmp", "ＲＥＩ’ＳＴシャツ", 220, 4, 5, 0},
    {51, "warpro.bmp", "ＺＶＫワープロセット", 500, 5, 6, 0},
    {52, "rip.bmp", "ピンクのリップ", 105, 3, 0, 0},
    {53, "nail.bmp", "キラキラネイルアートセット", 160, 4, 4, 0},
    {54, "aroma.bmp", "沙耶香の入浴剤", 95, 2, 4, 0},
    {55, "goishi.bmp", "碁石", 13, 0, 0, 0},
    {56, "goishi2.bmp", "ピンブル碁石", 40, 1, 0, 0},
    {57, "key04.bmp", "魚のキーホルダ", 10, 0, 1, 0},
    {58, "buruma.bmp", "花水花のブルマ", 70, 2, 5, 0},
    {59, "trance.bmp", "オリーブ君のトランクス", 90, 3, 5, 0},
    {60, "shut.bmp", "CUTIEカレッジ制服シャツ", 102, 4, 5, 0},
    {61, "scurt.bmp", "CUTIEカレッジ制服スカート", 120, 5, 5, 0},
    {62, "bag.bmp", "ゴートのバッグ", 350, 6, 5, 0},
    {63, "death.bmp", "デスジーンズ", 200, 5, 5, 0},
    {64, "coke.bmp", "コーラ", 20, 1, 7, 0},
    {65, "barger.bmp", "ハンバーガー", 25, 2, 7, 0},
    {66, "virgin.bmp", "VIRGINプラモデル", 150, 4, 4, 0},
    {67, "poster.bmp", "オランピアのポスター", 38, 2, 2, 0},
    {68, "poster.bmp", "ラプソディアのポスター", 59, 4, 2, 0},
    {69, "monatoso.bmp", "モナト素", 105, 4, 4, 0},
    {70, "gom01.bmp", "ピンクの消しゴム", 19, 1, 0, 0},
    {71, "gom02.bmp", "黄金の消しゴム", 150, 2, 0, 0},
    {72, "nikuman.bmp", "ピアーの手作り肉まん", 21, 1, 7, 0},
    {73, "cake.bmp", "天兄ちゃんのデコレーションケーキ", 185, 4, 4, 0},
    {74, "hayashi.bmp", "林の彫像", 415, 6, 6, 0},
    {75, "croun.bmp", "ヴォマクトクラウン", 3000, 7, 4, 0},
    {76, "tiala.bmp", "ディアナティアラ", 400, 6, 4, 0},
    {78, "yamclean.bmp", "ヤムヤムミニクリーナー", 48, 3, 4, 0},
    {79, "eod.bmp", "ＥＯＤリュック", 160, 4, 5, 0},
    {80, "hino.bmp", "ヒノの電話機", 170, 5, 4, 0},
    {81, "magnum.bmp", "マグナムちゃんのぬいぐるみ", 40, 2, 2, 0},
    {82, "olive.bmp", "ブラックオリーブ油", 200, 6, 4, 0},
    {83, "ccp.bmp", "チャッティッド・カード・ポテトチップ", 28, 2, 7, 0},
    {84, "d_pan.bmp", "ダブルスティックパン", 27, 3, 7, 0},
    {85, "pitibi.bmp", "流れ星のピティビェ", 40, 4, 7, 0},
    {86, "choco.bmp", "ネコ型チョコ", 18, 0, 0, 0},
    {87, "candy.bmp", "うさぎ型キャンディー", 16, 1, 1, 0},
    {88, "aho.bmp", "あほになりたい子の人形", 35, 2, 2, 0},
    {89, "nekutai.bmp", "天のネクタイ", 48, 3, 5, 0},
    {90, "syuen.bmp", "終焉のシャツ", 97, 3, 5, 0},
    {91, "himo.bmp", "ラプソディアのひも", 140, 4, 5, 0},
    {92, "pendant.bmp", "エーリのペンダント", 300, 5, 1, 0},
    {93, "men.bmp", "般若の面", 123, 5, 4, 0},
    {94, "sumire.bmp", "スミレの花・ミニ・ガーデン", 185, 6, 6, 0},
    {95, "katura.bmp", "ハゲのかつら", 140, 6, 4, 0},
    {96, "wig.bmp", "おしゃまのツインテールウィッグ", 180, 5, 5, 0},
    {97, "yoruko.bmp", "夜子のイヤリング", 280, 6, 1, 0},
    {98, "pajama.bmp", "国王のパジャマ", 385, 7, 5, 0},
    {99, "cd04.bmp", "ノブヒーのＣＤ", 70, 5, 1, 0},
    {300, "cd05.bmp", "ＰＬＵＭのＣＤ", 80, 6, 1, 0},
    {301, "head.bmp", "チュルホロ型ヘッドホン", 245, 6, 4, 0},
    {302, "mangekyou.bmp", "万華鏡", 25, 1, 1, 0},
    {303, "suzu.bmp", "鈴", 18, 0, 0, 0},
    {304, "kingyo.bmp", "米研ぎ婆の金魚蜂", 95, 3, 4, 0},
    {305, "kendama.bmp", "レッドプラネットけん玉", 33, 0, 1, 0},
    {306, "mop.bmp", "ＭＯＰ攻略本", 40, 1, 1, 0},
    {307, "kaijyou.bmp", "スーパー開錠キット", 180, 3, 4, 0},
    {308, "sin.bmp", "新理論", 60, 2, 4, 0},
    {309, "yunomi.bmp", "乱造湯のみ", 75, 2, 0, 0},
    {310, "cream.bmp", "チュークリーム", 33, 3, 7, 0},
    {311, "tqpota.bmp", "携帯ゲーム機・てきゅぽた", 198, 4, 4, 0},
    {312, "yoga.bmp", "ヨーガの覆面", 65, 1, 5, 0},
    {313, "skin.bmp", "MP3プレーヤースキン", 100, 6, 1, 0},
    {314, "luku.bmp", "英雄馬ルクシオンフィギュア", 155, 7, 2, 0},
    {315, "tanhoi.bmp", "タンホイザーキャップ", 93, 4, 5, 0},
    {316, "cube.bmp", "ＣＵＢＥ型ルービックキューブ", 555, 7, 4, 0},
    {317, "koumori.bmp", "血伯爵のコウモリ髪飾り", 80, 2, 1, 0},
    {318, "tape.bmp", "セロハンテープ", 23, 1, 0, 0},
    {319, "earth.bmp", "母なる星球儀", 333, 6, 6, 0},
    {320, "kikai.bmp", "何かの機械", 36, 0, 0, 0},
    {321, "sumire2.bmp", "スミレの花・ドールハウス", 315, 7, 6, 0},
    {322, "kaseijin.bmp", "火星人", 41, 1, 1, 0},
    {323, "senkan.bmp", "空中戦艦プラモデル", 131, 4, 4, 0},
    {324, "ufo.bmp", "ＵＦＯプラモデル", 90, 3, 4, 0},
    {325, "tranp.bmp", "スペシャリストトランプ", 28, 2, 1, 0},
    {326, "ggd.bmp", "ＧＧＤセットＩＤカード", 22, 1, 1, 0},
    {327, "kousui.bmp", "コロン・アンダームーン", 83, 2, 0, 0},
    {328, "maskara.bmp", "ヴィランのマスカラ", 65, 2, 0, 0},
    {329, "bodycare.bmp", "るーこのクレンジング", 34, 1, 1, 0},
    {330, "note02.bmp", "ギャラクシーノート", 13, 2, 1, 0},
    {331, "usagi.bmp", "うさぎの缶バッジ", 14, 2, 1, 0},
    {332, "pin.bmp", "お花のヘアピン", 17, 2, 0, 0},
    {333, "rapid.bmp", "うさちゃんのぬいぐるみ", 19, 1, 0, 0},
    {334, "stone.bmp", "石化ぼく", 27, 3, 0, 0},
    {335, "hair.bmp", "ヘアゴム", 12, 1, 0, 0},
    {336, "dog.bmp", "ドッグ棒", 35, 3, 7, 0},
    {337, "ice.bmp", "サイダー味の氷", 150, 5, 7, 0},
    {338, "apple.bmp", "ダイアモンドアップル", 500, 7, 7, 0},
    {339, "togarasi.bmp", "怒りの唐辛子", 31, 5, 7, 0},
    {340, "hade.bmp", "派手なパンティ", 171, 6, 5, 0},
    {341, "steppers.bmp", "STEPPERS STOP･ﾀﾍﾟｽﾄﾘ", 190, 6, 6, 0},
    {342, "art.bmp", "リュサンデールの絵画", 408, 7, 6, 0},
    {343, "trap.bmp", "銀河迷宮トラップ", 219, 6, 6, 0},
    {344, "egg.bmp", "エッグ", 188, 6, 7, 0},
    {345, "excelion.bmp", "エクセリオンプラモデル", 328, 7, 6, 0},
    {346, "excelion.bmp", "ハジメロボ覚醒フィギュア", 700, 8, 6, 0},
    {347, "red.bmp", "レッドソードレプリカ", 900, 9, 6, 0},
    {348, "cloits.bmp", "クロイツアクセサリ", 65, 4, 1, 0},
    {349, "garathea.bmp", "ガラテアカチューシャ", 72, 5, 1, 0},
    {350, "west.bmp", "ﾋﾞﾝﾀｷﾝｸﾞウェスタンブーツ", 162, 5, 4, 0},
    {351, "ni.bmp", "リボンコーデニーハイ", 122, 5, 5, 0},
    {352, "red.bmp", "レッドソード", 1800, 9, 6, 1},
    {353, "kousui.bmp", "コロン・ハートフルムーン", 166, 8, 0, 1},
    {354, "maskara.bmp", "ヴィランのマスカラ・エクストラ", 139, 7, 0, 1},
    {355, "bodycare.bmp", "るーこのクレンジング・敏感肌専用", 120, 8, 1, 1},
    {356, "mop.bmp", "ＭＯＰ攻略本Ｐｈａｓｅ２", 80, 7, 1, 1},
    {357, "maousei.bmp", "魔王星球儀", 666, 8, 6, 1},
    {358, "pendant.bmp", "エリスのペンダント", 600, 7, 1, 1},
    {359, "pantu.bmp", "天野めぐみのパンツ", 220, 6, 5, 1},
    {360, "takara2.bmp", "トラップ付宝箱型小物入れ", 150, 6, 4, 1},
    {361, "rip.bmp", "ラブピンクのリップ", 215, 5, 0, 1},
};
const seal_expect seal_rows[] = {
    {100, "seal01.bmp", "うんちのチール", 9, 0},
    {101, "seal02.bmp", "ハートのチール", 25, 0},
    {102, "seal03.bmp", "お花のチール", 15, 0},
    {103, "seal04.bmp", "星型のチール", 20, 0},
    {104, "seal05.bmp", "グーグーのチール", 30, 0},
    {105, "seal06.bmp", "エンエンのチール", 40, 0},
    {106, "seal07.bmp", "フワフワのチール", 60, 0},
    {107, "seal08.bmp", "ちるほろのチール", 180, 0},
    {108, "seal09.bmp", "犬のチール", 55, 0},
    {109, "seal10.bmp", "ねこのチール", 35, 0},
    {110, "seal11.bmp", "くまのチール", 40, 0},
    {111, "seal12.bmp", "うんちのチール（キラキラ）", 140, 0},
    {112, "seal13.bmp", "じすのチール（キラキラ）", 250, 0},
    {113, "seal14.bmp", "ＱＴのチール（キラキラ）", 400, 0},
    {114, "seal15.bmp", "髑髏のチール", 90, 0},
    {115, "seal16.bmp", "とっても可愛いピンクチール（超キラキラ）", 500, 0},
    {116, "seal17.bmp", "かぶとむしのチール", 180, 0},
    {117, "seal18.bmp", "いちごちゃんのチール", 140, 0},
    {118, "seal19.bmp", "ゴキブリのチール", 50, 0},
    {119, "seal20.bmp", "ダイヤモンドのチール", 1000, 0},
    {120, "seal21.bmp", "ナナチール", 700, 0},
    {121, "seal22.bmp", "♪のチール", 15, 0},
    {122, "seal23.bmp", "チューリップのチール", 55, 0},
    {123, "seal24.bmp", "おさかなのチール", 60, 0},
    {124, "seal25.bmp", "スペードのチール", 15, 0},
    {125, "seal26.bmp", "剣のチール", 30, 0},
    {126, "seal27.bmp", "盆栽のチール", 238, 0},
    {127, "seal28.bmp", "碁石のチール（黒バージョン）", 110, 0},
    {128, "seal29.bmp", "碁石のチール（白バージョン）", 130, 0},
    {129, "seal30.bmp", "ハジメロボのチール", 2000, 0},
    {131, "seal31.bmp", "派手なお花のチール", 500, 0},
    {132, "seal32.bmp", "天長のチール", 15000, 0},
    {133, "seal33.bmp", "コッコチール", 15000, 0},
    {134, "seal34.bmp", "エッグチール", 15000, 0},
    {135, "seal35.bmp", "ピヨチール", 15000, 0},
    {136, "seal36.bmp", "ムーンチール", 15000, 0},
    {137, "seal37.bmp", "黒猫のチール", 180, 0},
    {138, "seal38.bmp", "怒りの毒紅玉チール", 80, 0},
    {139, "seal39.bmp", "死神のチール", 490, 0},
    {140, "seal40.bmp", "眼帯のチール", 95, 0},
    {141, "seal41.bmp", "LOVE髑髏のチール", 280, 0},
    {142, "seal42.bmp", "ギターのチール", 225, 0},
    {143, "seal43.bmp", "ナイトシールドのチール", 170, 0},
    {144, "seal44.bmp", "エンエンのチール（キラキラ）", 350, 0},
    {145, "seal45.bmp", "00-6435pチール", 305, 0},
    {146, "seal46.bmp", "お宝チール", 5000, 0},
    {147, "seal47.bmp", "王子チール", 5000, 0},
    {148, "seal48.bmp", "VIRGINチール", 5000, 0},
    {149, "seal49.bmp", "お金チール", 500, 0},
    {150, "seal50.bmp", "ゴールデンエッグチール", 15000, 0},
    {151, "seal51.bmp", "ロクサンチール", 15000, 1},
    {152, "seal52.bmp", "死美チール", 15000, 1},
    {153, "seal53.bmp", "エリカチール", 15000, 1},
    {154, "seal54.bmp", "ヒコ゜クンチール", 15000, 1},
    {155, "seal55.bmp", "ぷん子チール", 15000, 1},
    {156, "seal56.bmp", "としくんチール", 15000, 1},
    {157, "seal57.bmp", "セブンチール", 15000, 1},
    {158, "seal58.bmp", "ツンチール", 15000, 1},
    {159, "seal59.bmp", "ムンチール", 15000, 1},
    {160, "seal60.bmp", "わたチール", 15000, 1},
    {161, "seal61.bmp", "はりねチール", 15000, 1},
    {162, "seal62.bmp", "花豆チール", 15000, 1},
    {163, "seal63.bmp", "バイオンチール", 15000, 1},
    {164, "seal64.bmp", "運坊チール", 15000, 1},
    {165, "seal65.bmp", "徳爺チール", 15000, 1},
    {166, "seal66.bmp", "リチャードチール", 15000, 1},
    {167, "seal67.bmp", "ターミンチール", 15000, 1},
    {168, "seal68.bmp", "のぶひとチール", 15000, 1},
    {169, "seal69.bmp", "モナトチール", 15000, 1},
    {170, "seal70.bmp", "優香チール", 15000, 1},
    {171, "seal71.bmp", "暴君チール", 15000, 1},
    {172, "seal72.bmp", "ユカリーチール", 15000, 1},
    {173, "seal73.bmp", "ぶぶこチール", 15000, 1},
    {174, "seal74.bmp", "さなチール", 15000, 1},
    {175, "seal75.bmp", "雲歩狼チール", 15000, 1},
    {176, "seal76.bmp", "紗智チール", 15000, 1},
    {177, "seal77.bmp", "ラプソディアチール", 15000, 1},
    {178, "seal78.bmp", "カベイリアチール", 15000, 1},
    {179, "seal79.bmp", "君通信チール", 15000, 1},
    {180, "seal80.bmp", "レティシアチール", 15000, 1},
    {181, "seal81.bmp", "皇帝チール", 15000, 1},
    {182, "seal82.bmp", "スクリューチール", 15000, 1},
    {183, "seal83.bmp", "ジョニーチール", 15000, 1},
    {184, "seal84.bmp", "白川シキチール", 15000, 1},
    {185, "seal85.bmp", "墨子チール", 15000, 1},
    {186, "seal86.bmp", "紅花チール", 15000, 1},
    {187, "seal87.bmp", "車のチール", 64, 0},
    {188, "seal88.bmp", "うさぴょんチール", 36, 0},
    {189, "seal89.bmp", "ＲＡＩＮＢＯＷチール", 77, 0},
    {190, "seal90.bmp", "スマイルチール", 28, 0},
    {191, "seal91.bmp", "めがねチール", 49, 0},
    {192, "seal92.bmp", "チチール", 44, 0},
    {193, "seal93.bmp", "ノミシラミチール", 8, 0},
    {194, "seal94.bmp", "サイコロチール", 66, 0},
    {195, "seal95.bmp", "バンソコウチール", 41, 0},
    {196, "seal96.bmp", "レッドスターチール（キラキラ）", 90, 0},
    {197, "seal97.bmp", "Ｂチール", 75, 0},
    {198, "seal98.bmp", "勲章チール（キラキラ）", 150, 0},
    {199, "seal99.bmp", "カーズアイチール", 88, 0},
    {500, "seal100.bmp", "ＵＳＡチール", 100, 0},
    {501, "seal101.bmp", "魔夕未チール", 321, 0},
    {502, "seal102.bmp", "魔法チール", 181, 0},
    {503, "seal103.bmp", "雪山ラストクロックチール", 199, 0},
    {504, "seal104.bmp", "エッチール", 81, 0},
    {505, "seal105.bmp", "謎チール", 16, 0},
    {506, "seal106.bmp", "西部チール", -1, 0},
    {507, "seal107.bmp", "ＴＶチール", 58, 0},
    {508, "seal108.bmp", "鉄鉱チール", 11, 0},
    {509, "seal109.bmp", "菫チール", 33, 0},
    {510, "seal110.bmp", "スミレチール", 15000, 1},
    {511, "seal111.bmp", "ギャラガチール", 15000, 1},
    {512, "seal112.bmp", "核廃棄物チール", 86, 0},
    {513, "seal113.bmp", "クロイツチール", 77, 0},
    {514, "seal114.bmp", "暗黒剣チール", 77, 0},
    {515, "seal115.bmp", "ミルクチール", 15000, 0},
    {516, "seal116.bmp", "フルムーンチール", 15000, 0},
    {517, "seal117.bmp", "狼チール", 15000, 0},
    {518, "seal119.bmp", "るーこチール", 15000, 1},
    {519, "seal118.bmp", "ＣＳＴＥＦチール", 15000, 1},
};
const wrap_expect wrap_rows[] = {
    {200, "fukuro_small2.bmp", "ちっちゃな袋", 10, "ちっちゃいので特注でちょっと高い"},
    {201, "fukuro2.bmp", "小さな袋", 5, "小さいの"},
    {202, "fukuro_mid2.bmp", "大きめの袋", 20, "大きめの"},
    {203, "fukuro_big2.bmp", "特大の袋", 35, "特大の"},
    {204, "hako0.bmp", "箱", 50, "中くらいの箱、水色ハートのまーくいり"},
    {205, "tesage2.bmp", "手さげ袋", 40, "くろっぽい手さげ袋、雨などから衣類を守ります"},
    {206, "hako2.bmp", "大きな箱", 80, "大きな箱、お花の模様入り"},
    {207, "kami2.bmp", "パン袋", 25, "刑事さんご用達の紙袋。パンの絵入り"},
    {208, "s_hako1.bmp", "ピンクの小箱", 45,
     "【Ex包装】この箱目当てで買い物に来る子もいるらしい。"},
    {209, "s_fukuro1.bmp", "キュートな袋", 55,
     "【Ex包装】可愛いでしょぅ～この袋ぉ～、羨ましいでしょぅ～、あーーーげない！"},
    {210, "s_tesage0.bmp", "ラブリーな手さげ袋", 85,
     "【Ex包装】だってこの袋が欲しいーんだもん！この袋にお洋服とかを入れるの！邪魔しないで！！"},
    {211, "s_pan1.bmp", "スイートランチＢＯＸ", 70,
     "【Ex包装】これに入れてピクニックするんだーぁ、一緒に行きたい人この指とーぉまれ♪あれ、誰も行か"
     "ないのぉ～？"},
};
const flyer_expect flyer_rows[] = {
    {0, "ふつうの", 100, 0, "ふつうです、藁半紙に手書きだよ。10枚"},
    {1, "うんちの", 300, 0, "うんちデザインで変さ100%、藁半紙にガラバン印刷というレトロさ!! 10枚"},
    {2, "デザイン", 450, 2,
     "最先端のスタイリッシュデザイン、音楽好きやオタクな子を引きつけるにちがいない、再生紙にプリン"
     "タ印刷 10枚"},
    {3, "ラブリー", 600, 2,
     "ハートやお花が散りばめられたファンシーさ満点のチラシ、猫やうさぎもいるぅよっ!!"
     "、色紙にオフセット印刷 10枚"},
    {4, "ボーイズ", 700, 3,
     "男の子ハートをキャッチしてやまないデザイン、てっぽうの絵が描かれている、上質紙にフルカラー印"
     "刷 10枚"},
    {5, "古風な", 1000, 4,
     "鶴や富士山がのってるよ！！日の丸もねっ、和紙に墨で印刷された和風チラシ 10枚"},
    {6, "高級な", 1500, 5,
     "ラメ加工に、本物のダイヤを散りばめた贅沢なギンギラポスター！最高級上質紙に、特殊加工印刷 "
     "10枚、とても高いやつでやってるの"},
    {7, "摩訶不思議な", 2000, 6,
     "謎のお経や、呪文、魔方陣が描かれた不思議なチラシ、読むだけであらふしぎ、幸せな気分に。魔法紙"
     "に、魔法印刷 10枚"},
    {8, "ボロい", 1000, 5, "汚いチラシ、品揃えの悪さが一目瞭然"},
    {9, "悪徳", 1500, 7, "ヤバげなチラシ、明らかに普通のイメージではない"},
    {10, "ヤミィな", 400, 2,
     "可愛くて美味しそうなチラシ、飴細工でできたキュートでデリシャスなチラシ"},
    {11, "アンノウン", 5000, 2,
     "決して手に入らなかった品物が手に入る奇跡のお店…諦めないで！ミラクルショッピング！！"},
};

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game_state{};
    build_catalogue_at(0);
  }
};

std::vector<int> numbers_of_kind(int kind) {
  std::vector<int> v;
  for (int n = 0; n < item_count; ++n)
    if (!item[n].name.empty() && item[n].kind == kind) v.push_back(n);
  return v;
}

TEST_F(Catalogue, LayoutOfNumbers) {
  std::vector<int> goods = numbers_of_kind(kind_goods);
  std::vector<int> seals = numbers_of_kind(kind_seal);
  std::vector<int> wraps = numbers_of_kind(kind_wrapping);
  EXPECT_EQ(goods.size(), 160u);
  EXPECT_EQ(seals.size(), 120u);  // 119 seals and the stand-in 999
  EXPECT_EQ(wraps.size(), 13u);   // 12 wrappings and the stand-in 998
  for (int n : goods) EXPECT_TRUE((n >= 1 && n <= 99) || (n >= 300 && n <= 361)) << n;
  for (int n : seals)
    EXPECT_TRUE((n >= 100 && n <= 199) || (n >= 500 && n <= 519) || n == 999) << n;
  for (int n : wraps) EXPECT_TRUE((n >= 200 && n <= 211) || n == 998) << n;
  // Every number of the goods and seal ranges is filled but the two holes.
  for (int n = 1; n <= 519; ++n) {
    bool in_range = n <= 211 || (n >= 300 && n <= 361) || n >= 500;
    bool hole = n == 77 || n == 130;
    EXPECT_EQ(!item[n].name.empty(), in_range && !hole) << n;
  }
  for (int n : {0, 77, 130, 212, 299, 362, 499, 520, 997}) {
    EXPECT_TRUE(item[n].name.empty()) << n;
    EXPECT_TRUE(item[n].pic.empty()) << n;
    EXPECT_EQ(item[n].price + item[n].kind + item[n].min_lv + item[n].size, 0) << n;
  }
  for (int n = 520; n < 998; ++n) EXPECT_TRUE(item[n].name.empty()) << n;
}

TEST_F(Catalogue, SoldOutStandIns) {
  for (int n : {sold_out_wrapping, sold_out_item}) {
    EXPECT_EQ(u(item[n].name), " ―sold out―");
    EXPECT_EQ(u(item[n].info), "Sold Out");
    EXPECT_EQ(item[n].price, 0);
    EXPECT_TRUE(item[n].pic.empty());
  }
  EXPECT_EQ(item[998].kind, kind_wrapping);
  EXPECT_EQ(item[999].kind, kind_seal);
}

TEST_F(Catalogue, GoodsRowsMatchThePriceList) {
  EXPECT_EQ(std::size(goods_rows), 160u);
  for (const goods_expect& e : goods_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = item[e.no];
    EXPECT_EQ(u(t.pic), e.pic);
    EXPECT_EQ(u(t.name), e.name);
    EXPECT_EQ(t.price, e.price);
    EXPECT_EQ(t.min_lv, e.min_lv);
    EXPECT_EQ(t.size, e.size);
    EXPECT_EQ(t.limited, e.limited);
    EXPECT_EQ(t.kind, kind_goods);
    EXPECT_EQ(t.chara, 0);
  }
}

TEST_F(Catalogue, GoodsFieldRanges) {
  int limited = 0;
  for (int n : numbers_of_kind(kind_goods)) {
    SCOPED_TRACE(n);
    const titem& t = item[n];
    EXPECT_GE(t.price, 10);
    EXPECT_LE(t.price, 3000);
    EXPECT_GE(t.min_lv, 0);
    EXPECT_LE(t.min_lv, 9);
    EXPECT_GE(t.size, 0);
    EXPECT_LE(t.size, 7);
    EXPECT_EQ(t.bundle, 0);
    EXPECT_FALSE(t.pic.empty());
    EXPECT_EQ(t.limited, n >= 352 && n <= 361 ? 1 : 0);
    limited += t.limited;
  }
  EXPECT_EQ(limited, 10);
  // The dearest goods is the crown.
  int dearest = 0;
  for (int n : numbers_of_kind(kind_goods))
    if (item[n].price > item[dearest].price) dearest = n;
  EXPECT_EQ(dearest, 75);
}

TEST_F(Catalogue, OnlyTheGiantBearsNeedTheExtraLargeBag) {
  std::vector<int> size3;
  for (int n : numbers_of_kind(kind_goods))
    if (item[n].size == 3) size3.push_back(n);
  EXPECT_EQ(size3, (std::vector<int>{19, 20}));
}

TEST_F(Catalogue, SealRowsMatchThePriceList) {
  EXPECT_EQ(std::size(seal_rows), 119u);
  for (const seal_expect& e : seal_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = item[e.no];
    EXPECT_EQ(u(t.pic), e.pic);
    EXPECT_EQ(u(t.name), e.name);
    if (e.price >= 0) {
      EXPECT_EQ(t.price, e.price);
    }
    EXPECT_EQ(t.chara, e.chara);
    EXPECT_EQ(t.kind, kind_seal);
    EXPECT_EQ(t.size + t.min_lv + t.limited + t.bundle, 0);
  }
}

TEST_F(Catalogue, SealGroups) {
  int chara = 0, dear = 0;
  for (int n : numbers_of_kind(kind_seal)) {
    if (n == sold_out_item) continue;
    const titem& t = item[n];
    chara += t.chara;
    if (t.price == 15000) ++dear;
    if (t.chara) {
      EXPECT_EQ(t.price, 15000) << n;
      EXPECT_EQ(u(t.info), "キャラチール") << n;
      EXPECT_TRUE((n >= 151 && n <= 186) || n == 510 || n == 511 || n == 518 || n == 519) << n;
    } else {
      EXPECT_NE(u(t.info), "キャラチール") << n;
    }
  }
  EXPECT_EQ(chara, 40);
  EXPECT_EQ(dear, 49);  // the 40 faces and nine others
}

TEST_F(Catalogue, SaveSealPriceFollowsTheClerkLevelAtBuild) {
  EXPECT_EQ(item[save_seal].price, 30);
  build_catalogue_at(9);
  EXPECT_EQ(item[save_seal].price, 75);
  build_catalogue_at(4);
  EXPECT_EQ(item[save_seal].price, 50);
  // The form's build reads the level loaded from the progress file.
  gs.clerk_lv = 2;
  build_catalogue();
  EXPECT_EQ(item[save_seal].price, 40);
  gs.clerk_lv = 7;  // a later level change does not reprice it
  EXPECT_EQ(item[save_seal].price, 40);
  // A level no shop reaches (a hand-edited progress file) prices it dearest, never below zero.
  build_catalogue_at(INT_MAX);
  EXPECT_EQ(item[save_seal].price, INT_MAX);
  build_catalogue_at(429496729);
  EXPECT_EQ(item[save_seal].price, INT_MAX);
}

TEST_F(Catalogue, WrappingsAndFlyersInFull) {
  for (const wrap_expect& e : wrap_rows) {
    SCOPED_TRACE(e.no);
    EXPECT_EQ(u(item[e.no].pic), e.pic);
    EXPECT_EQ(u(item[e.no].name), e.name);
    EXPECT_EQ(item[e.no].price, e.price);
    EXPECT_EQ(u(item[e.no].info), e.info);
    EXPECT_EQ(item[e.no].kind, kind_wrapping);
    EXPECT_EQ(u(item[e.no].info).rfind("【Ex包装】", 0) == 0, e.no >= 208) << e.no;
  }
  for (const flyer_expect& e : flyer_rows) {
    SCOPED_TRACE(e.no);
    const titem& t = tirasi[e.no];
    EXPECT_EQ(u(t.name), e.name);
    EXPECT_EQ(t.price, e.price);
    EXPECT_EQ(t.min_lv, e.min_lv);
    EXPECT_EQ(u(t.info), e.info);
    EXPECT_TRUE(t.pic.empty());
  }
  for (int n = 12; n < flyer_count; ++n) EXPECT_TRUE(tirasi[n].name.empty()) << n;
}

TEST_F(Catalogue, QuotedDescriptions) {
  EXPECT_EQ(u(item[1].info), "うんちの絵入り");
  // The price list gives the crying doll's card to number 9 and to the doll by name (8): both
  // entries carry it.
  EXPECT_EQ(u(item[find_item(sj("エンエン人形"))].info),
            "話しかけると声に反応して「え～ん」と泣くよ");
  EXPECT_EQ(u(item[9].info), "話しかけると声に反応して「え～ん」と泣くよ");
  EXPECT_EQ(u(item[75].info), "凄く高い！！これでもかというほど！！");
  EXPECT_EQ(u(item[303].info), "チリン♪チリン♪");
  EXPECT_EQ(u(item[352].info), "この剣を！！！！");
  EXPECT_EQ(item[347].info, item[352].info);  // the replica shares the sword's picture and words
  EXPECT_EQ(item[347].pic, item[352].pic);
  EXPECT_EQ(u(item[100].info), "うんちの絵入り");
  EXPECT_EQ(u(item[115].info), "世界で一番可愛いシール");
  EXPECT_EQ(
      u(item[506].info),
      "臆病者はここじゃ生きてけねえぜ、毎日がデッドオアアライブ、それがウェスタン男ってやつさ");
}

TEST_F(Catalogue, EveryDescriptionFitsTheItemCard) {
  // The card shows three lines of 22 bytes; most goods fit in two.
  int goods = 0, short_goods = 0;
  for (int n = 1; n < 998; ++n) {
    const titem& t = item[n];
    if (t.name.empty()) continue;
    SCOPED_TRACE(n);
    EXPECT_FALSE(t.info.empty());
    if (t.kind == kind_goods) {
      ++goods;
      EXPECT_LE(t.info.size(), 66u);
      if (t.info.size() <= 44) ++short_goods;
    } else if (t.kind == kind_seal && n != save_seal) {
      EXPECT_LE(t.info.size(), 66u);
    }
  }
  EXPECT_GE(short_goods * 10, goods * 9);
  // Written descriptions say something of their own: no two goods share one but the swords and
  // the two crying dolls.
  std::map<sjis, int> seen;
  for (int n : numbers_of_kind(kind_goods)) {
    auto [it, fresh] = seen.emplace(item[n].info, n);
    if (!fresh) {
      EXPECT_TRUE((it->second == 347 && n == 352) || (it->second == 8 && n == 9))
          << n << " repeats " << it->second;
    }
  }
}

TEST_F(Catalogue, NamesAreUniqueButTheStandIns) {
  std::map<sjis, int> seen;
  for (int n = 0; n < item_count; ++n) {
    if (item[n].name.empty()) continue;
    auto [it, fresh] = seen.emplace(item[n].name, n);
    if (!fresh) {
      EXPECT_TRUE(it->second == 998 && n == 999) << n << " repeats " << it->second;
    }
  }
}

TEST_F(Catalogue, LookupByName) {
  for (int n = 1; n < 998; ++n)
    if (!item[n].name.empty()) {
      EXPECT_EQ(find_item(item[n].name), n) << n;
    }
  EXPECT_EQ(find_item(sj(" ―sold out―")), 999);
  EXPECT_EQ(find_item(sj("鈴")), 303);
  EXPECT_EQ(find_item(sj("鈴 ")), 0);  // a trailing blank is another name
  EXPECT_EQ(find_item(sj("―sold out―")), 0);
  EXPECT_EQ(find_item(sj("レッドソ")), 0);  // no prefix matches
  EXPECT_EQ(find_item(sjis{}), 0);
}

TEST_F(Catalogue, WrappingOfEachSize) {
  const int normal[8] = {200, 201, 202, 203, 204, 205, 206, 207};
  const int ex[8] = {208, 209, 0, 0, 0, 210, 0, 211};
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(normal_wrap_of_size(s), normal[s]) << s;
    EXPECT_EQ(ex_wrap_of_size(s), ex[s]) << s;
  }
  for (int s : {-1, 8, 99}) {
    EXPECT_EQ(normal_wrap_of_size(s), 0);
    EXPECT_EQ(ex_wrap_of_size(s), 0);
  }
  EXPECT_EQ(u(item[normal_wrap_of_size(0)].name), "ちっちゃな袋");
  EXPECT_EQ(u(item[ex_wrap_of_size(7)].name), "スイートランチＢＯＸ");
  // By goods number: the bread in its bread bag, the giant bear in the extra-large bag.
  EXPECT_EQ(normal_wrap_for(29), 207);
  EXPECT_EQ(ex_wrap_for(29), 211);
  EXPECT_EQ(normal_wrap_for(19), 203);
  EXPECT_EQ(ex_wrap_for(19), 0);
  EXPECT_EQ(normal_wrap_for(7), 200);
  EXPECT_EQ(ex_wrap_for(7), 208);
  EXPECT_EQ(ex_wrap_for(15), 210);
  EXPECT_EQ(normal_wrap_for(-5), 0);
  EXPECT_EQ(normal_wrap_for(1000), 0);
}

TEST_F(Catalogue, OwnedTotals) {
  EXPECT_EQ(owned_goods_total(), 0);
  EXPECT_EQ(owned_seals_total(), 0);
  gs.stock[1] = 3;
  gs.stock[361] = 2;
  gs.stock[303] = -4;  // a count below one adds nothing
  gs.stock[100] = 5;
  gs.stock[519] = 1;
  gs.stock[201] = 7;  // wrappings are neither
  gs.stock[77] = 9;   // nor are empty numbers
  EXPECT_EQ(owned_goods_total(), 5);
  EXPECT_EQ(owned_seals_total(), 6);
  // Counts a progress file may hold, each within its bound, whose sum is past 32 bits.
  for (int seal : {100, 101, 102}) gs.stock[std::size_t(seal)] = 1000000000;
  EXPECT_EQ(owned_seals_total(), INT_MAX);
}

TEST_F(Catalogue, ShownRarity) {
  EXPECT_EQ(shown_rarity(75), "300pt.");
  EXPECT_EQ(shown_rarity(1), "1pt.");
  EXPECT_EQ(shown_rarity(100), "0pt.");  // 9 yen
  EXPECT_EQ(shown_rarity(151), "1500pt.");
  EXPECT_EQ(shown_rarity(999), "0pt.");
}

TEST_F(Catalogue, LetterWaitsForEverySeal) {
  EXPECT_FALSE(all_seals_collected());
  for (int n : numbers_of_kind(kind_seal)) gs.collected[n] = 1;
  gs.collected[999] = 0;  // the stand-in can never be stuck on goods
  EXPECT_TRUE(all_seals_collected());
  gs.collected[506] = 0;
  EXPECT_FALSE(all_seals_collected());
  gs.collected[506] = 1;
  gs.collected[519] = 0;
  EXPECT_FALSE(all_seals_collected());
}

std::vector<int> scripted;
std::size_t scripted_at = 0;
int scripted_ceiling = 0;
int scripted_draw(int n) {
  scripted_ceiling = n;
  return scripted[scripted_at++ % scripted.size()];
}

TEST_F(Catalogue, TitleGoodsSkipsAllButGoods) {
  scripted = {0, 77, 100, 200, 998, 506, 352};
  scripted_at = 0;
  EXPECT_EQ(pick_title_goods(scripted_draw), 352);
  EXPECT_EQ(scripted_at, scripted.size());
  EXPECT_EQ(scripted_ceiling, 999);
  scripted = {5};
  scripted_at = 0;
  EXPECT_EQ(pick_title_goods(scripted_draw), 5);
  // Before the catalogue is built there is nothing to show, and no endless draw.
  item.fill(titem{});
  EXPECT_EQ(pick_title_goods(scripted_draw), 0);
}

TEST_F(Catalogue, DumpIsWellFormedJson) {
  jsonmini::value doc;
  ASSERT_TRUE(jsonmini::parse(catalogue_json(), doc));
  ASSERT_EQ(doc.kind, jsonmini::value::object);
  ASSERT_EQ(doc.members.size(), 2u);
  EXPECT_EQ(doc.members[0].first, "item");
  EXPECT_EQ(doc.members[1].first, "tirasi");
  const jsonmini::value& items = doc["item"];
  const jsonmini::value& flyers = doc["tirasi"];
  EXPECT_EQ(items.members.size(), 160u + 119 + 12 + 2);
  EXPECT_EQ(flyers.members.size(), 12u);
  const std::vector<std::string> keys = {"pic",    "name",   "info", "price", "kind",
                                         "bundle", "min_lv", "size", "chara", "limited"};
  for (const auto& [no, e] : items.members) {
    std::vector<std::string> got;
    for (const auto& m : e.members) got.push_back(m.first);
    EXPECT_EQ(got, keys) << no;
  }
  const jsonmini::value& sword = items["352"];
  EXPECT_EQ(sword["name"].str, "レッドソード");
  EXPECT_EQ(sword["pic"].str, "red.bmp");
  EXPECT_EQ(sword["price"].num, 1800);
  EXPECT_EQ(sword["limited"].num, 1);
  EXPECT_EQ(sword["size"].num, 6);
  EXPECT_EQ(items["999"]["name"].str, " ―sold out―");
  EXPECT_EQ(items["341"]["name"].str, "STEPPERS STOP･ﾀﾍﾟｽﾄﾘ");
  EXPECT_EQ(items["510"]["chara"].num, 1);
  EXPECT_EQ(items.find("77"), nullptr);
  EXPECT_EQ(flyers["11"]["price"].num, 5000);
  EXPECT_EQ(flyers["11"]["name"].str, "アンノウン");
}

}  // namespace
}  // namespace game
