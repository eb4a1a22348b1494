#include <windows.h>

#include "host/shared_library.h"

namespace shared_library {

void* Open(const std::string& path, std::string& error) {
  HMODULE library = LoadLibraryA(path.c_str());
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
