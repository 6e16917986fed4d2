// SPDX-License-Identifier: Apache-2.0
#pragma once

// Counts the heap allocations of a piece of code, by replacing the global
// operator new and delete. A replaced operator must be defined in exactly one
// translation unit of a program: include this header from one .cpp per test
// binary only. The rest of the binary allocates through it unchanged.

#include <cstddef>
#include <cstdlib>
#include <new>

namespace allocation_counter {
// Only the thread that counts counts, so that no other thread's work blurs
// the figure.
inline thread_local bool counting = false;
inline thread_local long count = 0;
}  // namespace allocation_counter

// None of the three inlined: GCC would pair the malloc() seen through an
// inlined new with the delete of the caller, or the reverse, and warn of a
// mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  if (allocation_counter::counting) ++allocation_counter::count;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// How many times the calling thread allocates while run() runs.
template <typename Run>
long allocationsOf(Run&& run) {
  allocation_counter::count = 0;
  allocation_counter::counting = true;
  run();
  allocation_counter::counting = false;
  return allocation_counter::count;
}
