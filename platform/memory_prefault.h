#pragma once
// Memory for a large buffer in large steps. A new buffer otherwise gets its memory page by
// page as it is first written, and on a virtual machine each of those 4 kB pages costs
// microseconds: about 3 ms for every megabyte of a log's records, as much as reading them.

#include <cstddef>
#include <vector>

// Asks the system to back the range with writable memory now, in huge pages where it has
// them. Only a hint, and only for a large range: where the system offers no such call, the
// memory comes page by page as before. The range must lie in memory the caller allocated.
void PrefaultForWriting(void* start, size_t bytes);
// Asks for huge pages as the range is first written, without backing it now: for room
// that may stay unused.
void AdviseLargePages(void* start, size_t bytes);

// Room for `count` items, backed at once.
template <class Item>
void ReserveBacked(std::vector<Item>& items, size_t count) {
  items.reserve(count);
  PrefaultForWriting(items.data(), items.capacity() * sizeof(Item));
}
