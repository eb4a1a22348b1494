#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "platform/file_replace.h"
#include "platform/temporary_name.h"

namespace {

// A new file in `folder` beside `name`, under a name no other writer uses (another process, or
// another copy of the library in this one); -1 when none can be made.
int CreateTemporaryBeside(const std::string& folder, const std::string& name,
                          std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = folder + TemporaryName(name, static_cast<unsigned long>(getpid()), random());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Removes the temporary files of `name` whose writers were killed before they finished.
void RemoveLeftovers(const std::string& folder, const std::string& name) {
  const int savedErrno = errno;
  if (DIR* entries = opendir(folder.empty() ? "." : folder.c_str())) {
    while (const dirent* entry = readdir(entries)) {
      const auto writer = TemporaryNameWriter(name, entry->d_name);
      if (writer && *writer != static_cast<unsigned long>(getpid()) &&
          kill(static_cast<pid_t>(*writer), 0) != 0 && errno == ESRCH) {
        unlink((folder + entry->d_name).c_str());
      }
    }
    closedir(entries);
  }
  errno = savedErrno;
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

bool ReplaceFileWhole(const std::string& requested, std::string_view content) {
  // A link stays a link: the file it leads to is replaced.
  std::string path = requested;
  struct stat existing {};
  if (lstat(path.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode)) {
    char* const target = realpath(path.c_str(), nullptr);
    if (target == nullptr) return false;  // it leads nowhere
    path = target;
    std::free(target);
  }
  const bool exists = stat(path.c_str(), &existing) == 0;
  // A read-only file is not replaced, as on Windows; root passes the access check, so the
  // write bits are looked at too.
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 ||
                 access(path.c_str(), W_OK) != 0)) {
    return false;
  }
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = path.substr(folder.size());
  RemoveLeftovers(folder, name);
  std::string temporary;
  const int fd = CreateTemporaryBeside(folder, name, temporary);
  if (fd < 0) return false;
  bool written = (!exists || fchmod(fd, existing.st_mode & 07777) == 0) && WriteAll(fd, content);
  written = close(fd) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  const int savedErrno = errno;
  unlink(temporary.c_str());
  errno = savedErrno;
  return false;
}

bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view content) {
  return ReplaceFileWhole(path.native(), content);
}
