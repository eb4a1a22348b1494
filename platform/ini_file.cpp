#include "platform/ini_file.h"

#include <cstdlib>

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "platform/ini_lines.h"

int IniFile::ReadInt(const std::string& key) const {
  return std::atoi(Read(key).c_str());
}

bool IniFile::Write(const std::string& key, const std::string& value) const {
  const std::string path = FilePath();
  return InWritersTurn(path, [&] {
    const std::optional<std::string> text = ReadText(path);
    if (!text) return false;  // replacing it would lose what it holds
    const std::string edited = WithValue(*text, section_, key, BlankControls(value));
    // A file that holds the value already is left as it is.
    return edited == *text || ReplaceFileWhole(path, edited);
  });
}
