// Without windows nothing waits for the host's thread, and a write costs microseconds: the
// value is written at once.

#include "platform/deferred_setting.h"

struct DeferredSetting::Writer {};

// Here, where the writer is known: a constructor destroys its members should it fail.
DeferredSetting::DeferredSetting(const IniFile& file, std::string key)
    : file_(file), key_(std::move(key)) {}

DeferredSetting::~DeferredSetting() = default;

bool DeferredSetting::HandOver() {
  return false;
}
