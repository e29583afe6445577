// Counts the program's allocations while switched on (the replaced global operator new lives in
// alloc_count.cpp, a unit of its own so the compiler sees no mismatched pairs).
#pragma once

namespace alloc_count {
void start();
long stop();  // allocations since start()
}  // namespace alloc_count
