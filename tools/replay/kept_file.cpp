#include "tools/replay/kept_file.h"

#include <filesystem>

#include "tools/logs/whole_file.h"

namespace fs = std::filesystem;

KeptFile::KeptFile(std::string path) : path_(std::move(path)) {
  std::error_code error;
  if (!fs::is_regular_file(path_, error)) return;
  // A name left by a run that was killed holds an earlier log: it is never written over.
  for (int attempt = 1; attempt <= 16; ++attempt) {
    const std::string kept = path_ + ".earlier" + (attempt > 1 ? std::to_string(attempt) : "");
    fs::create_hard_link(path_, kept, error);
    if (error && error != std::errc::file_exists) fs::copy_file(path_, kept, error);
    if (!error) {
      kept_ = kept;
      return;
    }
    if (error != std::errc::file_exists) break;
  }
  throw FileError("the earlier file cannot be kept while the new one is written: " +
                  error.message());
}

KeptFile::~KeptFile() {
  std::error_code error;
  if (!kept_.empty()) fs::remove(kept_, error);
}

bool KeptFile::Restore() {
  std::error_code error;
  if (kept_.empty()) {
    fs::remove(path_, error);
    return !error;
  }
  fs::rename(kept_, path_, error);
  if (error) return false;
  kept_.clear();
  return true;
}
