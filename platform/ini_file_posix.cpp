// Private-profile files without Windows. The whole file is read for every call, as the
// system does; files are small. Lines may end in CR LF or LF; written files use CR LF.
// A write replaces the file whole, so a read never sees half of one; writers, also in
// other processes or other copies of the library, take turns on a lock of the folder.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "platform/ini_file.h"

namespace {

// A settings file is a few kilobytes: anything larger is no settings file.
constexpr off_t kLargestFile = 1 << 20;

std::string NativePath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

void NoticeUnreadable(const std::string& path) {
  static std::once_flag noticed;
  std::call_once(noticed, [&] {
    std::fprintf(stderr,
                 "Stats: %s cannot be read as a settings file (unreadable, not a regular "
                 "file, or larger than 1 MiB): the defaults are used\n",
                 path.c_str());
  });
}

// The lines of the file; none when it does not exist, nothing when it cannot be read. A
// FIFO or a device is never read (it could block or never end), nor is an oversized file.
std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::vector<std::string>();
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
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return lines;
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

// "[name]" gives the section name; anything else is not a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// "key=value" with both sides trimmed; comment lines and blank lines are no entries.
std::optional<Entry> ParseEntry(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return Entry{trimmed, {}};
  return Entry{TrimBlanks(trimmed.substr(0, equals)), TrimBlanks(trimmed.substr(equals + 1))};
}

// A value in matching quotes reads without them.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  const std::optional<std::vector<std::string>> lines = ReadLines(NativePath(path_));
  std::string value = fallback;
  bool inSection = false;
  for (const std::string& line : lines ? *lines : std::vector<std::string>()) {
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

bool IniFile::Write(const std::string& key, const std::string& text) const {
  const std::string path = NativePath(path_);
  const FolderLock lock(path);
  if (!lock.locked()) return false;
  std::optional<std::vector<std::string>> read = ReadLines(path);
  if (!read) return false;  // replacing it would lose what it holds
  std::vector<std::string>& lines = *read;
  const std::string value = BlankControls(text);
  const std::string newEntry = key + "=" + value;

  bool inSection = false;
  bool sectionFound = false;
  size_t insertAt = lines.size();
  bool replaced = false;
  for (size_t i = 0; i < lines.size() && !replaced; ++i) {
    if (const auto name = SectionName(lines[i])) {
      if (inSection) break;  // the key is not in our section: insert at its end
      inSection = EqualNoCase(*name, section_);
      if (inSection && !sectionFound) {
        sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    const auto entry = ParseEntry(lines[i]);
    if (!entry) continue;
    if (EqualNoCase(entry->key, key)) {
      lines[i] = std::string(entry->key) + "=" + value;  // the stored key keeps its spelling
      replaced = true;
    } else {
      insertAt = i + 1;
    }
  }
  if (!replaced) {
    if (sectionFound) {
      lines.insert(lines.begin() + static_cast<long>(insertAt), newEntry);
    } else {
      lines.push_back("[" + section_ + "]");
      lines.push_back(newEntry);
    }
  }

  std::string content;
  for (const std::string& line : lines) content.append(line).append("\r\n");
  return ReplaceFileWhole(path, content);
}
