// The first start screen's goods picture: any goods entry, drawn at random.
#include "goods/catalogue.h"
#include "platform/sjis.h"
#include "shell/form.h"

namespace game {

const sjis& random_title_goods() {
  static sjis pic;
  const int n = pick_title_goods(draw);
  pic = n ? item[n].pic : sjis{};
  return pic;
}

}  // namespace game
