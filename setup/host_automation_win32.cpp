#include "setup/host_automation_win32.h"

#include <oleauto.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/annotated_mutex.h"
#include "platform/owned_win32.h"

namespace {

constexpr DISPID kFrequencyMember = 2;
constexpr DISPID kEntryTextMember = 8;
constexpr DISPID kCommandMember = 16;

constexpr UINT kHostRequestMessage = WM_APP + 10;
// Asks a request window to take itself down on its own thread; answered TRUE once it has.
// Posted with kWhenDone, it goes as soon as no request is being answered.
constexpr UINT kTakeDownMessage = WM_APP + 11;
constexpr WPARAM kWhenDone = 1;
// How long an unload waits for request windows of other threads to take themselves down.
constexpr DWORD kTakeDownWaitMilliseconds = 1000;

// What a request window keeps on its own thread.
struct Answerer {
  // COM initialised here for the link: left when the window goes, after the host's object
  // (members go in reverse order).
  Owned<ComApartment> apartment;
  // The host's object, in this thread's apartment.
  Owned<ComInterface<IDispatch>> hostDispatch;
  // Requests being answered now: more than one when a host call pumps messages.
  int answering = 0;
  // Told to go while answering: it goes once the answer is given.
  bool goWhenDone = false;
};

// The request windows are system windows with our procedure put in front, so that no
// window class of the module outlives the module. The system's procedure of the class: the
// same whichever thread makes a window.
std::atomic<WNDPROC> systemProcedure{nullptr};

// The thread that answers now, with its window. Changed by a reset that starts a control
// window (no window thread runs then) and by the module's detach; read by the window thread.
struct Answering {
  Mutex lock;
  HWND window GUARDED_BY(lock) = nullptr;
  DWORD threadId GUARDED_BY(lock) = 0;
  Owned<KernelHandle> thread GUARDED_BY(lock);
  // Windows of threads that answered before, told to go; taken down at the latest on unload.
  std::vector<HWND> formerWindows GUARDED_BY(lock);
};
Answering answering;

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

// Finds the running host; without one, the object this thread found before (if any) stays.
// A thread the host has not made ready for COM becomes a single-threaded apartment.
bool Link(Answerer& answerer) {
  if (!answerer.apartment) {
    answerer.apartment.reset(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  Owned<ComInterface<IDispatch>>& hostDispatch = answerer.hostDispatch;
  CLSID hostClass;
  Owned<ComInterface<IUnknown>> running;
  if (FAILED(CLSIDFromProgID(L"Qorv2.Application", &hostClass)) ||
      FAILED(GetActiveObject(hostClass, nullptr, running.put()))) {
    return static_cast<bool>(hostDispatch);
  }
  Owned<ComInterface<IDispatch>> dispatch;
  if (SUCCEEDED(running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put())))) {
    hostDispatch = std::move(dispatch);
  }
  return static_cast<bool>(hostDispatch);
}

bool Call(IDispatch* hostDispatch, DISPID member, WORD kind, VARIANTARG* arguments, UINT count,
          VARIANT& result) {
  if (hostDispatch == nullptr) return false;
  DISPPARAMS parameters{arguments, nullptr, count, 0};
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT outcome = hostDispatch->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind,
                                               &parameters, &result, &exception, &badArgument);
  // The exception's texts are ours to free.
  const Owned<Bstr> texts[] = {Owned<Bstr>(exception.bstrSource),
                               Owned<Bstr>(exception.bstrDescription),
                               Owned<Bstr>(exception.bstrHelpFile)};
  return SUCCEEDED(outcome);
}

bool Frequency(IDispatch* hostDispatch, double& frequency) {
  Owned<Variant> result;
  const bool read =
      Call(hostDispatch, kFrequencyMember, DISPATCH_PROPERTYGET, nullptr, 0, *result) &&
      SUCCEEDED(VariantChangeType(&*result, &*result, 0, VT_R8));
  if (read) frequency = result.get().dblVal;
  return read;
}

// A result that holds no string reads as an empty text.
bool EntryText(IDispatch* hostDispatch, int field, std::string& text) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = field;
  Owned<Variant> result;
  if (!Call(hostDispatch, kEntryTextMember, DISPATCH_METHOD, &argument, 1, *result)) return false;
  text = result.get().vt == VT_BSTR ? Narrow(result.get().bstrVal) : std::string();
  return true;
}

bool SendCommand(IDispatch* hostDispatch, const std::string& command) {
  Owned<Variant> argument;
  VARIANT& text = *argument;
  text.vt = VT_BSTR;
  text.bstrVal = Wide(command);
  Owned<Variant> result;
  return text.bstrVal != nullptr &&
         Call(hostDispatch, kCommandMember, DISPATCH_METHOD, &text, 1, *result);
}

void Answer(Answerer& answerer, HostRequest& request) {
  switch (request.kind) {
    case HostRequest::Kind::kLink:
      request.succeeded = Link(answerer);
      break;
    case HostRequest::Kind::kFrequency:
      request.succeeded = Frequency(answerer.hostDispatch.get(), request.frequency);
      break;
    case HostRequest::Kind::kEntryText:
      request.succeeded = EntryText(answerer.hostDispatch.get(), request.field, request.text);
      break;
    case HostRequest::Kind::kCommand:
      request.succeeded = SendCommand(answerer.hostDispatch.get(), request.command);
      break;
  }
}

// Takes over the request that PostHostRequest posted; the waiter is woken either way.
void TakePosted(LPARAM posted, Answerer* answerer) {
  const std::unique_ptr<std::shared_ptr<HostRequest>> owned(
      reinterpret_cast<std::shared_ptr<HostRequest>*>(posted));
  HostRequest& request = **owned;
  if (answerer != nullptr && !request.abandoned) {
    ++answerer->answering;
    Answer(*answerer, request);
    --answerer->answering;
  }
  SetEvent(request.answered.get());
}

// On the window's own thread, outside any request: afterwards no message of the window
// reaches the module's code, and the thread holds nothing of the module's.
void TakeDown(HWND window) {
  auto* answerer = reinterpret_cast<Answerer*>(SetWindowLongPtrA(window, GWLP_USERDATA, 0));
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure.load()));
  MSG queued;
  while (PeekMessageA(&queued, window, kHostRequestMessage, kHostRequestMessage, PM_REMOVE)) {
    TakePosted(queued.lParam, nullptr);
  }
  DestroyWindow(window);
  delete answerer;
}

LRESULT CALLBACK RequestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* answerer = reinterpret_cast<Answerer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case kHostRequestMessage:
      TakePosted(lParam, answerer);
      if (answerer != nullptr && answerer->answering == 0 && answerer->goWhenDone) {
        TakeDown(window);
      }
      return 0;
    case kTakeDownMessage:
      // Beneath a request being answered (a host call that pumps) the request's frame would
      // come back into this window's code.
      if (answerer != nullptr && answerer->answering > 0) {
        answerer->goWhenDone = wParam == kWhenDone;
        return FALSE;
      }
      TakeDown(window);
      return TRUE;
    case WM_NCDESTROY:
      // Destroyed by the system, with its thread.
      delete reinterpret_cast<Answerer*>(SetWindowLongPtrA(window, GWLP_USERDATA, 0));
      break;
  }
  return CallWindowProcA(systemProcedure.load(), window, message, wParam, lParam);
}

// From another thread: the window takes itself down on its own thread. When that thread
// neither pumps nor leaves its request in time, the window gets the system's procedure back
// from here and the system destroys it on its thread; the host's object it holds stays
// referenced, since only its own apartment may release it.
void TakeDownFromHere(HWND window, DWORD end) {
  for (;;) {
    if (!IsWindow(window)) return;  // gone with its thread
    const DWORD now = GetTickCount();
    const DWORD left = static_cast<int>(end - now) > 0 ? end - now : 0;
    DWORD_PTR done = FALSE;
    if (SendMessageTimeoutA(window, kTakeDownMessage, 0, 0, SMTO_NORMAL, left, &done) != 0 &&
        done == TRUE) {
      return;
    }
    if (left == 0) break;
    Sleep(5);
  }
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure.load()));
  PostMessageA(window, WM_CLOSE, 0, 0);
}

HWND MakeRequestWindow() {
  const HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (window == nullptr) return nullptr;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Answerer));
  systemProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RequestWindowProcedure)));
  return window;
}

}  // namespace

bool BindHostAutomation() {
  const DWORD thread = GetCurrentThreadId();
  MutexLock guard(answering.lock);
  const HWND bound = answering.window;
  if (bound != nullptr && answering.threadId == thread && IsWindow(bound)) return true;
  std::vector<HWND>& former = answering.formerWindows;
  former.erase(
      std::remove_if(former.begin(), former.end(), [](HWND window) { return !IsWindow(window); }),
      former.end());
  if (bound != nullptr && PostMessageA(bound, kTakeDownMessage, kWhenDone, 0)) {
    former.push_back(bound);
  }
  answering.window = nullptr;
  answering.thread.reset();
  const HWND window = MakeRequestWindow();
  if (window == nullptr) return false;
  answering.thread.reset(OpenThread(SYNCHRONIZE, FALSE, thread));
  answering.threadId = thread;
  answering.window = window;
  return true;
}

bool PostHostRequest(std::shared_ptr<HostRequest> request) {
  HWND window;
  {
    MutexLock guard(answering.lock);
    window = answering.window;
  }
  if (window == nullptr || !request->answered) return false;
  auto* posted = new std::shared_ptr<HostRequest>(std::move(request));
  if (PostMessageA(window, kHostRequestMessage, 0, reinterpret_cast<LPARAM>(posted))) return true;
  delete posted;
  return false;
}

HANDLE HostAutomationThread() {
  MutexLock guard(answering.lock);
  return answering.thread.get();
}

void DismantleHostAutomation() {
  std::vector<HWND> windows;
  {
    MutexLock guard(answering.lock);
    windows.swap(answering.formerWindows);
    if (answering.window != nullptr) windows.push_back(answering.window);
    answering.window = nullptr;
    answering.thread.reset();
    answering.threadId = 0;
  }
  // The bounded wait, up to a second, runs without the lock.
  const DWORD end = GetTickCount() + kTakeDownWaitMilliseconds;
  for (const HWND window : windows) TakeDownFromHere(window, end);
}
