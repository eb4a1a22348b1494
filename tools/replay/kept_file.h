#pragma once
// A file replaced in two steps (the plug-in writes the Cabrillo log, the tool then its
// header values) is kept under a second name beside it until the second step has
// succeeded, so that the operator's earlier file stays whole unless the new one is.

#include <string>

class KeptFile {
 public:
  // Keeps the file by a hard link, or else a copy; nothing when there is no such file.
  // Throws FileError when an existing file cannot be kept.
  explicit KeptFile(std::string path);
  // Lets the kept name go: the new file stands.
  ~KeptFile();
  KeptFile(const KeptFile&) = delete;
  KeptFile& operator=(const KeptFile&) = delete;

  // Puts the earlier file back, or removes the new one when there was none; false when
  // that fails, and the earlier file is then at keptPath().
  bool Restore();
  const std::string& keptPath() const { return kept_; }

 private:
  std::string path_;
  std::string kept_;  // empty: there was no earlier file
};
