// The picture set: the table of every picture, finishing by see-through rule, the whole program
// folder's writer and the contact sheet.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "pics.h"
#include "platform/canvas.h"
#include "platform/sjis.h"

namespace ag {

namespace {

const PicTable& table() {
  static const PicTable t = [] {
    PicTable t;
    add_scene_pictures(t);
    add_people_pictures(t);
    add_goods_pictures(t);
    add_seal_pictures(t);
    return t;
  }();
  return t;
}

// Names the catalogue and the roster ask for, straight from their tables, with what they show.
enum class Shows { goods, seal, person };
const std::map<std::string, Shows>& table_names() {
  static const std::map<std::string, Shows> names = [] {
    std::map<std::string, Shows> s;
    game::build_catalogue_at(0);
    game::build_roster();
    for (const auto& it : game::item)
      if (!it.pic.empty()) s[it.pic] = it.kind == game::kind_seal ? Shows::seal : Shows::goods;
    for (const auto& m : game::man)
      if (!m.pic.empty()) s[m.pic] = Shows::person;
    return s;
  }();
  return names;
}

// A picture the tables name but the drawings do not know yet: a gift box (or a new face), at the
// size the game draws its kind at, so nothing is ever missing.
PicRecipe fallback(const std::string& name, Shows what) {
  PicRecipe p;
  p.kind = PicKind::layer;
  if (what == Shows::person) {
    p.w = 60, p.h = 75;
    p.draw = [name](Img& im) { draw_customer(im, name); };
  } else {
    p.w = p.h = what == Shows::seal ? 22 : 40;
    p.draw = [name](Img& im) { draw_goods(im, name); };
  }
  return p;
}

}  // namespace

std::vector<std::string> picture_names() {
  std::set<std::string> s;
  for (auto& [name, recipe] : table()) s.insert(name);
  for (auto& [n, what] : table_names()) s.insert(n);
  return {s.begin(), s.end()};
}

PicKind picture_kind(const std::string& name) {
  auto it = table().find(name);
  return it != table().end() ? it->second.kind : PicKind::layer;
}

const std::vector<std::string>& picture_languages() {
  static const std::vector<std::string> languages = {"en"};
  return languages;
}

std::vector<std::string> lettered_picture_names() {
  std::vector<std::string> v;
  for (auto& [name, recipe] : table())
    if (recipe.draw_en) v.push_back(name);
  return v;
}

Picture make_picture(const std::string& name) {
  return make_picture(name, "ja");
}

Picture make_picture(const std::string& name, const std::string& language) {
  Picture out;
  out.name = language == "ja" ? name : language + "/" + name;
  auto it = table().find(name);
  PicRecipe recipe;
  if (it != table().end()) {
    recipe = it->second;
  } else if (table_names().count(name)) {
    recipe = fallback(name, table_names().at(name));
  } else {
    return out;
  }
  if (language == "en") {
    if (!recipe.draw_en) return out;
    recipe.draw = recipe.draw_en;
  } else if (language != "ja") {
    return out;
  }
  out.kind = recipe.kind;
  const int grid = recipe.half ? 2 : 1;
  Img drawn((recipe.w + grid - 1) / grid, (recipe.h + grid - 1) / grid);
  drawn.unit = 1.0f / float(grid);
  recipe.draw(drawn);
  if (recipe.kind == PicKind::layer || recipe.kind == PicKind::masked) remove_strays(drawn);
  Img im = recipe.half ? doubled(drawn, recipe.w, recipe.h) : std::move(drawn);
  if (recipe.detail) recipe.detail(im);
  const Finish finish{recipe.dither, grid};
  switch (recipe.kind) {
    case PicKind::background:
      out.bmp = to_bitmap_opaque(im, hex(0), finish);
      break;
    case PicKind::layer:
      out.bmp = to_bitmap_keyed(im, layer_key, finish);
      break;
    case PicKind::masked:
      out.bmp = to_bitmap_masked(im, finish);
      break;
    case PicKind::glow:
      out.bmp = to_bitmap_glow(im, finish);
      break;
  }
  return out;
}

std::vector<Picture> make_pictures() {
  std::vector<Picture> v;
  for (auto& n : picture_names()) v.push_back(make_picture(n));
  return v;
}

bool write_file(const std::string& path, const Bytes& bytes) {
  // Leave a file whose bytes are already right untouched, so its time stamp stays.
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      Bytes old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == bytes) return true;
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

int write_all(const std::string& game_dir, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(fs::path(game_dir) / "cg", ec);
  fs::create_directories(fs::path(game_dir) / "dat", ec);
  int n = 0;
  auto put = [&](const fs::path& p, const Bytes& b) {
    if (b.empty() || !write_file(p.string(), b)) {
      if (error && error->empty()) *error = "cannot write " + p.string();
      return;
    }
    n++;
  };
  for (auto& name : picture_names()) {
    Picture p = make_picture(name);
    put(fs::path(game_dir) / "cg" / name, plat::encode_bmp(p.bmp));
  }
  // the lettered pictures in each other language, where the game looks first in that language
  for (auto& language : picture_languages()) {
    fs::create_directories(fs::path(game_dir) / "cg" / language, ec);
    for (auto& name : lettered_picture_names())
      put(fs::path(game_dir) / "cg" / language / name,
          plat::encode_bmp(make_picture(name, language).bmp));
  }
  for (auto& name : wave_names()) put(fs::path(game_dir) / "dat" / name, make_wave(name));
  for (auto& name : music_names()) put(fs::path(game_dir) / "dat" / name, make_music(name));
  // The progress file is the player's once the game has saved into it: a rebuild ships the
  // fresh-game file only where there is none.
  fs::path progress = fs::path(game_dir) / "dat" / "my.dat";
  if (fs::exists(progress))
    n++;
  else
    put(progress, make_my_dat());
  put(fs::path(game_dir) / "dat" / "name.dat", make_name_dat());
  put(fs::path(game_dir) / "MIXER.INI", make_mixer_ini());
  return n;
}

plat::Bitmap contact_sheet(const std::vector<Picture>& pics, int columns) {
  // Each cell shows the picture at twice its size (backgrounds: their 195 x 130 scene at once)
  // over a checker so see-through parts show, with the file name under it.
  const int cw = 200, ch = 152;
  int rows = (int(pics.size()) + columns - 1) / columns;
  plat::Bitmap sheet(columns * cw, rows * ch, plat::RGB(60, 52, 64));
  plat::Canvas cv(sheet);
  plat::TextStyle st;
  st.point = 8;
  st.colour = plat::RGB(255, 255, 255);
  for (std::size_t i = 0; i < pics.size(); i++) {
    const Picture& p = pics[i];
    int x0 = int(i % std::size_t(columns)) * cw, y0 = int(i / std::size_t(columns)) * ch;
    for (int y = 0; y < 134; y++)
      for (int x = 0; x < 196; x++)
        sheet.set_pixel(
            x0 + 2 + x, y0 + 2 + y,
            ((x / 8 + y / 8) % 2) ? plat::RGB(200, 200, 210) : plat::RGB(235, 235, 240));
    if (!p.bmp.empty()) {
      int w = p.bmp.width(), h = p.bmp.height();
      int sc = (w * 2 <= 196 && h * 2 <= 134) ? 2 : 1;
      if (w > 196 || h > 134) w = std::min(w, 390), h = std::min(h, 260);
      plat::rgb key = p.kind == PicKind::layer ? p.bmp.transparent_colour() : 0xFFFFFFFF;
      if (p.kind == PicKind::masked || p.kind == PicKind::glow) key = 0;
      int big = (w > 196 || h > 134) ? 2 : 0;  // 390 x 260 pictures are shown halved
      for (int y = 0; y < (big ? h / 2 : h * sc) && y < 134; y++)
        for (int x = 0; x < (big ? w / 2 : w * sc) && x < 196; x++) {
          plat::rgb c = big ? p.bmp.pixel(x * 2, y * 2) : p.bmp.pixel(x / sc, y / sc);
          if (c == key && p.kind != PicKind::glow) continue;
          sheet.set_pixel(x0 + 2 + x, y0 + 2 + y, c);
        }
    }
    std::string label =
        p.name + " " + std::to_string(p.bmp.width()) + "x" + std::to_string(p.bmp.height());
    cv.text_out(x0 + 3, y0 + 137, plat::to_sjis(label), st);
  }
  return sheet;
}

}  // namespace ag
