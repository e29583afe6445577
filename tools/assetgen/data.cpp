// The shipped data files: the progress file of a fresh game, the name list and the mixer's
// settings.
#include <string>

#include "assets.h"
#include "platform/sjis.h"

namespace ag {

namespace {
void put_line(Bytes& out, const std::string& s) {
  out.insert(out.end(), s.begin(), s.end());
  out.push_back('\r');
  out.push_back('\n');
}
void put_n(Bytes& out, int n, int value) {
  for (int i = 0; i < n; i++) put_line(out, std::to_string(value));
}
}  // namespace

// The state after "New Game": everything zero except the save marker (1) and the flyer batch
// (-1, none), in the progress file's order of lines.
Bytes make_my_dat() {
  Bytes out;
  put_n(out, 100, 0);   // progress[0..99]
  put_n(out, 1000, 0);  // stock
  put_n(out, 100, 0);   // man_fond
  put_n(out, 1, 0);     // money
  put_n(out, 1, 0);     // lovely
  put_n(out, 1, 0);     // bad_service
  put_n(out, 1, 0);     // poor_stock
  put_n(out, 1, 0);     // clerk_lv
  put_n(out, 1, 0);     // day
  put_n(out, 1, 1);     // save_marker
  put_n(out, 1, 0);     // play_count
  put_n(out, 1, 0);     // best clerk level
  put_n(out, 1, 0);     // best day count
  put_n(out, 40, 0);    // sales and satisfaction of the last twenty days, interleaved
  put_n(out, 1000, 0);  // collected
  put_n(out, 1, 0);     // best_sales
  put_n(out, 1, -1);    // flyer_kind: no batch held
  put_n(out, 1, 0);     // shop_image
  put_n(out, 1, 0);     // flyer_used
  put_n(out, 1, 0);     // image_days
  put_n(out, 1, 0);     // award_count
  put_n(out, 1, 0);     // spare_counter
  put_n(out, 1, 0);     // draw_speed
  put_n(out, 1, 0);     // mode
  return out;
}

// Nicknames of the town's regulars, made of katakana syllables; the game keeps the list but
// shows none of it.
Bytes make_name_dat() {
  static const char* const head[] = {"ミ", "ル", "ピ",   "ポ", "ナ", "チ", "ココ", "モモ", "リリ",
                                     "ユ", "サ", "ハル", "キ", "ネ", "ラ", "フ",   "メル"};
  static const char* const tail[] = {"ン",   "ル", "コ", "ノ",     "ナ",   "リン", "ポン",
                                     "ミィ", "タ", "ロ", "ちゃん", "ピー", "チカ", "ホロ"};
  Bytes out;
  int n = 0;
  for (std::size_t i = 0; n < 226; i++) {
    const char* a = head[(i * 7) % (sizeof head / sizeof *head)];
    const char* b = tail[(i * 5 + i / 3) % (sizeof tail / sizeof *tail)];
    std::string name = std::string(a) + b;
    if (i % 3 == 2) name += "ー";
    put_line(out, plat::to_sjis(name));
    n++;
  }
  return out;
}

// Low latency within the mixer's ranges: 22050 samples a second, three blocks of 512 bytes, so
// a sound starts within about 23-70 ms of the click; the device's own count gives the position.
Bytes make_mixer_ini() {
  std::string s =
      "[general]\r\n"
      "WaveOutDevice=0\r\n"
      "debug=0\r\n"
      "\r\n"
      "[default]\r\n"
      "Remix=1\r\n"
      "GoodWavePos=1\r\n"
      "WaveBlocks=3\r\n"
      "WaveBlockLen=512\r\n"
      "SamplesPerSec=22\r\n";
  return Bytes(s.begin(), s.end());
}

}  // namespace ag
