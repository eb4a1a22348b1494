#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "platform/memory_prefault.h"

namespace {

// Below this, a buffer may share its pages with the stack or with small blocks of the heap,
// and a few page faults cost less than the call.
constexpr size_t kLargeBuffer = 256 * 1024;

// Applies the advice to the pages that hold the range: each is mapped, as a part of it is
// the caller's. Older kernels refuse advice they do not know, and nothing changes.
void Advise(void* start, size_t bytes, int advice) {
  if (bytes < kLargeBuffer) return;
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t first = reinterpret_cast<uintptr_t>(start) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes + page - 1) & ~(page - 1);
  madvise(reinterpret_cast<void*>(first), end - first, advice);
}

}  // namespace

void PrefaultForWriting(void* start, size_t bytes) {
  AdviseLargePages(start, bytes);
#if defined(MADV_POPULATE_WRITE)  // Linux 5.14
  Advise(start, bytes, MADV_POPULATE_WRITE);
#endif
}

void AdviseLargePages(void* start, size_t bytes) {
  Advise(start, bytes, MADV_HUGEPAGE);  // where transparent huge pages are on request
}
