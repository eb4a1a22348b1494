#include "tools/header_settings.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "tools/whole_file.h"

namespace {

struct HeaderSetting {
  std::string_view tag;
  std::string_view key;
  bool readByPlugin;  // else filled with a fixed default by the plug-in, and by the tool after it
};

constexpr std::array<HeaderSetting, 16> kSettings = {{
    {"NAME", "Name", true},
    {"EMAIL", "Email", true},
    {"CLUB", "Club", true},
    {"OPERATORS", "Operators", true},
    {"SOAPBOX", "SoapBox", true},
    {"ADDRESS", "Address", true},
    {"ADDRESS-CITY", "Address_City", true},
    {"ADDRESS-STATE-PROVINCE", "Address_St_Prov", true},
    {"ADDRESS-POSTALCODE", "Address_PostalCode", true},
    {"ADDRESS-COUNTRY", "Address_Country", true},
    // The plug-in writes "Category" itself, with its default, on every export.
    {"CATEGORY-OPERATOR", "Category_Operator", false},
    {"CATEGORY-ASSISTED", "Category_Assisted", false},
    {"CATEGORY-BAND", "Category_Band", false},
    {"CATEGORY-POWER", "Category_Power", false},
    {"CATEGORY-TIME", "Category_Time", false},
    {"LOCATION", "Location", false},
}};

}  // namespace

std::optional<std::string> HeaderSettingKey(std::string_view tag) {
  for (const HeaderSetting& setting : kSettings) {
    if (EqualNoCase(tag, setting.tag)) return std::string(setting.key);
  }
  return std::nullopt;
}

std::string HeaderSettingTags() {
  std::string tags;
  for (const HeaderSetting& setting : kSettings) {
    if (!tags.empty()) tags += ", ";
    tags += setting.tag;
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
  for (const HeaderSetting& setting : kSettings) {
    const std::string value = setting.readByPlugin ? "" : settings.Read(std::string(setting.key));
    if (value.empty()) continue;
    const std::string start = std::string(setting.tag) + ": ";
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
