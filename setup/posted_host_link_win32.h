#pragma once
// The host link as the window thread uses it: each call is handed to the host's thread that
// started the control window, which makes it (setup/host_automation_win32.h), and the window
// thread waits for the answer while it goes on serving its own windows. A request of the
// host's thread to stop, or the end of the answering thread, ends the wait at once: the call
// then counts as failed.

#include <memory>

#include "setup/host_automation_win32.h"
#include "setup/host_link.h"

class PostedHostLink final : public HostLink {
 public:
  // Has the host's thread look for the running host; without one nothing is asked or sent.
  void Link();

  bool linked() const override { return linked_; }
  std::optional<double> Frequency() override;
  std::optional<std::string> EntryText(int field) override;
  bool SendCommand(const std::string& command) override;

 private:
  // True when the host's thread made the call and it succeeded.
  bool Ask(const std::shared_ptr<HostRequest>& request);

  bool linked_ = false;
};
