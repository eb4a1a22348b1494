#include "windows/dialog_window_win32.h"

#include <commctrl.h>

#include <map>
#include <utility>

#include "res/multiplier_ids.h"
#include "windows/gdi_objects_win32.h"
#include "windows/window_colours.h"

// The linker's name for the start of the image this code is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

struct WindowResources {
  std::map<int, const DLGTEMPLATE*> templates;  // by template id, pointing into the image
  HICON icon = nullptr;
};

BOOL CALLBACK AddTemplate(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  if (!IS_INTRESOURCE(name)) return TRUE;
  const HRSRC resource = FindResourceA(module, name, type);
  const auto* dialog =
      static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, resource)));
  if (dialog != nullptr) {
    (*reinterpret_cast<std::map<int, const DLGTEMPLATE*>*>(found))[LOWORD(name)] = dialog;
  }
  return TRUE;
}

// The tab control finds some functions of its library only when it is first created, drawn
// and destroyed (the theme functions under wine), which takes the loader lock: one tab
// control goes through all three here. It has a parent, as the window's own has: one without
// draws its parent's background from itself, over a hundred times over.
void TryTabControl() {
  const Owned<Window> parent(CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 30, nullptr,
                                             nullptr, PluginModule(), nullptr));
  const HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD, 0, 0, 100, 30, parent.get(),
                                    nullptr, PluginModule(), nullptr);
  if (tabs == nullptr) return;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>("EU");
  SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const Owned<ScreenDC> screen(GetDC(nullptr));
  const Owned<MemoryDC> dc(CreateCompatibleDC(screen.get()));
  const Owned<GdiObject<HBITMAP>> bitmap(CreateCompatibleBitmap(screen.get(), 100, 30));
  const Owned<Selection> selected({dc.get(), SelectObject(dc.get(), bitmap.get())});
  SendMessageA(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()),
               PRF_CLIENT | PRF_ERASEBKGND);
}

WindowResources Load() {
  // The tab control of the extended DXCC window needs its window class.
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  TryTabControl();
  WindowResources resources;
  EnumResourceNamesA(PluginModule(), RT_DIALOG, AddTemplate,
                     reinterpret_cast<LONG_PTR>(&resources.templates));
  resources.icon = LoadIconA(PluginModule(), MAKEINTRESOURCEA(IDI_STATS));
  return resources;
}

const WindowResources& Resources() {
  static const WindowResources loaded = Load();
  return loaded;
}

}  // namespace

HINSTANCE PluginModule() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

void LoadWindowResources() {
  Resources();
}

HICON PluginIcon() {
  return Resources().icon;
}

void DialogWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  DestroyWindow(std::exchange(hwnd_, nullptr));
}

void DialogWindow::SetCaption(const std::string& caption) {
  SetWindowTextA(hwnd_, caption.c_str());
}

bool DialogWindow::CreateFromTemplate(int templateId, HWND parent) {
  const auto& templates = Resources().templates;
  const auto found = templates.find(templateId);
  if (found == templates.end()) return false;
  // A Unicode window keeps any caption; ANSI texts set on it are converted as usual.
  return CreateDialogIndirectParamW(PluginModule(), found->second, parent, DialogProc,
                                    reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
  }
  auto* window = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (window == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    window->hwnd_ = nullptr;
    return FALSE;
  }
  return window->HandleMessage(message, wParam, lParam);
}

bool TopLevelDialog::Create() {
  return CreateFromTemplate(templateId_, nullptr);
}

void TopLevelDialog::Show() {
  const ScreenPosition corner = RestoreWindowPosition(settings_, positionKeys_);
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(hwnd(), SW_SHOW);
}

bool TopLevelDialog::Open() {
  if (!Create()) return false;
  Show();
  return true;
}

void TopLevelDialog::InitTopLevel() {
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon()));
  EnableMenuItem(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
}

INT_PTR TopLevelDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_SETCURSOR: {
      // Sent whenever the mouse moves over the window: the moment to note where it stands.
      RECT frame;
      GetWindowRect(hwnd(), &frame);
      SaveWindowPositionIfMoved(settings_, positionKeys_, {frame.left, frame.top});
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ShowWindow(hwnd(), SW_HIDE);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

PaleYellowBackground::PaleYellowBackground() : brush_(CreateCountedBrush(kPaleYellow)) {}

INT_PTR PaleYellowBackground::Colour(UINT message, WPARAM wParam) const {
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return 0;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, kPaleYellow);
  return reinterpret_cast<INT_PTR>(brush_.get());
}
