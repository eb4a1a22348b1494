#pragma once
// One section of a private-profile INI file. On Windows the profile functions of the
// system do the work; elsewhere our own reader and writer behave the same way: section
// and key names ignore case, values are trimmed, a missing file or key reads as the
// default, and a write creates the file and the section (but not a missing folder).
// Values are stored on one line: their control characters are written as blanks.

#include <string>

class IniFile {
 public:
  IniFile(std::string section, std::string path)
      : section_(std::move(section)), path_(std::move(path)) {}

  // Reads through a 100-byte buffer, as every read of the plug-in does: at most 99 bytes.
  std::string Read(const std::string& key, const std::string& fallback = {}) const;
  // The C library's decimal conversion of the text: anything that is not a number is 0.
  int ReadInt(const std::string& key) const;
  // False when the value could not be stored (read-only or unreadable file, missing
  // folder, full disk); the file is then as it was.
  bool Write(const std::string& key, const std::string& value) const;

  const std::string& path() const { return path_; }

  static constexpr unsigned kReadBufferSize = 100;

 private:
  std::string section_;
  std::string path_;
};
