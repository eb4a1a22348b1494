#include <windows.h>

#include <random>

#include "platform/file_replace.h"
#include "platform/owned_win32.h"

namespace {

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

// A new file beside `path` under a name no other writer uses; INVALID_HANDLE_VALUE when
// none can be made.
HANDLE CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = path + "." + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(random()) + ".tmp";
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
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

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view content) {
  // A read-only file is kept, as the system's own writers keep it (wine's move would not).
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  std::string temporary;
  Owned<FileHandle> file(CreateTemporaryBeside(path, temporary));
  if (!file) return false;
  bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
  // A failed close may have lost what was written.
  written = CloseHandle(file.release()) && written;
  // A folder in the way makes the move fail.
  if (written && MoveFileExW(Wide(temporary).c_str(), Wide(path).c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary.c_str());
  return false;
}
