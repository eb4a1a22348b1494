#include "setup/window_thread.h"

#include <windows.h>

#include <atomic>

#include "setup/host_automation.h"
#include "setup/setup_cq_ww.h"

namespace {

// The host's thread waits no longer than this for the window thread to stop.
constexpr DWORD kStopWaitMilliseconds = 750;

std::atomic<HWND> controlWindow{nullptr};
std::atomic<bool> stopRequested{false};
// Set while no window thread runs; created by the first start.
std::atomic<HANDLE> threadDone{nullptr};
std::atomic<DWORD> windowThreadId{0};

// Remembers, across control windows, where the host was when it was last told "<SP1>".
WindowRefresh refresh{contest};

// As a dialog's own loop does, the dialog keys work in every window of the thread.
void RunMessageLoop(const Setup_CQ_WW& window) {
  MSG message;
  while (!window.ended() && GetMessageA(&message, nullptr, 0, 0) > 0) {
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

DWORD WINAPI ControlWindowThread(void*) {
  {
    HostAutomation host(stopRequested);
    {
      Setup_CQ_WW window(host, refresh);
      if (window.Open()) {
        controlWindow = window.hwnd();
        if (stopRequested) window.Shutdown();
        RunMessageLoop(window);
      }
      controlWindow = nullptr;
    }
    // When the host's thread waits for us, letting go of the host would need its answer.
    if (!stopRequested) host.Unlink();
  }
  LeaveWindowThread();
}

}  // namespace

bool WindowThreadRunning() {
  const HANDLE done = threadDone.load();
  return done != nullptr && WaitForSingleObject(done, 0) == WAIT_TIMEOUT;
}

void StartWindowThread() {
  if (WindowThreadRunning() && !CloseAllWindows()) return;
  if (threadDone.load() == nullptr) threadDone = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  if (threadDone.load() == nullptr) return;
  stopRequested = false;
  ResetEvent(threadDone);
  DWORD id = 0;
  const HANDLE thread = CreateThread(nullptr, 0, ControlWindowThread, nullptr, 0, &id);
  if (thread == nullptr) {
    SetEvent(threadDone);
    return;
  }
  windowThreadId = id;
  CloseHandle(thread);
}

void PostRefreshRequest(bool arm) {
  if (const HWND window = controlWindow.load()) {
    PostMessageA(window, arm ? kArmRefreshMessage : kStopRefreshMessage, 0, 0);
  }
}

bool CloseAllWindows() {
  if (!WindowThreadRunning()) return true;
  stopRequested = true;
  if (const HWND window = controlWindow.load()) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else {
    // Still opening: wakes a host call it may wait in, so that the call is cancelled.
    PostThreadMessageA(windowThreadId, WM_NULL, 0, 0);
  }
  return WaitForSingleObject(threadDone, kStopWaitMilliseconds) == WAIT_OBJECT_0;
}

bool WindowThreadStopRequested() {
  return stopRequested;
}

void LeaveWindowThread() {
  controlWindow = nullptr;
  // The exit is queued first and runs inside the wait that gives the signal, so that this
  // thread never comes back into the module's code.
  QueueUserAPC(reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(&ExitThread)),
               GetCurrentThread(), 0);
  SignalObjectAndWait(threadDone, GetCurrentThread(), INFINITE, TRUE);
  ExitThread(0);
}
