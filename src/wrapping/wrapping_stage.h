// The wrapping stage at the counter: wrap, fold, seal or hand over, or refuse the customer.
#pragma once
#include "platform/sjis.h"

namespace game {

// One of "包む", "【Ex】包装", "折る", "シール", "はい終わり", "断る", from the dispatcher.
void on_choice(const plat::sjis& caption);
// A right press on the third choice button: the special-wrapping toggle.
void on_wrap_button_right_click();
// A left press on the third button while it reads "包む": the normal material is chosen.
void select_normal_wrapping();
// The special wrapping for the selected goods is in stock (the ">>> R" hint).
bool ex_wrap_in_stock();

}  // namespace game
