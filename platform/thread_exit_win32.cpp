#include "platform/thread_exit_win32.h"

void SignalDoneAndExitThread(HANDLE done, HANDLE neverSet) {
  // The exit is queued first and runs inside the wait that gives the signal.
  QueueUserAPC(reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(&ExitThread)),
               GetCurrentThread(), 0);
  SignalObjectAndWait(done, neverSet, INFINITE, TRUE);
  ExitThread(0);
}
