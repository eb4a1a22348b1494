#include <windows.h>

#include <random>

#include "platform/file_replace.h"
#include "platform/owned_win32.h"
#include "platform/temporary_name.h"

namespace {

// A reader that has the file open keeps it from being replaced for a moment: the move is
// tried again for up to a second.
constexpr int kMoveAttempts = 100;
constexpr DWORD kMoveRetryMilliseconds = 10;

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

// A new file in `folder` beside `name`, under a name no other writer uses;
// INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateTemporaryBeside(const std::string& folder, const std::string& name,
                             std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = folder + TemporaryName(name, GetCurrentProcessId(), random());
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool ProcessEnded(DWORD id) {
  const Owned<KernelHandle> process(OpenProcess(SYNCHRONIZE, FALSE, id));
  if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
  return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

// Removes the temporary files of `name` whose writers were killed before they finished.
void RemoveLeftovers(const std::string& folder, const std::string& name) {
  const DWORD savedError = GetLastError();
  WIN32_FIND_DATAA entry{};
  const HANDLE found = FindFirstFileA((folder + "*.tmp").c_str(), &entry);
  for (bool more = found != INVALID_HANDLE_VALUE; more; more = FindNextFileA(found, &entry)) {
    const auto writer = TemporaryNameWriter(name, entry.cFileName);
    if (writer && *writer != GetCurrentProcessId() && ProcessEnded(*writer)) {
      DeleteFileA((folder + entry.cFileName).c_str());
    }
  }
  if (found != INVALID_HANDLE_VALUE) FindClose(found);
  SetLastError(savedError);
}

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    DWORD written = 0;
    const DWORD chunk =
        content.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(content.size());
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

bool MoveOver(const std::string& temporary, const std::string& path) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(Wide(temporary).c_str(), Wide(path).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    const DWORD error = GetLastError();
    if (attempt == kMoveAttempts ||
        (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) {
      return false;
    }
    Sleep(kMoveRetryMilliseconds);
  }
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view content) {
  // A read-only file is kept, as the system's own writers keep it (wine's move would not),
  // and a folder in the way is no file.
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  const size_t slash = path.find_last_of("\\/:");
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = path.substr(folder.size());
  RemoveLeftovers(folder, name);
  std::string temporary;
  const HANDLE file = CreateTemporaryBeside(folder, name, temporary);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = WriteAll(file, content) && FlushFileBuffers(file);
  written = CloseHandle(file) && written;
  if (written && MoveOver(temporary, path)) return true;
  DeleteFileA(temporary.c_str());
  return false;
}
