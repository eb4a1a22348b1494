// The weekend's host on Windows: the fake host of the wine tests, with the plug-in's
// windows found and driven as the operator drives them.

#include <windows.h>

#include <psapi.h>  // after windows.h, which it needs

#include "bench/weekend_host.h"
#include "host/fake_host_win32.h"
#include "res/control_window_ids.h"

namespace {

constexpr DISPID kEntryText = 8;
// Long enough for any wait of the windows under a loaded wine, where the test suites run
// side by side; the refresh timer is 300 ms, a window opens in well under a second.
constexpr int kWindowWaitMilliseconds = 20000;

const char* LegCommand(bool cw) {
  return cw ? "<MODE:CW>" : "<MODE:SSB>";
}

size_t CountOf(const std::vector<std::string>& commands, const char* command) {
  return static_cast<size_t>(std::count(commands.begin(), commands.end(), command));
}

// The export's dialogs are modal on the host's thread: whatever dialog of this thread is
// shown gets its OK.
BOOL CALLBACK ConfirmDialog(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

void CALLBACK ConfirmDialogs(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ConfirmDialog, 0);
}

}  // namespace

struct WeekendHost::Platform {
  FakeHost host;
  PluginWindows windows;
  int refreshesForgotten = 0;  // refreshes whose host calls were let go of
};

WeekendHost::WeekendHost() : platform_(std::make_unique<Platform>()) {
  platform_->host.Load();
}

WeekendHost::~WeekendHost() = default;

const StatsLibrary& WeekendHost::plugin() const {
  return platform_->host.plugin();
}

bool WeekendHost::HasWindows() {
  return true;
}

void WeekendHost::Show(const std::string& entryText, double frequencyHz) {
  platform_->host.entryText = entryText;
  platform_->host.frequency = frequencyHz;
}

void WeekendHost::PumpWaiting() {
  platform_->host.PumpWaiting();
}

bool WeekendHost::AwaitRefresh() {
  FakeHost& host = platform_->host;
  const size_t before = host.CallsOf(kEntryText);
  const bool refreshed =
      host.PumpUntil([&] { return host.CallsOf(kEntryText) > before; }, kWindowWaitMilliseconds);
  // The host keeps every call it answers: let them go, so that its memory stays flat.
  platform_->refreshesForgotten += static_cast<int>(host.CallsOf(kEntryText));
  host.ForgetCalls();
  return refreshed;
}

int WeekendHost::refreshes() const {
  return platform_->refreshesForgotten + static_cast<int>(platform_->host.CallsOf(kEntryText));
}

bool WeekendHost::AwaitWindows() {
  FakeHost& host = platform_->host;
  PluginWindows& windows = platform_->windows;
  // The first refresh reopens the multiplier windows and ends in "<SP1>"; until it has, the
  // control window is busy with the host and takes no click.
  return host.PumpUntil(
      [&] {
        windows = FindPluginWindows();
        for (const HWND window :
             {windows.control, windows.area, windows.dxcc, windows.dxccExtended}) {
          if (window == nullptr || !IsWindowVisible(window)) return false;
        }
        return CountOf(host.Commands(), "<SP1>") > 0;
      },
      kWindowWaitMilliseconds);
}

bool WeekendHost::ChangeLegAndBack(bool cwLeg) {
  FakeHost& host = platform_->host;
  for (const bool cw : {!cwLeg, cwLeg}) {
    // The SSB leg is told to the host twice, before and after its file is made anew.
    const size_t told = CountOf(host.Commands(), LegCommand(cw)) + (cw ? 1 : 2);
    const auto carriedOut = [&] { return CountOf(host.Commands(), LegCommand(cw)) >= told; };
    // A click while the control window waits for the host may be undone: the operator
    // clicks again.
    bool done = false;
    for (int click = 0; click < 5 && !done; ++click) {
      Click(platform_->windows.control, cw ? IDC_MODE_CW : IDC_MODE_SSB);
      done = host.PumpUntil(carriedOut, kWindowWaitMilliseconds / 5);
    }
    if (!done) return false;
  }
  return true;
}

bool WeekendHost::CloseWindows() {
  const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, platform_->windows.thread);
  if (thread == nullptr) return true;
  PostMessageA(platform_->windows.control, WM_CLOSE, 0, 0);
  const bool ended = platform_->host.PumpUntil(
      [&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, kWindowWaitMilliseconds);
  CloseHandle(thread);
  return ended;
}

std::optional<long> WeekendHost::GdiObjects() const {
  const HMODULE module = GetModuleHandleA("Stats.dll");
  using Count = long(__cdecl*)();
  const auto count = reinterpret_cast<Count>(
      reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(100))));
  if (count == nullptr) return std::nullopt;
  return count();
}

size_t WeekendHost::WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

void WeekendHost::ConfirmingDialogs(const std::function<void()>& work) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ConfirmDialogs);
  work();
  KillTimer(nullptr, timer);
}
