#include "setup/host_automation.h"

#include <oleauto.h>

namespace {

constexpr DISPID kFrequencyMember = 2;
constexpr DISPID kEntryTextMember = 8;
constexpr DISPID kCommandMember = 16;

constexpr UINT kHostRequestMessage = WM_APP + 10;

// A message-only window of the host's thread that answers the requests. It is a system
// window with our procedure put in front, so that no window class of the module outlives
// the module.
std::atomic<HWND> requestWindow{nullptr};
WNDPROC systemProcedure = nullptr;
// The host's object; used on the host's thread only.
IDispatch* hostDispatch = nullptr;

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

// Finds the running host; without one, the object found before (if any) stays.
bool Link() {
  CLSID hostClass;
  IUnknown* running = nullptr;
  if (FAILED(CLSIDFromProgID(L"Qorv2.Application", &hostClass)) ||
      FAILED(GetActiveObject(hostClass, nullptr, &running))) {
    return hostDispatch != nullptr;
  }
  IDispatch* dispatch = nullptr;
  if (SUCCEEDED(running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
    if (hostDispatch != nullptr) hostDispatch->Release();
    hostDispatch = dispatch;
  }
  running->Release();
  return hostDispatch != nullptr;
}

bool Call(DISPID member, WORD kind, VARIANTARG* arguments, UINT count, VARIANT& result) {
  if (hostDispatch == nullptr) return false;
  DISPPARAMS parameters{arguments, nullptr, count, 0};
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT outcome = hostDispatch->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind,
                                               &parameters, &result, &exception, &badArgument);
  if (outcome == DISP_E_EXCEPTION) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  return SUCCEEDED(outcome);
}

bool Frequency(double& frequency) {
  VARIANT result;
  VariantInit(&result);
  const bool read = Call(kFrequencyMember, DISPATCH_PROPERTYGET, nullptr, 0, result) &&
                    SUCCEEDED(VariantChangeType(&result, &result, 0, VT_R8));
  if (read) frequency = result.dblVal;
  VariantClear(&result);
  return read;
}

// A result that holds no string reads as an empty text.
bool EntryText(int field, std::string& text) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = field;
  VARIANT result;
  VariantInit(&result);
  if (!Call(kEntryTextMember, DISPATCH_METHOD, &argument, 1, result)) return false;
  text = result.vt == VT_BSTR ? Narrow(result.bstrVal) : std::string();
  VariantClear(&result);
  return true;
}

bool SendCommand(const std::string& command) {
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

void Answer(HostRequest& request) {
  switch (request.kind) {
    case HostRequest::Kind::kLink:
      request.succeeded = Link();
      break;
    case HostRequest::Kind::kFrequency:
      request.succeeded = Frequency(request.frequency);
      break;
    case HostRequest::Kind::kEntryText:
      request.succeeded = EntryText(request.field, request.text);
      break;
    case HostRequest::Kind::kCommand:
      request.succeeded = SendCommand(request.command);
      break;
  }
}

LRESULT CALLBACK RequestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kHostRequestMessage) {
    return CallWindowProcA(systemProcedure, window, message, wParam, lParam);
  }
  const std::unique_ptr<std::shared_ptr<HostRequest>> posted(
      reinterpret_cast<std::shared_ptr<HostRequest>*>(lParam));
  HostRequest& request = **posted;
  if (!request.abandoned) Answer(request);
  SetEvent(request.answered);
  return 0;
}

}  // namespace

void PrepareHostAutomation() {
  if (requestWindow.load() != nullptr) return;
  const HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (window == nullptr) return;
  systemProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RequestWindowProcedure)));
  requestWindow = window;
}

bool PostHostRequest(std::shared_ptr<HostRequest> request) {
  const HWND window = requestWindow.load();
  if (window == nullptr || request->answered == nullptr) return false;
  auto* posted = new std::shared_ptr<HostRequest>(std::move(request));
  if (PostMessageA(window, kHostRequestMessage, 0, reinterpret_cast<LPARAM>(posted))) return true;
  delete posted;
  return false;
}

void DismantleHostAutomation() {
  const HWND window = requestWindow.exchange(nullptr);
  if (window == nullptr) return;
  // Requests still queued go unanswered (their memory with them): nobody waits for them.
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure));
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
    // Only its own thread may destroy it; the host's object stays referenced.
    PostMessageA(window, WM_CLOSE, 0, 0);
    return;
  }
  DestroyWindow(window);
  if (hostDispatch != nullptr) hostDispatch->Release();
  hostDispatch = nullptr;
}
