#include "host/contest_session.h"

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "host/host_calls.h"
#include "host/scripted_host.h"
#include "plugin/entry_points.h"
#include "setup/window_refresh.h"

namespace {

size_t HeapInUse() {
  return mallinfo2().uordblks;
}

}  // namespace

SessionFigures RunContestSession(size_t calls) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  static const char* const kPrefixes[] = {"G", "DL", "K", "JA", "EI", "GM"};
  SessionFigures figures;
  std::atomic<bool> done{false};
  // The window thread's refresh, every window open, the host's entry field and frequency
  // walking through the calls and the contest bands.
  std::thread windowThread([&] {
    static const double kFrequencies[] = {3510000, 7010000, 14010000, 21010000, 28010000};
    ScriptedHost host;
    WindowRefresh refresh(contest);
    while (!done.load()) {
      host.entryText = "K" + std::to_string(figures.refreshes) + "AB";
      host.frequency = kFrequencies[figures.refreshes % 5];
      refresh.Run(host, OpenWindows{true, true, true});
      host.fields.clear();  // what the host was asked: kept only for the tests that look
      host.commands.clear();
      ++figures.refreshes;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });

  Reset();
  std::vector<std::string> logged;
  size_t halfwayHeap = 0;
  for (size_t n = 0; figures.calls < calls; ++n) {
    const bool churn = figures.calls >= calls / 2;
    if (churn && halfwayHeap == 0) halfwayHeap = HeapInUse();
    const std::string call = "K" + std::to_string(n) + "AB";
    const char* band = kBands[n % 5];
    const char* prefix = kPrefixes[n % 6];
    Check(call.c_str(), "CW", prefix, band);
    Add(Qso{.call = call.c_str(), .prefix = prefix, .band = band, .exchange = "12"});
    figures.calls += 2;
    if (churn) {  // the log keeps its size: a recent QSO deleted for every QSO logged
      const size_t recent = n - 10;
      const std::string old = "K" + std::to_string(recent) + "AB";
      Remove(Qso{.call = old.c_str(), .band = kBands[recent % 5]});
      ++figures.calls;
    }
    if (n % 2000 == 0) {
      GetResult0(nullptr);
      ++figures.calls;
    }
  }
  done = true;
  windowThread.join();
  const size_t endHeap = HeapInUse();
  figures.heapGrowthBytes = endHeap > halfwayHeap ? endHeap - halfwayHeap : 0;
  return figures;
}
