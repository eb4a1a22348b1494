#pragma once
// The link to the host program's automation server ("Qorv2.Application") on the window
// thread: joins COM there, finds the running host and calls its members by dispatch id.
//
// While the host's thread waits for the window thread to stop, it cannot answer a call;
// the window thread's pending call is then cancelled (a message filter sees the request to
// stop), so that neither thread waits for the other.

#include <windows.h>

#include <atomic>

#include "setup/host_link.h"

class HostAutomation final : public HostLink {
 public:
  // Calls are cancelled while `stopRequested` holds.
  explicit HostAutomation(const std::atomic<bool>& stopRequested);
  HostAutomation(const HostAutomation&) = delete;
  HostAutomation& operator=(const HostAutomation&) = delete;

  // Joins COM on this thread and links the running host; without one, nothing is linked.
  void Link();
  // Lets go of the host and leaves COM. Not called when the thread ends because the host's
  // thread waits for it: the release would need that thread's answer.
  void Unlink();

  bool linked() const override { return dispatch_ != nullptr; }
  std::optional<double> Frequency() override;
  std::optional<std::string> EntryText(int field) override;
  bool SendCommand(const std::string& command) override;

 private:
  class CallCanceller : public IMessageFilter {
   public:
    explicit CallCanceller(const std::atomic<bool>& cancel) : cancel_(cancel) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override;

   private:
    const std::atomic<bool>& cancel_;
  };

  // One call of a member; false when the host is not linked or the call failed.
  bool Call(DISPID member, WORD kind, VARIANTARG* arguments, UINT count, VARIANT& result);

  CallCanceller canceller_;
  IMessageFilter* previousFilter_ = nullptr;
  bool inCom_ = false;
  IDispatch* dispatch_ = nullptr;
};
