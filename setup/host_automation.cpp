#include "setup/host_automation.h"

#include <oleauto.h>

namespace {

constexpr DISPID kFrequencyMember = 2;
constexpr DISPID kEntryTextMember = 8;
constexpr DISPID kCommandMember = 16;

std::string Narrow(const BSTR text) {
  const int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return {};
  std::string narrow(
      WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, narrow.data(),
                      static_cast<int>(narrow.size()), nullptr, nullptr);
  return narrow;
}

BSTR Wide(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(wideLength));
  if (wide != nullptr) MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide, wideLength);
  return wide;
}

}  // namespace

HRESULT HostAutomation::CallCanceller::QueryInterface(REFIID id, void** object) {
  if (id == IID_IUnknown || id == IID_IMessageFilter) {
    *object = static_cast<IMessageFilter*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

DWORD HostAutomation::CallCanceller::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
  return SERVERCALL_ISHANDLED;
}

// A host too busy to take the call: give up, the next refresh asks again.
DWORD HostAutomation::CallCanceller::RetryRejectedCall(HTASK, DWORD, DWORD) {
  return static_cast<DWORD>(-1);
}

DWORD HostAutomation::CallCanceller::MessagePending(HTASK, DWORD, DWORD) {
  return cancel_.load() ? PENDINGMSG_CANCELCALL : PENDINGMSG_WAITDEFPROCESS;
}

HostAutomation::HostAutomation(const std::atomic<bool>& stopRequested)
    : canceller_(stopRequested) {}

void HostAutomation::Link() {
  inCom_ = SUCCEEDED(CoInitialize(nullptr));
  if (!inCom_) return;
  CoRegisterMessageFilter(&canceller_, &previousFilter_);
  CLSID hostClass;
  if (FAILED(CLSIDFromProgID(L"Qorv2.Application", &hostClass))) return;
  IUnknown* running = nullptr;
  if (FAILED(GetActiveObject(hostClass, nullptr, &running))) return;
  running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
  running->Release();
}

void HostAutomation::Unlink() {
  if (dispatch_ != nullptr) dispatch_->Release();
  dispatch_ = nullptr;
  if (!inCom_) return;
  CoRegisterMessageFilter(previousFilter_, nullptr);
  if (previousFilter_ != nullptr) previousFilter_->Release();
  CoUninitialize();
  inCom_ = false;
}

bool HostAutomation::Call(DISPID member, WORD kind, VARIANTARG* arguments, UINT count,
                          VARIANT& result) {
  if (dispatch_ == nullptr) return false;
  DISPPARAMS parameters{arguments, nullptr, count, 0};
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT outcome = dispatch_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind,
                                            &parameters, &result, &exception, &badArgument);
  if (outcome == DISP_E_EXCEPTION) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  return SUCCEEDED(outcome);
}

std::optional<double> HostAutomation::Frequency() {
  VARIANT result;
  VariantInit(&result);
  std::optional<double> frequency;
  if (Call(kFrequencyMember, DISPATCH_PROPERTYGET, nullptr, 0, result) &&
      SUCCEEDED(VariantChangeType(&result, &result, 0, VT_R8))) {
    frequency = result.dblVal;
  }
  VariantClear(&result);
  return frequency;
}

std::optional<std::string> HostAutomation::EntryText(int field) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = field;
  VARIANT result;
  VariantInit(&result);
  if (!Call(kEntryTextMember, DISPATCH_METHOD, &argument, 1, result)) return std::nullopt;
  const std::string text = result.vt == VT_BSTR ? Narrow(result.bstrVal) : std::string();
  VariantClear(&result);
  return text;
}

bool HostAutomation::SendCommand(const std::string& command) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = Wide(command);
  VARIANT result;
  VariantInit(&result);
  const bool sent =
      argument.bstrVal != nullptr && Call(kCommandMember, DISPATCH_METHOD, &argument, 1, result);
  VariantClear(&argument);
  VariantClear(&result);
  return sent;
}
