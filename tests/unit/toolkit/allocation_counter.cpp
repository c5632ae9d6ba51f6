// Replaces the global operator new of this test binary with one that counts its calls.
#include "tests/unit/toolkit/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
long allocations = 0;
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace kinloom::toolkit_test {

long AllocationCount() {
  return allocations;
}

}  // namespace kinloom::toolkit_test
