// Private-profile files without Windows. The whole file is read for every call, as the
// system does; files are small. Writers, also in other processes or other copies of the
// library, take turns on an advisory lock of the folder: one that is killed lets it go.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "platform/ini_lines.h"

namespace {

// A settings file is a few kilobytes: anything larger is no settings file.
constexpr off_t kLargestFile = 1 << 20;

void NoticeUnreadable(const std::string& path) {
  static std::once_flag noticed;
  std::call_once(noticed, [&] {
    std::fprintf(stderr,
                 "Stats: %s cannot be read as a settings file (unreadable, not a regular "
                 "file, or larger than 1 MiB): the defaults are used\n",
                 path.c_str());
  });
}

// Holds the advisory lock of the file's folder while it lives; locked() is false when the
// folder cannot be opened (it is missing) or locked.
class FolderLock {
 public:
  explicit FolderLock(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      close(fd_);
      fd_ = -1;
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);  // lets the lock go
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace

// A FIFO or a device is never read (it could block or never end), nor is an oversized file.
std::optional<std::string> IniFile::ReadText(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
    NoticeUnreadable(path);
    return std::nullopt;
  }
  struct stat status {};
  std::string content;
  bool readable =
      fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kLargestFile;
  char block[8192];
  while (readable) {
    const ssize_t got = read(fd, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      readable = got == 0;
      break;
    }
    content.append(block, static_cast<size_t>(got));
    readable = content.size() <= static_cast<size_t>(kLargestFile);  // grown while read
  }
  close(fd);
  if (!readable) {
    NoticeUnreadable(path);
    return std::nullopt;
  }
  return content;
}

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  const std::string text = ReadText(FilePath()).value_or(std::string());
  std::string value = fallback;
  bool inSection = false;
  for (const std::string_view line : SplitLines(text)) {
    if (const auto name = SectionName(line)) {
      inSection = EqualNoCase(*name, section_);
      continue;
    }
    if (!inSection) continue;
    const auto entry = ParseEntry(line);
    if (entry && EqualNoCase(entry->key, key)) {
      value = std::string(Unquote(entry->value));
      break;
    }
  }
  if (value.size() > kReadBufferSize - 1) value.resize(kReadBufferSize - 1);
  return value;
}

std::string IniFile::FilePath() const {
  std::string path = path_;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool IniFile::InWritersTurn(const std::string& path, const std::function<bool()>& write) {
  const FolderLock lock(path);
  return lock.locked() && write();
}
