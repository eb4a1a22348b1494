#include <windows.h>

#include "platform/ini_file.h"

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  char buffer[kReadBufferSize];
  const DWORD length = GetPrivateProfileStringA(section_.c_str(), key.c_str(), fallback.c_str(),
                                                buffer, kReadBufferSize, path_.c_str());
  return std::string(buffer, length);
}

void IniFile::Write(const std::string& key, const std::string& value) const {
  WritePrivateProfileStringA(section_.c_str(), key.c_str(), value.c_str(), path_.c_str());
}
