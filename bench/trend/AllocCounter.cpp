#include "AllocCounter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

// Counted at the C library's entry points: operator new, Qt's own allocations and GLib's all end
// up here, so a count of zero means nothing reached the heap at all.
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *p, std::size_t size);
void *__libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {
std::atomic<std::uint64_t> g_allocations{0};

void Count() {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

std::uint64_t AllocationCount() {
  return g_allocations.load(std::memory_order_relaxed);
}

extern "C" {
void *malloc(std::size_t size) {
  Count();
  return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size) {
  Count();
  return __libc_calloc(count, size);
}
void *realloc(void *p, std::size_t size) {
  Count();
  return __libc_realloc(p, size);
}
void *memalign(std::size_t alignment, std::size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
void *aligned_alloc(std::size_t alignment, std::size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void **out, std::size_t alignment, std::size_t size) {
  Count();
  void *p = __libc_memalign(alignment, size);
  if (!p && size)
    return ENOMEM;
  *out = p;
  return 0;
}
}
