// Counts the allocations this test program makes, for the per-event cost checks.
#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define KINLOOM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KINLOOM_ASAN 1
#endif
#endif

namespace {
std::atomic<long> allocations{0};
}  // namespace

namespace kinloom {
long AllocationCount() {
  return allocations.load();
}
}  // namespace kinloom

#ifdef KINLOOM_ASAN

// AddressSanitizer owns operator new and delete (it checks that they pair up); its allocator
// reports every allocation, malloc and new alike, to a hook.
// Declared here: GCC ships the sanitizer runtime but not its interface headers.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocate)(const volatile void*,
                                                                            std::size_t),
                                                         void (*onRelease)(const volatile void*));

namespace {

void CountAllocation(const volatile void*, std::size_t) {
  allocations.fetch_add(1);
}

void IgnoreRelease(const volatile void*) {}

const int hooksInstalled =
    __sanitizer_install_malloc_and_free_hooks(CountAllocation, IgnoreRelease);

}  // namespace

#else

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

#endif
