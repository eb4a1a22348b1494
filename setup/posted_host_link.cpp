#include "setup/posted_host_link.h"

#include "setup/window_thread.h"

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
  for (;;) {
    if (WindowThreadStopRequested()) {
      request->abandoned = true;
      return false;
    }
    if (MsgWaitForMultipleObjects(1, &request->answered, FALSE, INFINITE, QS_ALLINPUT) ==
        WAIT_OBJECT_0) {
      return request->succeeded;
    }
    MSG message;
    while (!WindowThreadStopRequested() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchThreadMessage(message);
    }
  }
}
