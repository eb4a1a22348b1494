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
