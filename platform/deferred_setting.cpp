#include "platform/deferred_setting.h"

void DeferredSetting::Set(const std::string& value) {
  {
    MutexLock guard(valuesLock_);
    if (taken_ == value) return;
    taken_ = value;
    pending_ = value;
  }
  if (!HandOver()) WritePending();
}

void DeferredSetting::Flush() {
  WritePending();
  MutexLock guard(valuesLock_);
  if (!pending_) taken_.reset();
}

void DeferredSetting::WritePending() {
  MutexLock writing(writeLock_);
  std::optional<std::string> value;
  {
    MutexLock guard(valuesLock_);
    value.swap(pending_);
  }
  if (value) file_.Write(key_, *value);
}
