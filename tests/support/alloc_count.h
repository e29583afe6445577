// Counts the test program's allocations, to hold frames and mixed blocks to allocating nothing.
// Linking alloc_count.cpp replaces every form of the global operator new and delete (a unit of
// its own, so the compiler sees no mismatched pairs): the plain, array, nothrow and sized forms
// all go to malloc and free, so memory from any of them may be given back through any other.
#pragma once

namespace alloc_count {
void start();
long stop();  // allocations since start()
}  // namespace alloc_count
