#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/host_version.h"

std::optional<std::string> FindHostProgram(const std::string& hostFolder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((hostFolder + "*.exe").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> program;
  do {
    if (std::strstr(found.cFileName, "Qorv") != nullptr) {
      program = hostFolder.substr(0, FolderPartLength(hostFolder)) + found.cFileName;
      break;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return program;
}

std::optional<FileVersion> ReadFileVersion(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> resource(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, resource.data())) return std::nullopt;
  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(resource.data(), "\\", &block, &length) || block == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
  return FileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}
