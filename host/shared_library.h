#pragma once
// The operating system's loader, reduced to what a host of the plug-in needs: open a
// library by path, look up an exported symbol, close it again.

#include <string>

namespace shared_library {

// The library (its path in UTF-8) opened: the handle, or null with `error` set to the
// loader's reason.
void* Open(const std::string& path, std::string& error);
// The address of an exported symbol, or null.
void* Find(void* library, const char* name);
void Close(void* library);

}  // namespace shared_library
