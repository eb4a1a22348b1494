#pragma once
// A settings key that the plug-in rewrites far more often than anything reads it: the
// claimed score, new with nearly every report. Writing the settings file takes milliseconds
// under wine, which the host's thread must not wait for while the operator waits for the
// report. So a value handed over here is written by a writer thread of its own (on
// Windows; elsewhere at once), and whoever is about to read the key first has what is
// still pending written on its own thread.

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/annotated_mutex.h"
#include "platform/ini_file.h"

class DeferredSetting {
 public:
  DeferredSetting(const IniFile& file, std::string key);
  // The module's unload: ends the writer thread (bounded) and writes what it left.
  ~DeferredSetting();
  DeferredSetting(const DeferredSetting&) = delete;
  DeferredSetting& operator=(const DeferredSetting&) = delete;

  // Takes the key's new value and returns at once; the writer writes it within moments.
  // A file that holds the value already is not rewritten (the write finds it so, also when
  // the file was changed from outside meanwhile). Any thread.
  void Set(const std::string& value);
  // For a reader of the key: writes the value taken last on the calling thread, unless it
  // is written already (waiting for a write under way).
  void Flush();

 private:
  // The build's writer thread.
  struct Writer;
  // Hands the pending value to the writer; false when the build has none or it cannot run.
  bool HandOver();
  // Writes the pending value, if any, on the calling thread.
  void WritePending() EXCLUDES(writeLock_, valuesLock_);

  const IniFile& file_;
  const std::string key_;
  Mutex valuesLock_;
  std::optional<std::string> pending_ GUARDED_BY(valuesLock_);  // taken and not yet written
  // Held from taking the pending value to the end of its write: the writes land in the
  // order the values were taken. Taken before valuesLock_.
  Mutex writeLock_;
  std::once_flag writerStart_;
  std::unique_ptr<Writer> writer_;
};
