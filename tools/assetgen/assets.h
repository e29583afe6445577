// The program folder's files, made in memory: every picture of cg/, every sound and tune of
// dat/, the initial progress and name files, and the mixer's settings. Everything is a pure
// function of the code: two runs give the same bytes.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace ag {

using Bytes = std::vector<std::uint8_t>;

// How the game draws a picture, which decides its see-through rule.
enum class PicKind {
  background,  // opaque; the scene in the top-left 195 x 130 (or 390 x 260 for 00.bmp)
  layer,       // see-through colour = the bottom-left pixel
  masked,      // pure black is see-through (box.bmp, front_mid.bmp, front3.bmp)
  glow,        // OR-combined onto the picture: black adds nothing (the chain pictures)
};

struct Picture {
  std::string name;
  PicKind kind = PicKind::layer;
  plat::Bitmap bmp;
};

// Key colour of layer pictures: a vivid green that the house palette never uses.
constexpr plat::rgb layer_key = plat::RGB(0, 255, 0);

// The whole picture set, in name order. Names come from the fixed list of the game's own
// pictures plus every `pic` of the catalogue and the roster tables.
std::vector<Picture> make_pictures();
// One picture by name (empty bitmap when the name is not one of the game's).
Picture make_picture(const std::string& name);
// The languages besides Japanese whose lettering the pictures are drawn in: each has its own
// version of every lettered picture in cg/<language>/NAME, the same size and see-through rule.
const std::vector<std::string>& picture_languages();
// The pictures a player reads words on (the shop's name on the title, the letter, labels on
// goods...): those that have a version in each of those languages.
std::vector<std::string> lettered_picture_names();
// A picture in a language: "ja" is the original; another language gives the lettered pictures'
// version, named "LANGUAGE/NAME", and an empty bitmap for any other picture.
Picture make_picture(const std::string& name, const std::string& language);
// Every picture name the game loads.
std::vector<std::string> picture_names();
// How a picture is drawn by the game (its see-through rule), without making it.
PicKind picture_kind(const std::string& name);

// Sounds: every wave the game plays, as 16-bit mono PCM WAV files.
std::vector<std::string> wave_names();
Bytes make_wave(const std::string& name);
// The family a wave's level is set by: "ui" (buttons and the typing tick), "wrap" (paper, bags
// and boxes), "reward", "fanfare" (the chain's), "bad" (bad news), "event" (morning, night and
// visitors), "voice" (customers and visitors) or "owner".
std::string wave_kind(const std::string& name);

// Music: the six standard MIDI files.
std::vector<std::string> music_names();
Bytes make_music(const std::string& name);

// Data files.
Bytes make_my_dat();    // the state after a full reset, 2259 CR LF lines
Bytes make_name_dat();  // 226 lines
Bytes make_mixer_ini();

// Writes the whole program folder's data under `game_dir` (cg/, dat/, MIXER.INI).
// Answers the number of files written; files whose bytes are unchanged are left untouched, and an
// existing dat/my.dat (the player's saved progress) is kept.
int write_all(const std::string& game_dir, std::string* error);

// The game's icon at `size` × `size`: red, green, blue and alpha bytes, and as a PNG file.
Bytes icon_rgba(int size);
Bytes make_icon_png(int size);
const std::vector<int>& icon_sizes();  // the sizes installed for the desktop
// The C++ source of the window's icon (app::window_icon_size, app::window_icon_rgba).
std::string window_icon_source(int size);
// The files an installation adds: icons/hicolor/<N>x<N>/apps/<app_id>.png for each size, and the
// fresh game's my.dat. Answers the number of files written.
int write_desktop_files(const std::string& dir, const std::string& app_id, std::string* error);

// A review sheet: every picture with its file name (cg/en pictures as "en/NAME"), on a grid.
plat::Bitmap contact_sheet(const std::vector<Picture>& pics, int columns);

// Little encoders shared with the tests.
Bytes encode_wav_16(const std::vector<float>& samples, int rate);
bool write_file(const std::string& path, const Bytes& bytes);

}  // namespace ag
