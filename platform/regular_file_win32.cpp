#include <windows.h>

#include "platform/regular_file.h"

RegularFileWriter::RegularFileWriter(const std::string& path, Start start) {
  // A link is opened as itself, and then refused.
  const HANDLE file =
      CreateFileA(path.c_str(), start == Start::kAtTheEnd ? FILE_APPEND_DATA : GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
      (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
      (start == Start::kEmpty && !SetEndOfFile(file))) {
    CloseHandle(file);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
}

RegularFileWriter::~RegularFileWriter() {
  if (open()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool RegularFileWriter::Write(std::string_view bytes) {
  while (open() && !bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), bytes.data(), chunk, &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return open();
}
