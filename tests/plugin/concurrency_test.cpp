// The host's thread runs the entry points while the window thread refreshes from the same
// state; run under ThreadSanitizer this proves both go through the contest lock.

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"
#include "plugin/entry_points.h"

TEST(Concurrency, ExportsAndARefreshReaderShareTheState) {
  TempFolder folder;
  Reset();
  std::atomic<bool> done{false};
  size_t refreshes = 0;
  int startFlag = 0;

  std::thread windowThread([&] {
    while (!done.load()) {
      // What a refresh does: copy under the lock, then work on the copies.
      std::vector<CInfo> records;
      std::array<std::vector<std::string>, kBandSlots> worked;
      {
        MutexLock guard(contest.lock);
        const QsoLog::Records log = contest.log.qsoList.records();
        records.assign(log.begin(), log.end());
        worked = contest.results.worked.workedDxccByBand;
        contest.view.currentCall = records.empty() ? std::string() : records.back().call;
        contest.view.bandStatus[3][1] = records.empty() ? "   -" : records.back().mode;
        startFlag = contest.station.startFlag;  // a reset writes it
      }
      for (const CInfo& qso : records) ASSERT_FALSE(qso.band.empty());
      ++refreshes;
    }
  });

  const char* const calls[] = {"G4ABC", "DL1ZZZ", "EI5XX", "W1AW", "JA1AAA"};
  for (int i = 0; i < 4000; ++i) {
    const char* call = calls[i % 5];
    Add(Qso{.call = call, .band = i % 3 ? "20m" : "40m"});
    Check(call);
    if (i % 7 == 0) Remove(Qso{.call = call});
    if (i % 500 == 0) GetResult0(nullptr);
    if (i % 1000 == 999) Reset();
  }
  done = true;
  windowThread.join();
  EXPECT_GT(refreshes, 0u);
  EXPECT_GE(startFlag, 0);
}
