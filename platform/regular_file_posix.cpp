#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/regular_file.h"

RegularFileWriter::RegularFileWriter(const std::string& path, Start start) {
  // Without a reader a FIFO refuses a non-blocking opening; with one, it is not regular.
  const int fd = ::open(path.c_str(),
                        O_WRONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC |
                            (start == Start::kAtTheEnd ? O_APPEND : 0),
                        0666);
  if (fd < 0) return;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      (start == Start::kEmpty && ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return;
  }
  handle_ = fd;
}

RegularFileWriter::~RegularFileWriter() {
  if (open()) ::close(static_cast<int>(handle_));
}

bool RegularFileWriter::Write(std::string_view bytes) {
  while (open() && !bytes.empty()) {
    const ssize_t written = write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return open();
}
