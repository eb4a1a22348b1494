#pragma once
// The little the multiplier windows share: a modeless dialog built from a template of the
// plug-in's module, whose messages reach a member function; the top-level windows'
// position memory, icon, disabled Close item and dialog keys; and the pale yellow
// background of the grids. Every call belongs on the thread that created the window.

#include <windows.h>

#include <string>

#include "windows/gdi_objects_win32.h"
#include "windows/window_position.h"

// The module that holds the templates and the icon: the plug-in's DLL, or the program that
// links the plug-in's code. Known from the image itself, without asking the system's loader.
HINSTANCE PluginModule();

// Finds, once, the dialog templates and the icon in the module and registers the common
// controls the templates use. A window thread calls it before anything else: looking a
// resource up may take the system's loader lock, which the host holds while it unloads the
// plug-in, so later windows must not need it.
void LoadWindowResources();
// The plug-in's icon, shared by every window (loaded by LoadWindowResources).
HICON PluginIcon();

class DialogWindow {
 public:
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  virtual ~DialogWindow() { Destroy(); }

  // Null before creation and once the window has been destroyed on its thread.
  HWND hwnd() const { return hwnd_; }
  void SetCaption(const std::string& caption);

 protected:
  // Creates the window hidden from the template; false when the template or a control
  // class is missing.
  bool CreateFromTemplate(int templateId, HWND parent);
  // Return as a dialog procedure does: FALSE for the dialog's default handling.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Destroys the window, if it still exists, without a word to this object. A window whose
  // child windows have objects of their own destroys itself first, while they all exist.
  void Destroy();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// A window of its own on the screen: it comes up where it was last left, carries the
// plug-in's icon, cannot be closed from its system menu or caption (the control window
// closes it), and hides on Esc and Enter as a dialog ends.
class TopLevelDialog : public DialogWindow {
 public:
  // Creates the window with no parent, hidden.
  bool Create();
  // Shows it where it was last left.
  void Show();
  // Both.
  bool Open();

 protected:
  // The window's place is kept under `positionKeys` in `settings`.
  TopLevelDialog(int templateId, WindowPositionKeys positionKeys, const IniFile& settings)
      : templateId_(templateId), positionKeys_(positionKeys), settings_(settings) {}
  // Sets the big icon and disables Close; for WM_INITDIALOG.
  void InitTopLevel();
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int templateId_;
  WindowPositionKeys positionKeys_;
  const IniFile& settings_;
};

// Black text on pale yellow for a dialog and every control of it.
class PaleYellowBackground {
 public:
  PaleYellowBackground();

  // Answers a WM_CTLCOLOR... message; 0 for any other message.
  INT_PTR Colour(UINT message, WPARAM wParam) const;

 private:
  CountedObject<HBRUSH> brush_;
};
