#include <cstdlib>

#include <gtest/gtest.h>

#include "host/contest_session.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"

// STATS_SOAK_CALLS sets a contest-length run (200,000 calls) by hand.
TEST(Soak, LongSessionWithARefreshingWindowThreadKeepsMemoryFlat) {
  TempFolder folder;
  const char* calls = std::getenv("STATS_SOAK_CALLS");
  const SessionFigures figures = RunContestSession(calls ? std::atoll(calls) : 20000);
  EXPECT_GT(figures.refreshes, 0u);
  const size_t logSize = contest.log.qsoList.size();
  EXPECT_GT(logSize, 0u);
  // The second half adds and deletes as many QSOs: what the heap gains there is noise, not
  // a leak or a table that only grows (one QSO's record and indexes are a few hundred bytes).
  EXPECT_LT(figures.heapGrowthBytes, 64u * 1024u) << "log of " << logSize << " QSOs";
}
