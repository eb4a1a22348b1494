#include "setup/window_thread_win32.h"

#include <windows.h>

#include <atomic>

#include "platform/owned_win32.h"
#include "setup/host_automation_win32.h"
#include "setup/posted_host_link_win32.h"
#include "setup/setup_cq_ww_win32.h"
#include "setup/thread_signals_win32.h"

namespace {

// The host's thread waits no longer than this for the window thread to start or to stop.
constexpr DWORD kThreadWaitMilliseconds = 2000;

// Set by the window thread, read by the host's.
std::atomic<HWND> controlWindow{nullptr};
// The host's thread alone changes these, while no window thread runs (as the signals'
// events). Set once the window thread has passed its start-up: made with the events.
Owned<KernelHandle> threadStarted;
DWORD windowThreadId = 0;
// Kept only to end a thread that cannot stop in time when the module goes.
Owned<KernelHandle> windowThread;

WindowThreadSignals& signals = windowThreadSignals;

// Remembers, across control windows, where the host was when it was last told "<SP1>".
WindowRefresh refresh{contest};

void RunMessageLoop(const Setup_CQ_WW& window) {
  MSG message;
  while (!window.ended() && GetMessageA(&message, nullptr, 0, 0) > 0) {
    DispatchThreadMessage(message);
  }
}

// Everything that may take the system's loader lock happens before the host's thread hears
// that this thread runs: the resources, the common controls, the thread's first window and
// the two DXCC windows, hidden (the extended one's tab control loads a cursor). The area grid
// and the extended window's pages, boxes alone, follow. From then on the host may unload the
// plug-in at any moment.
DWORD WINAPI ControlWindowThread(void*) {
  LoadWindowResources();
  {
    PostedHostLink host;
    Setup_CQ_WW window(host, refresh);
    const bool opened = window.Open();
    if (opened) controlWindow = window.hwnd();
    SetEvent(threadStarted.get());
    if (opened) {
      if (signals.unloading) LeaveWindowsToTheSystem();
      if (!signals.stopRequested) RunMessageLoop(window);
    }
    controlWindow = nullptr;
  }  // every window closes here
  LeaveWindowThread();
}

// As a synchronous send waits: messages other threads send to this one are answered
// meanwhile, since the window thread's own calls into the system may send some (showing a
// window activates it, which tells the host's active window). The index of the object
// signalled, or -1 when the time is up.
int WaitAnsweringSentMessages(const HANDLE* objects, DWORD count, DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  for (;;) {
    const DWORD now = GetTickCount();
    const DWORD left = static_cast<int>(end - now) > 0 ? end - now : 0;
    const DWORD woken = MsgWaitForMultipleObjects(count, objects, FALSE, left, QS_SENDMESSAGE);
    if (woken < WAIT_OBJECT_0 + count) return static_cast<int>(woken - WAIT_OBJECT_0);
    if (woken != WAIT_OBJECT_0 + count) return -1;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

bool WindowThreadRunning() {
  return signals.done && WaitForSingleObject(signals.done.get(), 0) == WAIT_TIMEOUT;
}

void StartWindowThread() {
  if (WindowThreadRunning() && !CloseAllWindows()) return;
  if (!signals.done) {
    signals.done.reset(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    threadStarted.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    signals.lastWait.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  }
  if (!signals.done || !threadStarted || !signals.lastWait) return;
  BindHostAutomation();
  signals.stopRequested = false;
  ResetEvent(signals.done.get());
  ResetEvent(threadStarted.get());
  DWORD id = 0;
  windowThread.reset(CreateThread(nullptr, 0, ControlWindowThread, nullptr, 0, &id));
  if (!windowThread) {
    SetEvent(signals.done.get());
    return;
  }
  windowThreadId = id;
  // Until the thread has passed its start-up an unload would wait for it in vain.
  const HANDLE startedOrDone[] = {threadStarted.get(), signals.done.get()};
  WaitAnsweringSentMessages(startedOrDone, 2, kThreadWaitMilliseconds);
}

void PostRefreshRequest(bool arm) {
  if (const HWND window = controlWindow.load()) {
    PostMessageA(window, arm ? kArmRefreshMessage : kStopRefreshMessage, 0, 0);
  }
}

bool CloseAllWindows() {
  if (!WindowThreadRunning()) return true;
  signals.stopRequested = true;
  if (const HWND window = controlWindow.load()) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else {
    // Still opening: wakes a host call it may wait in, so that it gives up.
    PostThreadMessageA(windowThreadId, WM_NULL, 0, 0);
  }
  const HANDLE done = signals.done.get();
  return WaitAnsweringSentMessages(&done, 1, kThreadWaitMilliseconds) == 0;
}

void UnloadWindows() {
  const Owned<KernelHandle> thread(std::move(windowThread));
  signals.unloading = true;
  if (!CloseAllWindows() && thread) {
    // The thread waits for something the module's unloading holds (the system's loader
    // lock) although it passed its start-up before the host got control back. It would run
    // on in code that is gone: it is ended here, the last resort.
    TerminateThread(thread.get(), 1);
    WaitForSingleObject(thread.get(), kThreadWaitMilliseconds);
  }
  DismantleHostAutomation();
  signals.done.reset();
  threadStarted.reset();
  signals.lastWait.reset();
}
