// Every reward and penalty of the shop goes through these few operations: money, the day's
// takings, satisfaction, a customer's fondness and the stock. Each one announces itself in the
// message log with its own sound and colour, so the rules (the level bonus on satisfaction
// gains, the chain bonus on payments, the fondness gift) hold wherever they are called from.
#pragma once

namespace game {

// A customer's payment: money and takings, then the chain bonus; waits for a click.
void receive_payment(int amount);
// Money only (the owner's pay and bonuses); waits for a click.
void receive_money(int amount);
// Money and takings, announced as the chain bonus; no wait of its own.
void chain_bonus(int amount);
// Satisfaction, with the clerk level's bonus on gains; waits for a click.
void change_satisfaction(int amount);
// The level bonus added to a satisfaction gain at clerk level `lv`.
int satisfaction_bonus(int lv);
// Customer `man_no`'s fondness; at 10 it starts again from 0 and the customer gives a gift.
void add_fondness(int man_no, int step);
// One or `count` more of catalogue entry `id` in stock, announced; waits for a click.
void gain_item(int id);
void gain_items(int id, int count);

}  // namespace game
