// The shop's economy outside the service: the evening's offers of wrappings, seals and goods,
// the buy, stock and print actions of the item panel, and the printer's print mode.
#pragma once

namespace game {

// The evening ("明日の準備"): fills both offer lists and opens the item panel in buy mode.
void evening_stocking();
// The printer's daughter has knocked and spoken: the item panel opens in print mode.
void open_print_mode();

}  // namespace game
