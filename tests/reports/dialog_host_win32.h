#pragma once
// A Windows test host: loads Stats.dll, and finds and drives the plug-in's dialogs from a
// second thread while the host's thread waits inside an export.

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "host/fake_host_win32.h"
#include "host/host_calls.h"

// This program's folder, with its trailing separator: the host folder of the tests.
inline std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The dialog-class window with this caption, waited for up to `seconds`; null when none.
inline HWND WaitForDialog(const char* caption, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (HWND window = FindWindowA("#32770", caption)) return window;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return nullptr;
}

inline std::string ItemText(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

constexpr const char* kHeaderDialogCaption = "CQ UK/EI CW/SSB DX Contest ";
