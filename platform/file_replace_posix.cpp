#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "platform/file_replace.h"

namespace {

// A new file beside `path` under a name no other writer uses (another process, or another
// copy of the library in this one); -1 when none can be made.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = path + "." + std::to_string(getpid()) + "-" + std::to_string(random()) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view content) {
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  // A read-only file is not replaced, as on Windows; root passes the access check, so the
  // write bits are looked at too.
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 ||
                 access(path.c_str(), W_OK) != 0)) {
    return false;
  }
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0) return false;
  bool written = (!exists || fchmod(fd, existing.st_mode & 07777) == 0) && WriteAll(fd, content);
  written = close(fd) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view content) {
  return ReplaceFileWhole(path.native(), content);
}
