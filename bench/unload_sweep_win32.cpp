// How long the host waits in FreeLibrary when it unloads the plug-in at any moment of the
// first second after the reset that opens the windows (all three multiplier windows
// wanted, so that the first refresh reopens them). The host pumps messages until the
// moment comes, as a host's window thread does. Prints the worst case and the median, and
// how long the reset itself took (it waits for the window thread's start-up).
//
//   unload-sweep [STEP_MS]      (default 5: delays 0, 5, ... 1000 ms)

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "contest/settings_file.h"
#include "host/fake_host_win32.h"
#include "host/host_calls.h"
#include "host/temp_folder.h"

int main(int argc, char** argv) {
  const int step = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  TempFolder folder;
  for (const char* view : {kViewAreaKey, kViewDxccKey, kViewDxccExtendedKey}) {
    WritePrivateProfileStringA(kSettingsSection, view, "1", kSettingsPath);
  }
  FakeHost host;
  std::vector<long long> took, resets;
  long long worst = -1;
  int worstDelay = 0;
  for (int delay = 0; delay <= 1000; delay += step) {
    StatsLibrary& plugin = host.Load();
    WritePrivateProfileStringA(kSettingsSection, kStartKey, "0", kSettingsPath);
    const auto start = std::chrono::steady_clock::now();
    Reset({"G4AAA", "G", "EU"}, plugin);
    resets.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count());
    host.Pump(delay);
    const long long unload = host.Unload().count();
    took.push_back(unload);
    if (unload > worst) {
      worst = unload;
      worstDelay = delay;
    }
  }
  std::sort(took.begin(), took.end());
  std::sort(resets.begin(), resets.end());
  std::printf(
      "FreeLibrary 0-1000 ms after the reset, every %d ms (%zu runs): worst %lld ms "
      "(%d ms after the reset), median %lld ms\n",
      step, took.size(), worst, worstDelay, took[took.size() / 2]);
  std::printf("The reset that opens the windows: worst %lld ms, median %lld ms\n", resets.back(),
              resets[resets.size() / 2]);
  return 0;
}
