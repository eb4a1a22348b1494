#pragma once
// The end of a thread of the module that the module's unload may wait for. The unload holds
// the system's loader lock, and ending a thread needs it: so the thread cannot be waited
// for until it has ended, only until it says it is done.

#include <windows.h>

// Signals `done` and ends the calling thread without ever coming back into the module's
// code, since the module may be unloaded the moment `done` is set. `neverSet` is an event
// that nobody sets.
[[noreturn]] void SignalDoneAndExitThread(HANDLE done, HANDLE neverSet);
