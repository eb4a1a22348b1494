#include <windows.h>

#include <random>

#include "platform/file_replace.h"
#include "platform/owned_win32.h"
#include "platform/temporary_name.h"
#include "platform/wide_text_win32.h"

namespace {

// A reader that has the file open keeps it from being replaced for a moment: the move is
// tried again for up to a second.
constexpr int kMoveAttempts = 100;
constexpr DWORD kMoveRetryMilliseconds = 10;

// A new file in `folder` beside `name`, under a name no other writer uses;
// INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateTemporaryBeside(const std::wstring& folder, const std::string& name,
                             std::wstring& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = folder + WideOf(CP_UTF8, TemporaryName(name, GetCurrentProcessId(), random()));
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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
void RemoveLeftovers(const std::wstring& folder, const std::string& name) {
  const DWORD savedError = GetLastError();
  WIN32_FIND_DATAW entry{};
  const HANDLE found = FindFirstFileW((folder + L"*.tmp").c_str(), &entry);
  for (bool more = found != INVALID_HANDLE_VALUE; more; more = FindNextFileW(found, &entry)) {
    const auto writer = TemporaryNameWriter(name, Utf8(entry.cFileName));
    if (writer && *writer != GetCurrentProcessId() && ProcessEnded(*writer)) {
      DeleteFileW((folder + entry.cFileName).c_str());
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

bool MoveOver(const std::wstring& temporary, const std::wstring& path) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(temporary.c_str(), path.c_str(),
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
  return ReplaceFileWhole(std::filesystem::path(WideOf(CP_ACP, path)), content);
}

bool ReplaceFileWhole(const std::filesystem::path& target, std::string_view content) {
  const std::wstring& path = target.native();
  // A read-only file is kept, as the system's own writers keep it (wine's move would not),
  // and a folder in the way is no file.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  const size_t slash = path.find_last_of(L"\\/:");
  const std::wstring folder =
      slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
  const std::string name = Utf8(path.substr(folder.size()).c_str());
  RemoveLeftovers(folder, name);
  std::wstring temporary;
  Owned<FileHandle> file(CreateTemporaryBeside(folder, name, temporary));
  if (!file) return false;
  bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
  // A failed close may have lost what was written.
  written = CloseHandle(file.release()) && written;
  if (written && MoveOver(temporary, path)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}
