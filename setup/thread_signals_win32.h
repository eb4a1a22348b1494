#pragma once
// What the window thread and the host's thread tell each other about the window thread's
// life, and what the window thread does with it. The host's thread sets the requests and
// waits, bounded, for `done` (setup/window_thread_win32.h); code on the window thread reads the
// requests and gives the `done` signal as its very last act.

#include <windows.h>

#include <atomic>

#include "platform/owned_win32.h"

struct WindowThreadSignals {
  std::atomic<bool> stopRequested{false};
  // The module is being unloaded: the host's thread holds the system's loader lock.
  std::atomic<bool> unloading{false};
  // The two events are made by the first start and closed by the module's detach, on the
  // host's thread while no window thread runs; a window thread only signals and waits.
  // Set while no window thread runs.
  Owned<KernelHandle> done;
  // Never set: the window thread's last wait, in which it leaves.
  Owned<KernelHandle> lastWait;
};
extern WindowThreadSignals windowThreadSignals;

// Hands one message of the thread to its window, with the dialog keys working in every
// dialog of the thread.
void DispatchThreadMessage(MSG& message);

// True once the host's thread asked the window thread to stop.
bool WindowThreadStopRequested();
// True while the module is unloaded: the host's thread waits holding the system's loader
// lock, which destroying some windows needs (a control's first use of a function its
// library loads late, for one).
bool ModuleUnloading();
// Leaves the thread with its windows hidden and left to the system: they stay, answered by
// the system alone, until the system destroys them with the thread, right after the
// unload (the thread's end waits for the loader lock the unload holds).
[[noreturn]] void LeaveWindowsToTheSystem();
// Tells the host's thread that the window thread is done and ends the thread; no code of
// the module runs after the signal, since the module may be unloaded at once. Its windows
// must be gone before.
[[noreturn]] void LeaveWindowThread();
