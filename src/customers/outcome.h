// The end of a customer's visit: what they pay, the customer leaving, the hours counting down.
#pragma once

namespace game {

// Outcome codes of a service.
constexpr int outcome_big_tip = -2;
constexpr int outcome_tip = -1;
constexpr int outcome_small_tip = -3;
constexpr int outcome_paid = 0;
constexpr int outcome_half = 1;
constexpr int outcome_unpaid = 2;
constexpr int outcome_no_sale = 3;

// What a customer pays for goods of list price `price` in the current difficulty mode.
int customer_price(int price);
// Finishes the service of the current customer with an outcome code.
void finish_service(int code);

}  // namespace game
