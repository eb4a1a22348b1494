#pragma once
// A thread with a message loop that owns the windows under test, as the plug-in's window
// thread does, through the plug-in's own dispatch: keys posted to a window work as the
// operator's do. Work runs on it in the order it was posted, after any message posted before.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "platform/ini_file.h"

class WindowThread {
 public:
  WindowThread();
  ~WindowThread();
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  // Runs `work` on the window thread and waits for it.
  template <typename Work>
  auto Run(Work work) -> decltype(work()) {
    if constexpr (std::is_void_v<decltype(work())>) {
      RunJob(work);
    } else {
      std::optional<decltype(work())> result;
      RunJob([&] { result.emplace(work()); });
      return std::move(*result);
    }
  }

 private:
  void RunJob(const std::function<void()>& job);
  void Loop();

  HANDLE ready_;
  HWND helper_ = nullptr;
  std::thread thread_;
};

// Makes a multiplier window and shows it where `settings` keeps its place; null when it
// cannot be made.
template <typename Window>
std::unique_ptr<Window> OpenWindow(const IniFile& settings) {
  auto window = std::make_unique<Window>(settings);
  if (!window->Open()) return nullptr;
  return window;
}
