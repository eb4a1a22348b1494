#pragma once
// A contest-length session as a host makes it: QSOs logged, typed calls checked, a few
// QSOs deleted and the report asked for now and then, while a second thread runs the
// window refresh against a scripted host. Used by the soak test and its benchmark.

#include <cstddef>

struct SessionFigures {
  size_t calls = 0;
  size_t refreshes = 0;
  size_t heapGrowthBytes = 0;  // heap in use at the end minus after the first half
};

// Runs `calls` entry-point calls; the log grows in the first half and only churns (as many
// deletions as new QSOs) in the second, so the heap must not grow there.
SessionFigures RunContestSession(size_t calls);
