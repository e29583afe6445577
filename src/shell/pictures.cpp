// The picture store: thirty slots, the masks of the button plate and the shop front, and the
// operations that put named pictures into the layers the frame driver draws.
#include "shell/pictures.h"

#include <array>
#include <string>

#include "shell/form.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

namespace {

std::array<plat::Bitmap, picture_slots> pictures_;
std::array<plat::Bitmap, picture_slots> masks_;
plat::Bitmap haikei_;

// Reads cg/NAME into `into`; on any failure `into` keeps what it held.
bool load_file(plat::Bitmap& into, const plat::sjis& name) {
  plat::Bitmap pic;
  if (plat::read_bmp_file(cg_path(name), pic) != plat::BmpError::none) return false;
  into = std::move(pic);
  return true;
}

bool valid_slot(int slot) {
  return slot >= 0 && slot < picture_slots;
}

void trace_picture(int slot, const plat::sjis& name) {
  if (tracing()) trace("picture", std::to_string(slot) + " " + plat::to_utf8(name));
}

// Blanks a layer with the empty picture (no trace: part of a larger operation).
void blank(int slot) {
  load_file(pictures_[std::size_t(slot)], SJ("not.bmp"));
}

}  // namespace

// A slot number out of range gets a scratch picture of its own, never one of the thirty.
plat::Bitmap& picture(int slot) {
  static plat::Bitmap none;
  if (!valid_slot(slot)) return none = plat::Bitmap();
  return pictures_[std::size_t(slot)];
}
plat::Bitmap& mask(int slot) {
  static plat::Bitmap none;
  if (!valid_slot(slot)) return none = plat::Bitmap();
  return masks_[std::size_t(slot)];
}
plat::Bitmap& haikei_image() {
  return haikei_;
}

void build_picture_store() {
  static const char* const fixed[22] = {
      "box.bmp",    "girl00.bmp", "haikei.bmp",    "key01.bmp",  "seal01.bmp", "seal_box.bmp",
      "00.bmp",     "front2.bmp", "front_mid.bmp", "front3.bmp", "00.bmp",     "seal01.bmp",
      "2chain.bmp", "3chain.bmp", "4chain.bmp",    "5chain.bmp", "6chain.bmp", "7chain.bmp",
      "8chain.bmp", "9chain.bmp", "10chain.bmp",   "chain.bmp"};
  for (auto& p : pictures_) p = plat::Bitmap();
  for (auto& m : masks_) m = plat::Bitmap();
  for (int slot = 0; slot < 22; ++slot) {
    // The names are plain ASCII: their Shift-JIS bytes are the same.
    load_file(pictures_[std::size_t(slot)], plat::sjis(fixed[slot]));
    // Pure black is the see-through colour of the masked pictures; built once, never again.
    if (slot == 0 || slot == 8 || slot == 9)
      masks_[std::size_t(slot)] = plat::make_mask(pictures_[std::size_t(slot)], 0x000000);
  }
  // The background buffer is always the full surface, whatever 00.bmp holds.
  if (pictures_[6].width() != 390 || pictures_[6].height() != 260) {
    plat::Bitmap full(390, 260, 0);
    plat::Canvas(full).copy(0, 0, pictures_[6]);
    pictures_[6] = std::move(full);
  }
}

void free_picture_store() {
  for (auto& p : pictures_) p = plat::Bitmap();
  for (auto& m : masks_) m = plat::Bitmap();
  haikei_ = plat::Bitmap();
}

bool load_picture(int slot, const plat::sjis& name) {
  if (!valid_slot(slot)) return false;
  return load_file(pictures_[std::size_t(slot)], name);
}

void set_background(const plat::sjis& name) {
  if (tracing()) trace("bg", plat::to_utf8(name));
  load_file(haikei_, name);
  // Backgrounds hold their scene in the top-left 195×130 and are shown doubled.
  plat::Bitmap& bg = pictures_[6];
  if (bg.width() != 390 || bg.height() != 260) bg.resize(390, 260, 0);
  if (!haikei_.empty()) plat::Canvas(bg).stretch(0, 0, 390, 260, haikei_, 0, 0, 195, 130);
  blank(1);
  blank(3);
  blank(4);
  gs.item_card = 0;
  gs.shop_front_on = 0;
}

void set_shop_scene(const plat::sjis& customer_picture) {
  set_background(SJ("haikei2.bmp"));
  if (!customer_picture.empty()) {
    trace_picture(1, customer_picture);
    load_file(pictures_[1], customer_picture);
  } else {
    blank(1);
    blank(3);
    blank(4);
  }
  gs.shop_front_on = 1;
}

void set_customer_picture(const plat::sjis& name) {
  trace_picture(1, name);
  load_file(pictures_[1], name);
}

void set_goods_picture(const plat::sjis& name) {
  trace_picture(3, name);
  load_file(pictures_[3], name);
  if (name != SJ("not.bmp")) {
    // The item card slides in from its resting place outside the picture.
    if (gs.item_card == 0) gs.item_card_x = 200;
    gs.item_card = 1;
  } else {
    gs.item_card = 0;
  }
}

void set_hand_seal_picture(const plat::sjis& name) {
  trace_picture(4, name);
  load_file(pictures_[4], name);
}

void set_shop_front(const plat::sjis& name) {
  gs.shop_front_on = name != SJ("not.bmp") ? 1 : 0;
}

void show_flyer_picture() {
  const plat::sjis name = "tirasi" + std::to_string(gs.flyer_kind) + ".bmp";
  trace_picture(11, name);
  load_file(pictures_[11], name);
  gs.seal_layer_on = 1;
}

void draw_masked(plat::Canvas& cg, int x, int y, int slot) {
  if (!valid_slot(slot)) return;
  const plat::Bitmap& pic = pictures_[std::size_t(slot)];
  const plat::Bitmap& m = masks_[std::size_t(slot)];
  if (pic.empty()) return;
  cg.blit_and(x, y, m.width(), m.height(), m);
  cg.blit_or(x, y, pic.width(), pic.height(), pic);
}

}  // namespace game
