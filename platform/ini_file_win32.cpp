// Private-profile files on Windows: read by the system's profile functions, written whole
// by the portable writer. Writers take turns on a named mutex of the file: unlike a lock
// file it leaves nothing behind, and the system gives it up for a writer that is killed.

#include <windows.h>

#include <cstdio>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "platform/owned_win32.h"

namespace {

// A settings file is a few kilobytes: anything larger is no settings file.
constexpr LONGLONG kLargestFile = 1 << 20;
// A writer stuck on a file that does not answer holds up the others this long at most.
constexpr DWORD kTurnWaitMilliseconds = 10000;

// The same for every writer of the file: its full path in upper case, hashed (a kernel
// object's name holds no backslash and is at most MAX_PATH long).
std::string TurnName(const std::string& path) {
  char full[4 * MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  const std::string named = length > 0 && length < sizeof full ? std::string(full, length) : path;
  unsigned long long hash = 14695981039346656037ULL;  // FNV-1a
  for (const char c : UpperAscii(named)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  }
  char name[64];
  std::snprintf(name, sizeof name, "Local\\StatsSettingsWriters-%016llx", hash);
  return name;
}

class Turn {
 public:
  explicit Turn(const std::string& path)
      : mutex_(CreateMutexA(nullptr, FALSE, TurnName(path).c_str())) {
    // A writer killed in its turn left it abandoned: its file was never half written.
    const DWORD waited =
        mutex_ ? WaitForSingleObject(mutex_.get(), kTurnWaitMilliseconds) : WAIT_FAILED;
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  }
  ~Turn() {
    if (held_) ReleaseMutex(mutex_.get());
  }
  Turn(const Turn&) = delete;
  Turn& operator=(const Turn&) = delete;
  bool held() const { return held_; }

 private:
  const Owned<KernelHandle> mutex_;
  bool held_ = false;
};

}  // namespace

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  char buffer[kReadBufferSize];
  const DWORD length = GetPrivateProfileStringA(section_.c_str(), key.c_str(), fallback.c_str(),
                                                buffer, kReadBufferSize, path_.c_str());
  return std::string(buffer, length);
}

std::string IniFile::FilePath() const {
  return path_;
}

bool IniFile::InWritersTurn(const std::string& path, const std::function<bool()>& write) {
  const Turn turn(path);
  return turn.held() && write();
}

std::optional<std::string> IniFile::ReadText(const std::string& path) {
  const HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
    return std::nullopt;  // a folder, or a file that is not ours to read
  }
  const Owned<KernelHandle> file(opened);
  LARGE_INTEGER size{};
  if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
      size.QuadPart > kLargestFile) {
    return std::nullopt;
  }
  std::string content(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!content.empty() &&
      (!ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &got, nullptr) ||
       got != content.size())) {
    return std::nullopt;
  }
  return content;
}
