#include "host/fake_host_win32.h"

#include <oleauto.h>

namespace {

// The fake host's class: any id will do, the ProgID leads to it.
constexpr CLSID kHostClass = {
    0x6c1f8d2a, 0x3b4e, 0x4f60, {0x9a, 0x7b, 0x2c, 0x5d, 0x8e, 0x1f, 0x0a, 0x93}};
constexpr const char* kHostClassText = "{6C1F8D2A-3B4E-4F60-9A7B-2C5D8E1F0A93}";

std::string Narrow(BSTR text) {
  std::string narrow;
  for (UINT i = 0; i < SysStringLen(text); ++i) narrow += static_cast<char>(text[i]);
  return narrow;
}

class ScriptedServer final : public IDispatch {
 public:
  explicit ScriptedServer(FakeHost& host) : host_(host) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IDispatch) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD kind, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    FakeHost::Call call{member, {}, 0, std::chrono::steady_clock::now()};
    const VARIANTARG* argument = parameters->cArgs == 1 ? &parameters->rgvarg[0] : nullptr;
    if (member == 8 && argument != nullptr && argument->vt == VT_I4) call.field = argument->lVal;
    if (member == 16 && argument != nullptr && argument->vt == VT_BSTR) {
      call.command = Narrow(argument->bstrVal);
    }
    host_.Answer(call);
    if (host_.failCalls) return E_FAIL;
    switch (member) {
      case 2:
        if (kind != DISPATCH_PROPERTYGET || result == nullptr) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_R8;
        result->dblVal = host_.frequency;
        return S_OK;
      case 8: {
        if (kind != DISPATCH_METHOD || argument == nullptr || result == nullptr) {
          return DISP_E_BADPARAMCOUNT;
        }
        std::wstring text(host_.entryText.begin(), host_.entryText.end());
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(text.c_str());
        return S_OK;
      }
      case 16:
        return kind == DISPATCH_METHOD && argument != nullptr && argument->vt == VT_BSTR
                   ? S_OK
                   : DISP_E_BADPARAMCOUNT;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  FakeHost& host_;
  ULONG references_ = 1;
};

}  // namespace

FakeHost::FakeHost(bool running) {
  CoInitialize(nullptr);
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "Qorv2.Application\\CLSID", 0, nullptr, 0, KEY_WRITE,
                      nullptr, &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kHostClassText),
                   static_cast<DWORD>(strlen(kHostClassText) + 1));
    RegCloseKey(key);
  }
  if (!running) return;
  server_ = new ScriptedServer(*this);
  RegisterActiveObject(server_, kHostClass, ACTIVEOBJECT_STRONG, &registration_);
}

FakeHost::~FakeHost() {
  if (plugin_) Unload();
  if (server_ != nullptr) {
    RevokeActiveObject(registration_, nullptr);
    server_->Release();
  }
  CoUninitialize();
}

size_t FakeHost::CallsOf(DISPID member) const {
  size_t count = 0;
  for (const Call& call : calls_) count += call.member == member ? 1 : 0;
  return count;
}

std::vector<std::string> FakeHost::Commands() const {
  std::vector<std::string> commands;
  for (const Call& call : calls_) {
    if (call.member == 16) commands.push_back(call.command);
  }
  return commands;
}

StatsLibrary& FakeHost::Load() {
  plugin_.emplace(STATS_DLL_PATH);
  return *plugin_;
}

std::chrono::milliseconds FakeHost::Unload() {
  const auto start = std::chrono::steady_clock::now();
  plugin_.reset();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

void FakeHost::Pump(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool FakeHost::PumpUntil(const std::function<bool()>& done, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    MsgWaitForMultipleObjects(
        0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left.count(), 10)), QS_ALLINPUT);
    PumpWaiting();
  }
  return true;
}

void FakeHost::PumpWaiting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

namespace {

bool HasControl(HWND window, int id, const char* className) {
  const HWND control = GetDlgItem(window, id);
  if (control == nullptr) return false;
  char name[64] = {};
  GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK Sort(HWND window, LPARAM found) {
  auto& windows = *reinterpret_cast<PluginWindows*>(found);
  if (!IsWindowVisible(window)) return TRUE;  // closed
  if (HasControl(window, 1000, "Edit"))
    windows.control = window;  // area code
  else if (HasControl(window, 1025, "SysTabControl32"))
    windows.dxccExtended = window;
  else if (HasControl(window, 1170, "Button"))
    windows.area = window;  // ZE
  else if (HasControl(window, 1016, "Button"))
    windows.dxcc = window;  // the button
  return TRUE;
}

BOOL CALLBACK FindControlWindow(HWND window, LPARAM found) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || lstrcmpA(name, "#32770") != 0 ||
      !HasControl(window, 1000, "Edit")) {
    return TRUE;
  }
  reinterpret_cast<PluginWindows*>(found)->thread = thread;
  return FALSE;
}

}  // namespace

PluginWindows FindPluginWindows() {
  PluginWindows windows;
  EnumWindows(FindControlWindow, reinterpret_cast<LPARAM>(&windows));
  if (windows.thread != 0) {
    EnumThreadWindows(windows.thread, Sort, reinterpret_cast<LPARAM>(&windows));
  }
  return windows;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void Click(HWND dialog, int id) {
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
