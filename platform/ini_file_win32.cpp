#include <windows.h>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  char buffer[kReadBufferSize];
  const DWORD length = GetPrivateProfileStringA(section_.c_str(), key.c_str(), fallback.c_str(),
                                                buffer, kReadBufferSize, path_.c_str());
  return std::string(buffer, length);
}

bool IniFile::Write(const std::string& key, const std::string& value) const {
  return WritePrivateProfileStringA(section_.c_str(), key.c_str(), BlankControls(value).c_str(),
                                    path_.c_str()) != FALSE;
}
