// The picture store: thirty picture slots and their masks, the layers the frame driver draws.
#pragma once
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/sjis.h"

namespace game {

constexpr int picture_slots = 30;

plat::Bitmap& picture(int slot);
plat::Bitmap& mask(int slot);  // built once for slots 0, 8 and 9
plat::Bitmap& haikei_image();  // the loading buffer for backgrounds

void build_picture_store();  // form creation step 6
void free_picture_store();
// Loads cg/NAME into the slot; a failure leaves the slot as it was. Returns success.
bool load_picture(int slot, const plat::sjis& name);

void set_background(const plat::sjis& name);
void set_shop_scene(const plat::sjis& customer_picture = {});
void set_customer_picture(const plat::sjis& name);
void set_goods_picture(const plat::sjis& name);
void set_hand_seal_picture(const plat::sjis& name);
void set_shop_front(const plat::sjis& name);
void show_flyer_picture();
void draw_masked(plat::Canvas& cg, int x, int y, int slot);

}  // namespace game
