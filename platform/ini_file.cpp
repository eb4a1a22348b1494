#include <cstdlib>

#include "platform/ini_file.h"

int IniFile::ReadInt(const std::string& key) const {
  return std::atoi(Read(key).c_str());
}
