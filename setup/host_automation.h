#pragma once
// The host program's automation server ("Qorv2.Application"), called on the host's own
// thread, in the apartment where the host's object lives. The window thread never holds
// an interface of the host: it posts each call here and waits for the answer, and gives up
// waiting when the host's thread asks it to stop. So no call of the window thread ever
// waits for a host that waits for the window thread, and the window thread leaves nothing
// behind that would call the host when it ends.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

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
  HANDLE answered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  // The window thread no longer waits: the call is not made.
  std::atomic<bool> abandoned{false};

  explicit HostRequest(Kind requested) : kind(requested) {}
  ~HostRequest() { CloseHandle(answered); }
  HostRequest(const HostRequest&) = delete;
  HostRequest& operator=(const HostRequest&) = delete;
};

// The host's thread: makes ready to answer the window thread, on the thread that calls it.
void PrepareHostAutomation();
// Any thread: hands a request to the host's thread; false when it cannot be handed over.
bool PostHostRequest(std::shared_ptr<HostRequest> request);
// The module's detach: no request is answered any more; the host's object is let go when
// this is the host's thread.
void DismantleHostAutomation();
