#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "platform/memory_prefault.h"

void PrefaultForWriting([[maybe_unused]] void* start, [[maybe_unused]] size_t bytes) {
#if defined(MADV_POPULATE_WRITE)  // Linux 5.14; older kernels refuse both, and nothing changes
  if (bytes == 0) return;
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  // The pages that hold the range: each is mapped, as a part of it is the caller's.
  void* const first = reinterpret_cast<void*>(reinterpret_cast<uintptr_t>(start) & ~(page - 1));
  const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes + page - 1) & ~(page - 1);
  const size_t length = end - reinterpret_cast<uintptr_t>(first);
  madvise(first, length, MADV_HUGEPAGE);  // where transparent huge pages are on request
  madvise(first, length, MADV_POPULATE_WRITE);
#endif
}
