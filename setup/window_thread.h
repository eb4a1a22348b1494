#pragma once
// The window thread: one thread at a time runs the control window and, through it, every
// other window of the plug-in, served by one message loop. The host's thread starts it,
// asks it for refreshes and stops it, always by a posted message or a bounded wait: the
// window thread may itself be waiting for the host's answer at that moment.

#include <windows.h>

// The host's thread.

// True from the start of a window thread until it is done.
bool WindowThreadRunning();
// Starts a window thread with its control window, after stopping a running one. Nothing
// starts while an earlier thread has not finished.
void StartWindowThread();
// Asks the control window to arm the refresh timer, or to stop it; nothing without one.
void PostRefreshRequest(bool arm);
// Closes every window and waits, bounded, until the window thread is done; true when it
// is. Safe while the loader lock is held (the module's detach): it only posts and waits.
bool CloseAllWindows();
// The module's detach: closes every window and lets go of what the windows used.
void UnloadWindows();

// The window thread.

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
