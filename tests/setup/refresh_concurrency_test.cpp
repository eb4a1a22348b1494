// The host's thread runs the entry points while the window thread refreshes and changes
// the leg; under ThreadSanitizer this shows that both meet only through the contest lock.

#include <atomic>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/scripted_host.h"
#include "host/temp_folder.h"
#include "plugin/entry_points.h"
#include "setup/control_settings.h"
#include "setup/window_refresh.h"

TEST(RefreshConcurrency, ExportsOnTheHostThreadRefreshOnTheWindowThread) {
  TempFolder folder;
  Reset();
  std::atomic<bool> done{false};
  int refreshes = 0;

  std::thread windowThread([&] {
    ScriptedHost host;
    WindowRefresh refresh(contest);
    ControlSettings settings(contest, host);
    settings.Load();
    const char* const typed[] = {"", "G4ABC", "DL", "W1AW", "EI5XX"};
    const double frequencies[] = {14025000, 7010000, 29600000, 21300000};
    while (!done.load()) {
      host.entryText = typed[refreshes % 5];
      host.frequency = frequencies[refreshes % 4];
      const WindowUpdate update = refresh.Run(host, OpenWindows{true, true, true});
      for (const std::string& prefix : update.workedDxcc) ASSERT_FALSE(prefix.empty());
      const Leg leg = refreshes % 100 ? Leg::kCw : Leg::kSsb;
      if (refreshes % 50 == 0 && settings.SwitchLeg(leg)) settings.StartLeg(leg);
      if (refreshes % 30 == 0) settings.StoreAreaCode(refreshes % 60 ? "LN" : "AB");
      ++refreshes;
    }
  });

  const char* const calls[] = {"G4ABC", "DL1ZZZ", "EI5XX", "W1AW", "JA1AAA"};
  const char* const prefixes[] = {"G", "DL", "EI", "K", "JA"};
  for (int i = 0; i < 4000; ++i) {
    const int n = i % 5;
    Add(Qso{.call = calls[n], .prefix = prefixes[n], .band = i % 3 ? "20m" : "40m"});
    Check(calls[n]);
    if (i % 7 == 0) Remove(Qso{.call = calls[n]});
    if (i % 100 == 0) {
      // What the report does to the worked lists that the refresh copies.
      MutexLock guard(contest.lock);
      contest.results.worked.workedDxccByBand[3].push_back(prefixes[n]);
      contest.results.worked.workedAreasByBand[2].assign(1, "LN");
    }
    if (i % 500 == 0) GetResult0(nullptr);
    if (i % 1000 == 999) Reset();
  }
  done = true;
  windowThread.join();
  EXPECT_GT(refreshes, 0);
}
