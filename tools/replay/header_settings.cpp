#include "tools/replay/header_settings.h"

#include <algorithm>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "reports/cabrillo_header_fields.h"
#include "tools/logs/whole_file.h"

namespace {

using Kept = CabrilloHeaderField::Kept;

// The key an operator's value of the field is kept under: the plug-in's own where it reads
// one, else the tool's; null for a field the operator does not set.
const char* SettingKey(const CabrilloHeaderField& field) {
  return field.kept == Kept::kRead ? field.settingKey : field.replayKey;
}

}  // namespace

std::optional<std::string> HeaderSettingKey(std::string_view tag) {
  for (const CabrilloHeaderField& field : kCabrilloHeaderFields) {
    const char* key = SettingKey(field);
    if (key != nullptr && EqualNoCase(tag, field.tag)) return std::string(key);
  }
  return std::nullopt;
}

std::string HeaderSettingTags() {
  std::string tags;
  for (const CabrilloHeaderField& field : kCabrilloHeaderFields) {
    if (SettingKey(field) == nullptr) continue;
    if (!tags.empty()) tags += ", ";
    tags += field.tag;
  }
  return tags;
}

std::string StoredHeaderValue(std::string_view value) {
  std::string stored;
  for (const char c : value) {
    if (c == '\n') {
      stored += "<CR><LF>";
    } else if (c != '\r') {
      stored += c;
    }
  }
  return stored;
}

bool ApplyHeaderSettings(const IniFile& settings, const std::string& cabrilloFile) {
  std::vector<std::pair<std::string, std::string>> lines;  // the line's start, the whole line
  for (const CabrilloHeaderField& field : kCabrilloHeaderFields) {
    // What the plug-in reads it has written itself.
    const std::string value = field.replayKey ? settings.Read(field.replayKey) : "";
    if (value.empty()) continue;
    const std::string start = HeaderLineStart(field.field);
    lines.emplace_back(start, start + BlankControls(value) + "\r\n");
  }
  if (lines.empty()) return true;
  std::string text;
  try {
    text = ReadWholeFile(cabrilloFile);
  } catch (const FileError&) {
    return false;
  }
  // The header lines stand before the first QSO line, each ending in CR LF.
  const size_t firstQso = text.find("\r\nQSO: ");
  const size_t headerEnd = firstQso == std::string::npos ? text.size() : firstQso + 2;
  std::string written;
  for (size_t start = 0; start < headerEnd;) {
    const size_t lineEnd = text.find("\r\n", start);
    const size_t end = lineEnd == std::string::npos ? text.size() : lineEnd + 2;
    const std::string_view line = std::string_view(text).substr(start, end - start);
    const auto replacement = std::find_if(lines.begin(), lines.end(), [&](const auto& setting) {
      return line.substr(0, setting.first.size()) == setting.first;
    });
    written += replacement == lines.end() ? line : std::string_view(replacement->second);
    start = end;
  }
  written.append(text, headerEnd, std::string::npos);
  return ReplaceFileWhole(cabrilloFile, written);
}
