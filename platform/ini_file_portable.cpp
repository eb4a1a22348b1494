// Private-profile files without Windows. The whole file is read for every call, as the
// system does; files are small. Lines may end in CR LF or LF; written files use CR LF.

#include <cstdio>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"

namespace {

std::mutex fileLock;  // one writer at a time, and no read of a half-written file

std::string NativePath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// Reads with C stdio: a path that is a folder or unreadable gives no lines, not an error.
std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return lines;
  std::string content;
  char block[8192];
  for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
    content.append(block, got);
  std::fclose(file);
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return lines;
}

// "[name]" gives the section name; anything else is not a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// "key=value" with both sides trimmed; comment lines and blank lines are no entries.
std::optional<Entry> ParseEntry(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return Entry{trimmed, {}};
  return Entry{TrimBlanks(trimmed.substr(0, equals)), TrimBlanks(trimmed.substr(equals + 1))};
}

// A value in matching quotes reads without them.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string IniFile::Read(const std::string& key, const std::string& fallback) const {
  std::vector<std::string> lines;
  {
    std::lock_guard<std::mutex> guard(fileLock);
    lines = ReadLines(NativePath(path_));
  }
  std::string value = fallback;
  bool inSection = false;
  for (const std::string& line : lines) {
    if (const auto name = SectionName(line)) {
      inSection = EqualNoCase(*name, section_);
      continue;
    }
    if (!inSection) continue;
    const auto entry = ParseEntry(line);
    if (entry && EqualNoCase(entry->key, key)) {
      value = std::string(Unquote(entry->value));
      break;
    }
  }
  if (value.size() > kReadBufferSize - 1) value.resize(kReadBufferSize - 1);
  return value;
}

void IniFile::Write(const std::string& key, const std::string& value) const {
  std::lock_guard<std::mutex> guard(fileLock);
  const std::string path = NativePath(path_);
  std::vector<std::string> lines = ReadLines(path);
  const std::string newEntry = key + "=" + value;

  bool inSection = false;
  bool sectionFound = false;
  size_t insertAt = lines.size();
  bool replaced = false;
  for (size_t i = 0; i < lines.size() && !replaced; ++i) {
    if (const auto name = SectionName(lines[i])) {
      if (inSection) break;  // the key is not in our section: insert at its end
      inSection = EqualNoCase(*name, section_);
      if (inSection && !sectionFound) {
        sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    const auto entry = ParseEntry(lines[i]);
    if (!entry) continue;
    if (EqualNoCase(entry->key, key)) {
      lines[i] = std::string(entry->key) + "=" + value;  // the stored key keeps its spelling
      replaced = true;
    } else {
      insertAt = i + 1;
    }
  }
  if (!replaced) {
    if (sectionFound) {
      lines.insert(lines.begin() + static_cast<long>(insertAt), newEntry);
    } else {
      lines.push_back("[" + section_ + "]");
      lines.push_back(newEntry);
    }
  }

  // Write beside the file and rename over it, so a full disk never leaves half a file.
  const std::string temporary = path + ".new";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return;
  bool written = true;
  for (const std::string& line : lines) {
    written = written && std::fwrite(line.data(), 1, line.size(), out) == line.size() &&
              std::fwrite("\r\n", 1, 2, out) == 2;
  }
  written = std::fclose(out) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
  }
}
