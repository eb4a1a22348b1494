#pragma once
// One section of a private-profile INI file. On Windows the profile functions of the
// system read it; elsewhere our own reader behaves the same way, and one writer serves
// both, writing the file as the system would: section and key names ignore case, values
// are trimmed, a missing file or key reads as the default, and a write creates the file
// and the section (but not a missing folder).
// Values are stored on one line: their control characters are written as blanks.
// A write replaces the file whole, so a read never sees half of one, and writers (threads,
// processes, copies of the library) take turns: none loses another's key.

#include <functional>
#include <optional>
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
  // The platform's part of a write. The file's path as the system takes it.
  std::string FilePath() const;
  // Runs `write` in the writers' turn on the file; false when the turn cannot be had.
  static bool InWritersTurn(const std::string& path, const std::function<bool()>& write);
  // The file's text: empty when there is no file, none when it is no settings file.
  static std::optional<std::string> ReadText(const std::string& path);

  std::string section_;
  std::string path_;
};
