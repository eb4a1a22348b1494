#pragma once
// A regular file opened for writing, never anything else: a FIFO or a device could hold
// the caller for good, and a link would have the writes land on whatever it leads to.

#include <cstdint>
#include <string>
#include <string_view>

class RegularFileWriter {
 public:
  enum class Start { kEmpty, kAtTheEnd };
  // Opens `path` (created when missing) emptied, or for appending; other readers and
  // writers are not locked out. Not open when the name is taken by anything but a regular
  // file, or the file cannot be opened.
  RegularFileWriter(const std::string& path, Start start);
  ~RegularFileWriter();
  RegularFileWriter(const RegularFileWriter&) = delete;
  RegularFileWriter& operator=(const RegularFileWriter&) = delete;

  bool open() const { return handle_ != kClosed; }
  // False when not all of `bytes` were written (not open, or a full disk).
  bool Write(std::string_view bytes);

 private:
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle_ = kClosed;  // the file descriptor, or the Windows file handle
};
