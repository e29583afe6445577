// The shop's economy outside the service: the evening's offers of wrappings, seals and goods,
// the buy, stock and print actions of the item panel, and the printer's print mode.
#pragma once

namespace game {

// The evening ("明日の準備"): fills both offer lists and opens the item panel in buy mode.
void evening_stocking();
// The printer's daughter has knocked and spoken: the item panel opens in print mode.
void open_print_mode();

// The item panel's action button, after its own checks of the selection (item_panel.h).
void buy_action();    // "買う": a wrapping or a seal
void stock_action();  // "仕入れる": goods at the wholesale price
void print_action();  // "印刷": a batch of ten flyers

}  // namespace game
