#pragma once
// Keys as the operator presses them, for the wine tests: posted into the queue of the
// window's thread, where that thread's own message loop (the plug-in's, or a modal
// dialog's) takes them as it takes the keyboard's.

#include <windows.h>

// The window of the thread that has the keyboard focus; null when none has.
inline HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// A key pressed and let go, for `window`: the window with the focus, as the keyboard
// sends it, or the dialog itself, whose keys the dialog takes all the same.
inline void PressKey(HWND window, UINT key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}
