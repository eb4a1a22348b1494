// The writer thread: started with the first value handed over, it wakes for each one and
// writes it, until the module goes.

#include <windows.h>

#include "platform/deferred_setting.h"
#include "platform/owned_win32.h"
#include "platform/thread_exit_win32.h"

namespace {

// The longest the start and the end of the writer thread are waited for.
constexpr DWORD kThreadWaitMilliseconds = 2000;

HANDLE NewEvent(bool manualReset) {
  return CreateEventA(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr);
}

}  // namespace

struct DeferredSetting::Writer {
  explicit Writer(DeferredSetting& owner) : setting(owner) {}

  static DWORD WINAPI Run(void* parameter) {
    Writer& writer = *static_cast<Writer*>(parameter);
    // The thread's first write finds what the system's file functions look up on first
    // use, which may need the loader lock: it is done before the thread counts as started,
    // so that an unload never meets it half done.
    writer.setting.WritePending();
    SetEvent(writer.started.get());
    const HANDLE waits[] = {writer.stop.get(), writer.wake.get()};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      writer.setting.WritePending();
    }
    SignalDoneAndExitThread(writer.done.get(), writer.neverSet.get());
  }

  // The thread runs once this returns: from then on the module's unload can stop it. Null
  // when it cannot be started.
  static std::unique_ptr<Writer> Start(DeferredSetting& setting) {
    auto writer = std::make_unique<Writer>(setting);
    for (const Owned<KernelHandle>* event :
         {&writer->wake, &writer->stop, &writer->started, &writer->done, &writer->neverSet}) {
      if (!*event) return nullptr;
    }
    writer->thread.reset(CreateThread(nullptr, 0, Run, writer.get(), 0, nullptr));
    if (!writer->thread) return nullptr;
    const HANDLE startedOrEnded[] = {writer->started.get(), writer->thread.get()};
    WaitForMultipleObjects(2, startedOrEnded, FALSE, kThreadWaitMilliseconds);
    return writer;
  }

  DeferredSetting& setting;
  const Owned<KernelHandle> wake{NewEvent(false)};
  const Owned<KernelHandle> stop{NewEvent(true)};
  const Owned<KernelHandle> started{NewEvent(true)};
  const Owned<KernelHandle> done{NewEvent(true)};
  const Owned<KernelHandle> neverSet{NewEvent(true)};
  Owned<KernelHandle> thread;
};

// Here, where the writer is known: a constructor destroys its members should it fail.
DeferredSetting::DeferredSetting(const IniFile& file, std::string key)
    : file_(file), key_(std::move(key)) {}

DeferredSetting::~DeferredSetting() {
  if (writer_ != nullptr) {
    SetEvent(writer_->stop.get());
    // At the process's exit the system has ended the thread already.
    const HANDLE doneOrEnded[] = {writer_->done.get(), writer_->thread.get()};
    if (WaitForMultipleObjects(2, doneOrEnded, FALSE, kThreadWaitMilliseconds) == WAIT_TIMEOUT) {
      // Stuck in a write to a file that does not answer: it would come back into code that
      // goes with the module. Ended here, the last resort.
      TerminateThread(writer_->thread.get(), 1);
    }
  }
  // A writer ended in the middle of a write holds the lock for good: its value is lost.
  if (!writeLock_.try_lock()) return;
  writeLock_.unlock();
  WritePending();
}

bool DeferredSetting::HandOver() {
  std::call_once(writerStart_, [this] { writer_ = Writer::Start(*this); });
  if (writer_ == nullptr) return false;
  SetEvent(writer_->wake.get());
  return true;
}
