#include <dlfcn.h>

#include "host/shared_library.h"

namespace shared_library {

void* Open(const std::string& path, std::string& error) {
  // A bare file name would make dlopen search the system's folders, not the current one.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    error = reason ? reason : "unknown error";
  }
  return library;
}

void* Find(void* library, const char* name) {
  return dlsym(library, name);
}

void Close(void* library) {
  dlclose(library);
}

}  // namespace shared_library
