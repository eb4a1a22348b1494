#include "platform/deferred_setting.h"

void DeferredSetting::Set(const std::string& value) {
  {
    MutexLock guard(valuesLock_);
    pending_ = value;
  }
  if (!HandOver()) WritePending();
}

void DeferredSetting::Flush() {
  WritePending();
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
