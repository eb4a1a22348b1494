#include "setup/window_thread.h"

#include <windows.h>

#include <atomic>

#include "platform/thread_exit_win32.h"
#include "setup/host_automation.h"
#include "setup/posted_host_link.h"
#include "setup/setup_cq_ww.h"

namespace {

// The host's thread waits no longer than this for the window thread to start or to stop.
constexpr DWORD kThreadWaitMilliseconds = 2000;

std::atomic<HWND> controlWindow{nullptr};
std::atomic<bool> stopRequested{false};
// The module is being unloaded: the host's thread holds the system's loader lock.
std::atomic<bool> unloading{false};
// Set while no window thread runs; created by the first start.
std::atomic<HANDLE> threadDone{nullptr};
// Set once the window thread has passed its start-up.
std::atomic<HANDLE> threadStarted{nullptr};
std::atomic<DWORD> windowThreadId{0};
// Kept only to end a thread that cannot stop in time when the module goes.
std::atomic<HANDLE> windowThread{nullptr};
// Never set: the window thread's last wait, in which it leaves.
std::atomic<HANDLE> lastWait{nullptr};

// Remembers, across control windows, where the host was when it was last told "<SP1>".
WindowRefresh refresh{contest};

void RunMessageLoop(const Setup_CQ_WW& window) {
  MSG message;
  while (!window.ended() && GetMessageA(&message, nullptr, 0, 0) > 0) {
    DispatchThreadMessage(message);
  }
}

// Destroying hundreds of boxes would keep the unloading host waiting: the windows only
// leave the screen, at once.
BOOL CALLBACK HideWindow(HWND window, LPARAM) {
  ShowWindow(window, SW_HIDE);
  return TRUE;
}

// Windows whose procedure goes with the module are left to the dialog handling of the
// system, which destroys them with the thread.
BOOL CALLBACK LetGoOfDialog(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0) return TRUE;
  SetWindowLongPtrA(window, DWLP_DLGPROC, 0);
  EnumChildWindows(window, LetGoOfDialog, 0);
  return TRUE;
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
      if (unloading) LeaveWindowsToTheSystem();
      if (!stopRequested) RunMessageLoop(window);
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
  const HANDLE done = threadDone.load();
  return done != nullptr && WaitForSingleObject(done, 0) == WAIT_TIMEOUT;
}

void StartWindowThread() {
  if (WindowThreadRunning() && !CloseAllWindows()) return;
  if (threadDone.load() == nullptr) {
    threadDone = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    threadStarted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    lastWait = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  }
  if (threadDone.load() == nullptr || threadStarted.load() == nullptr ||
      lastWait.load() == nullptr) {
    return;
  }
  BindHostAutomation();
  stopRequested = false;
  ResetEvent(threadDone);
  ResetEvent(threadStarted);
  if (const HANDLE ended = windowThread.exchange(nullptr)) CloseHandle(ended);
  DWORD id = 0;
  const HANDLE thread = CreateThread(nullptr, 0, ControlWindowThread, nullptr, 0, &id);
  if (thread == nullptr) {
    SetEvent(threadDone);
    return;
  }
  windowThreadId = id;
  windowThread = thread;
  // Until the thread has passed its start-up an unload would wait for it in vain.
  const HANDLE startedOrDone[] = {threadStarted.load(), threadDone.load()};
  WaitAnsweringSentMessages(startedOrDone, 2, kThreadWaitMilliseconds);
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
    // Still opening: wakes a host call it may wait in, so that it gives up.
    PostThreadMessageA(windowThreadId, WM_NULL, 0, 0);
  }
  const HANDLE done = threadDone.load();
  return WaitAnsweringSentMessages(&done, 1, kThreadWaitMilliseconds) == 0;
}

void UnloadWindows() {
  const HANDLE thread = windowThread.exchange(nullptr);
  unloading = true;
  if (!CloseAllWindows() && thread != nullptr) {
    // The thread waits for something the module's unloading holds (the system's loader
    // lock) although it passed its start-up before the host got control back. It would run
    // on in code that is gone: it is ended here, the last resort.
    TerminateThread(thread, 1);
    WaitForSingleObject(thread, kThreadWaitMilliseconds);
  }
  DismantleHostAutomation();
  for (std::atomic<HANDLE>* handle : {&threadDone, &threadStarted, &lastWait}) {
    if (const HANDLE open = handle->exchange(nullptr)) CloseHandle(open);
  }
  if (thread != nullptr) CloseHandle(thread);
}

// As a dialog's own loop does, the dialog keys work in every window of the thread.
void DispatchThreadMessage(MSG& message) {
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

bool WindowThreadStopRequested() {
  return stopRequested;
}

bool ModuleUnloading() {
  return unloading;
}

void LeaveWindowsToTheSystem() {
  EnumThreadWindows(GetCurrentThreadId(), HideWindow, 0);
  EnumThreadWindows(GetCurrentThreadId(), LetGoOfDialog, 0);
  LeaveWindowThread();
}

void LeaveWindowThread() {
  SignalDoneAndExitThread(threadDone, lastWait);
}
