#include "setup/thread_signals_win32.h"

#include "platform/thread_exit_win32.h"

WindowThreadSignals windowThreadSignals;

namespace {

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

}  // namespace

// As a dialog's own loop does, the dialog keys work in every window of the thread.
void DispatchThreadMessage(MSG& message) {
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

bool WindowThreadStopRequested() {
  return windowThreadSignals.stopRequested;
}

bool ModuleUnloading() {
  return windowThreadSignals.unloading;
}

void LeaveWindowsToTheSystem() {
  EnumThreadWindows(GetCurrentThreadId(), HideWindow, 0);
  EnumThreadWindows(GetCurrentThreadId(), LetGoOfDialog, 0);
  LeaveWindowThread();
}

void LeaveWindowThread() {
  SignalDoneAndExitThread(windowThreadSignals.done.get(), windowThreadSignals.lastWait.get());
}
