#include <windows.h>

#include <filesystem>

#include "host/shared_library.h"

namespace shared_library {

void* Open(const std::string& path, std::string& error) {
  // The tool's names are in UTF-8: its folder may have any letters.
  HMODULE library = LoadLibraryW(std::filesystem::u8path(path).c_str());
  if (library == nullptr) error = "Windows error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(library);
}

void* Find(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void Close(void* library) {
  FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace shared_library
