// The customer's judgement of the seal just stuck, and the chain of well-served customers.
#pragma once

namespace game {

// The seal `id` has been stuck (on goods, or on the door to save).
void react_to_seal(int id);
// One more well-served customer in a row.
void chain_step();

}  // namespace game
