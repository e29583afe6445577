// A customer comes in: who, what they want, and what the shop can offer them.
#pragma once

namespace game {

// Lets the next customer in; ends with the customer's choices offered, or with the customer
// gone empty-handed.
void let_customer_in();

}  // namespace game
