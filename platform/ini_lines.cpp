#include "platform/ini_lines.h"

#include "platform/ascii_text.h"

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

std::optional<IniEntry> ParseEntry(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return IniEntry{trimmed, {}};
  return IniEntry{TrimBlanks(trimmed.substr(0, equals)), TrimBlanks(trimmed.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  std::vector<std::string> lines;
  for (const std::string_view line : SplitLines(text)) lines.emplace_back(line);
  const std::string newEntry = std::string(key) + "=" + std::string(value);

  bool inSection = false;
  bool sectionFound = false;
  size_t insertAt = lines.size();
  bool replaced = false;
  for (size_t i = 0; i < lines.size() && !replaced; ++i) {
    if (const auto name = SectionName(lines[i])) {
      if (inSection) break;  // the key is not in our section: insert at its end
      inSection = EqualNoCase(*name, section);
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
      lines[i] = std::string(entry->key) + "=" + std::string(value);
      replaced = true;
    } else {
      insertAt = i + 1;
    }
  }
  if (!replaced) {
    if (sectionFound) {
      lines.insert(lines.begin() + static_cast<long>(insertAt), newEntry);
    } else {
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(newEntry);
    }
  }
  std::string content;
  for (const std::string& line : lines) content.append(line).append("\r\n");
  return content;
}
