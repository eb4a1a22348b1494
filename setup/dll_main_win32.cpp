// The module's load and unload. Loading hands the entry points the window thread's
// windows. Unloading closes every window first and waits, bounded, for the window thread:
// its windows' code goes with the module.

#include <windows.h>

#include "setup/window_thread_win32.h"
#include "setup/windows_link_win32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) UseWindows(ThreadWindows());
  // At process exit (reserved set) the other threads are gone already.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) UnloadWindows();
  return TRUE;
}
