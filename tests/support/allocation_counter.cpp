// Counts the allocations this test program makes, for the per-event cost checks.
#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}  // namespace

namespace kinloom {
long AllocationCount() {
  return allocations.load();
}
}  // namespace kinloom

// The replaceable global allocation functions; the array and sized forms fall back on these.
void* operator new(std::size_t size) {
  allocations.fetch_add(1);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
