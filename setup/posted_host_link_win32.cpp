#include "setup/posted_host_link_win32.h"

#include "setup/thread_signals_win32.h"

void PostedHostLink::Link() {
  linked_ = Ask(std::make_shared<HostRequest>(HostRequest::Kind::kLink));
}

std::optional<double> PostedHostLink::Frequency() {
  if (!linked_) return std::nullopt;
  const auto request = std::make_shared<HostRequest>(HostRequest::Kind::kFrequency);
  if (!Ask(request)) return std::nullopt;
  return request->frequency;
}

std::optional<std::string> PostedHostLink::EntryText(int field) {
  if (!linked_) return std::nullopt;
  const auto request = std::make_shared<HostRequest>(HostRequest::Kind::kEntryText);
  request->field = field;
  if (!Ask(request)) return std::nullopt;
  return request->text;
}

bool PostedHostLink::SendCommand(const std::string& command) {
  if (!linked_) return false;
  const auto request = std::make_shared<HostRequest>(HostRequest::Kind::kCommand);
  request->command = command;
  return Ask(request);
}

bool PostedHostLink::Ask(const std::shared_ptr<HostRequest>& request) {
  if (!PostHostRequest(request)) return false;
  // The answering thread may end with the request unanswered.
  const HANDLE waits[] = {request->answered.get(), HostAutomationThread()};
  const DWORD count = waits[1] != nullptr ? 2 : 1;
  for (;;) {
    if (WindowThreadStopRequested()) {
      request->abandoned = true;
      return false;
    }
    const DWORD woken = MsgWaitForMultipleObjects(count, waits, FALSE, INFINITE, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) return request->succeeded;
    if (woken != WAIT_OBJECT_0 + count) {
      request->abandoned = true;
      return false;
    }
    MSG message;
    while (!WindowThreadStopRequested() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchThreadMessage(message);
    }
  }
}
