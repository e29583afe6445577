// Inside the picture generator: every picture is a size, a see-through rule and a drawing.
#pragma once
#include <functional>
#include <map>
#include <string>

#include "assets.h"
#include "paint.h"

namespace ag {

struct PicRecipe {
  PicRecipe() = default;
  PicRecipe(PicKind k, int w_, int h_, std::function<void(Img&)> d)
      : kind(k), w(w_), h(h_), draw(std::move(d)) {}
  PicKind kind = PicKind::layer;
  int w = 0, h = 0;
  std::function<void(Img&)> draw;
  // Meant gradients (skies, the night) are dithered rather than banded.
  bool dither = false;
  // Shown by the game at its own size beside doubled pictures: drawn at half size (the drawing
  // laid out in full-size units) and doubled, so that its pixels are the same size as theirs.
  bool half = false;
  // Drawn over the doubled picture at full size: what a rule's own geometry places to the pixel.
  std::function<void(Img&)> detail;
  // The picture with its lettering in English (cg/en/NAME), for a picture a player reads words on.
  std::function<void(Img&)> draw_en;
};
using PicTable = std::map<std::string, PicRecipe>;

// The house palette.
namespace pal {
constexpr Col ink = hex(0x4a3040);  // outlines: a soft dark plum, never black
constexpr Col cream = hex(0xfff6e8);
constexpr Col pink = hex(0xffb7cf);
constexpr Col rose = hex(0xff86ad);
constexpr Col peach = hex(0xffcfa8);
constexpr Col lemon = hex(0xfff0a0);
constexpr Col mint = hex(0xb5ead0);
constexpr Col sky = hex(0xaed8f5);
constexpr Col lilac = hex(0xd2b8f0);
constexpr Col wood = hex(0xd9a877);
constexpr Col wood_dark = hex(0xa8734a);
constexpr Col skin = hex(0xffe0c8);
constexpr Col white = hex(0xffffff);
constexpr Col grey = hex(0xb8b0b8);
constexpr Col gold = hex(0xffd34d);
constexpr Col red = hex(0xf0606a);
constexpr Col brown = hex(0x9a6a4a);
constexpr Col navy = hex(0x5a6aa0);
constexpr Col green = hex(0x7ccf86);
}  // namespace pal

void add_scene_pictures(PicTable& t);
void add_people_pictures(PicTable& t);
void add_goods_pictures(PicTable& t);
void add_seal_pictures(PicTable& t);

// Shared motifs used by several groups.
void draw_face(Img& im, float cx, float cy, float r, int eyes, int mouth, Col cheek);
void draw_poo(Img& im, float cx, float cy, float s, bool face);
void draw_cat_face(Img& im, float cx, float cy, float r, Col fur);
void draw_bear_face(Img& im, float cx, float cy, float r, Col fur, bool rabbit_ears);
void draw_flower(Img& im, float cx, float cy, float r, Col petal, int petals = 5);
void draw_skull(Img& im, float cx, float cy, float r);
// A customer's bust, by name (the roster's and visitors' pictures), on a w x h picture.
void draw_person(Img& im, const std::string& name);
// A customer picture as the game shows it: the person clear of the rows the game never shows.
void draw_customer(Img& im, const std::string& name);
// A character seal by the picture name of the one it shows ("owner" for the shop's owner,
// "mayumi" for 魔夕未): a head and shoulders drawn for the 22 x 22 sticker.
void draw_face_seal(Img& im, const std::string& who);
// A catalogue picture by name on its square.
void draw_goods(Img& im, const std::string& name);

}  // namespace ag
