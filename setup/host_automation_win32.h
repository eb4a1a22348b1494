#pragma once
// The host program's automation server ("Qorv2.Application"), called on a thread of the
// host: the thread of the reset that started the running control window, in the apartment
// where that thread got the host's object. The window thread never holds an interface of
// the host: it posts each call to a hidden request window of that thread and waits for the
// answer, and gives up waiting when the host's thread asks it to stop or the answering
// thread ends. So no call of the window thread ever waits for a host that waits for the
// window thread, and the window thread leaves nothing behind that would call the host.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "platform/owned_win32.h"

// One call of the window thread, answered on the host's thread.
struct HostRequest {
  enum class Kind { kLink, kFrequency, kEntryText, kCommand };
  Kind kind;
  int field = 0;        // kEntryText
  std::string command;  // kCommand

  bool succeeded = false;
  double frequency = 0;  // kFrequency
  std::string text;      // kEntryText

  // Set once the host's thread has answered.
  const Owned<KernelHandle> answered{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  // The window thread no longer waits: the call is not made.
  std::atomic<bool> abandoned{false};

  explicit HostRequest(Kind requested) : kind(requested) {}
};

// The host's thread, before it starts a control window: the calling thread answers the
// requests from now on. The request window of another thread is told to go; it lets go of
// the host's object on its own thread. False when no request window can be made.
bool BindHostAutomation();
// Any thread: hands a request to the answering thread; false when it cannot be handed over.
bool PostHostRequest(std::shared_ptr<HostRequest> request);
// Signalled once the answering thread has ended: its requests go unanswered. Stays valid
// while a window thread runs (binding happens only before one starts).
HANDLE HostAutomationThread();
// The module's detach, on whichever thread unloads: every request window takes itself down
// on its own thread (bounded wait), letting go of the host's object there.
void DismantleHostAutomation();
