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

std::atomic<HWND> controlWindow{nullptr};
// Set once the window thread has passed its start-up.
std::atomic<HANDLE> threadStarted{nullptr};
std::atomic<DWORD> windowThreadId{0};
// Kept only to end a thread that cannot stop in time when the module goes.
std::atomic<HANDLE> windowThread{nullptr};

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
    SetEvent(threadStarted);
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
  const HANDLE done = signals.done.load();
  return done != nullptr && WaitForSingleObject(done, 0) == WAIT_TIMEOUT;
}

void StartWindowThread() {
  if (WindowThreadRunning() && !CloseAllWindows()) return;
  if (signals.done.load() == nullptr) {
    signals.done = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    threadStarted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    signals.lastWait = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  }
  if (signals.done.load() == nullptr || threadStarted.load() == nullptr ||
      signals.lastWait.load() == nullptr) {
    return;
  }
  BindHostAutomation();
  signals.stopRequested = false;
  ResetEvent(signals.done);
  ResetEvent(threadStarted);
  Owned<KernelHandle>(windowThread.exchange(nullptr)).reset();
  DWORD id = 0;
  const HANDLE thread = CreateThread(nullptr, 0, ControlWindowThread, nullptr, 0, &id);
  if (thread == nullptr) {
    SetEvent(signals.done);
    return;
  }
  windowThreadId = id;
  windowThread = thread;
  // Until the thread has passed its start-up an unload would wait for it in vain.
  const HANDLE startedOrDone[] = {threadStarted.load(), signals.done.load()};
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
  const HANDLE done = signals.done.load();
  return WaitAnsweringSentMessages(&done, 1, kThreadWaitMilliseconds) == 0;
}

void UnloadWindows() {
  const Owned<KernelHandle> thread(windowThread.exchange(nullptr));
  signals.unloading = true;
  if (!CloseAllWindows() && thread) {
    // The thread waits for something the module's unloading holds (the system's loader
    // lock) although it passed its start-up before the host got control back. It would run
    // on in code that is gone: it is ended here, the last resort.
    TerminateThread(thread.get(), 1);
    WaitForSingleObject(thread.get(), kThreadWaitMilliseconds);
  }
  DismantleHostAutomation();
  for (std::atomic<HANDLE>* handle : {&signals.done, &threadStarted, &signals.lastWait}) {
    Owned<KernelHandle>(handle->exchange(nullptr)).reset();
  }
}
