#include "tests/windows/window_thread_win32.h"

#include <stdexcept>

#include "setup/thread_signals_win32.h"

namespace {

constexpr UINT kRunJob = WM_APP;

struct Job {
  const std::function<void()>* work;
  HANDLE done;
};

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunJob) return DefWindowProcA(hwnd, message, wParam, lParam);
  const Job& job = *reinterpret_cast<const Job*>(lParam);
  (*job.work)();
  SetEvent(job.done);
  return 0;
}

}  // namespace

WindowThread::WindowThread() : ready_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  thread_ = std::thread([this] { Loop(); });
  WaitForSingleObject(ready_, INFINITE);
}

WindowThread::~WindowThread() {
  PostMessageA(helper_, WM_QUIT, 0, 0);
  thread_.join();
  CloseHandle(ready_);
}

void WindowThread::RunJob(const std::function<void()>& work) {
  Job job{&work, CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  PostMessageA(helper_, kRunJob, 0, reinterpret_cast<LPARAM>(&job));
  const DWORD waited = WaitForSingleObject(job.done, 20000);
  CloseHandle(job.done);
  if (waited != WAIT_OBJECT_0) throw std::runtime_error("the window thread does not answer");
}

void WindowThread::Loop() {
  WNDCLASSA helperClass{};
  helperClass.lpfnWndProc = HelperProc;
  helperClass.hInstance = GetModuleHandleA(nullptr);
  helperClass.lpszClassName = "WindowThreadHelper";
  RegisterClassA(&helperClass);
  helper_ = CreateWindowA("WindowThreadHelper", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          helperClass.hInstance, nullptr);
  SetEvent(ready_);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchThreadMessage(message);
  DestroyWindow(helper_);
}
