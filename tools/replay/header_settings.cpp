#include "tools/replay/header_settings.h"

#include <algorithm>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "reports/cabrillo_header_fields.h"
#include "tools/logs/whole_file.h"
#include "tools/replay/header_values.h"

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

WrittenHeader WriteHeader(const IniFile& settings,
                          const std::vector<std::pair<std::string, std::string>>& logHeader,
                          const std::vector<std::pair<std::string, std::string>>& givenNow,
                          const std::string& cabrilloFile) {
  WrittenHeader header;
  std::string text;
  try {
    text = ReadWholeFile(cabrilloFile);
  } catch (const FileError&) {
    return header;
  }
  // The header lines stand before the first QSO line, each ending in CR LF.
  const size_t firstQso = text.find("\r\nQSO: ");
  const size_t headerEnd = firstQso == std::string::npos ? text.size() : firstQso + 2;
  struct Line {
    std::string tag;
    std::string_view whole;  // with its line end
  };
  std::vector<Line> lines;
  for (size_t start = 0; start < headerEnd;) {
    const size_t lineEnd = text.find("\r\n", start);
    const size_t end = lineEnd == std::string::npos ? text.size() : lineEnd + 2;
    const std::string_view line = std::string_view(text).substr(start, end - start);
    lines.push_back({UpperAscii(line.substr(0, line.find(':'))), line});
    start = end;
  }
  const auto written = [&](std::string_view tag) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Line& line) { return line.tag == tag; });
  };

  // Tag and value, a tag once per line it gets.
  std::vector<std::pair<std::string, std::string>> values;
  for (const CabrilloHeaderField& field : kCabrilloHeaderFields) {
    // What the plug-in reads it has written itself.
    const std::string value = field.replayKey ? settings.Read(field.replayKey) : "";
    if (!value.empty()) values.emplace_back(field.tag, BlankControls(value));
  }
  std::vector<std::string> fromLog, leftOut;
  for (const auto& [tag, value] : logHeader) {
    const std::optional<std::string> key = HeaderSettingKey(tag);
    const bool given =
        key && std::any_of(givenNow.begin(), givenNow.end(),
                           [&](const auto& setting) { return setting.first == *key; });
    if (given || tag == "CALLSIGN" || tag == "CONTEST" || tag == "CLAIMED-SCORE" ||
        tag == "CREATED-BY") {
      continue;
    }
    if (!written(tag)) {
      if (std::find(leftOut.begin(), leftOut.end(), tag) == leftOut.end()) leftOut.push_back(tag);
      continue;
    }
    if (std::find(fromLog.begin(), fromLog.end(), tag) == fromLog.end()) {
      fromLog.push_back(tag);
      values.erase(
          std::remove_if(values.begin(), values.end(),
                         [&logTag = tag](const auto& value) { return value.first == logTag; }),
          values.end());
    }
    values.emplace_back(tag, value);
  }
  if (!leftOut.empty()) {
    std::string tags;
    for (const std::string& tag : leftOut) tags += (tags.empty() ? "" : ", ") + tag;
    header.notices.push_back("the log's header lines " + tags +
                             " are left out of the Cabrillo log: its writer knows no such tag");
  }

  std::string rewritten;
  std::vector<std::string> done;  // the tags whose values are written
  std::string defaults;
  const auto append = [&](const std::string& tag, std::string_view value, std::string_view line) {
    const AcceptedValue accepted = AcceptedHeaderValue(tag, value);
    if (!accepted.refusal.empty() && header.refusal.empty()) header.refusal = accepted.refusal;
    if (!accepted.warning.empty()) header.notices.push_back(accepted.warning);
    if (accepted.value == value && !line.empty()) {
      rewritten += line;
    } else {
      rewritten += tag + ": " + accepted.value + "\r\n";
    }
  };
  for (const Line& line : lines) {
    const bool replaced = std::any_of(values.begin(), values.end(),
                                      [&](const auto& value) { return value.first == line.tag; });
    if (line.tag == "START-OF-LOG" || line.tag.empty() || line.whole.find(':') == line.whole.npos) {
      rewritten += line.whole;
    } else if (!replaced) {
      std::string_view value = line.whole.substr(line.tag.size() + 1);
      if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      value = value.substr(0, value.find("\r\n"));
      append(line.tag, value, line.whole);
      if (line.tag == "CATEGORY-OPERATOR" || line.tag == "CATEGORY-ASSISTED" ||
          line.tag == "CATEGORY-POWER") {
        defaults += (defaults.empty() ? "" : ", ") + line.tag + " " + std::string(value);
      }
    } else if (std::find(done.begin(), done.end(), line.tag) == done.end()) {
      done.push_back(line.tag);
      for (const auto& [tag, value] : values) {
        if (tag == line.tag) append(tag, value, {});
      }
    }
  }
  if (!header.refusal.empty()) return header;
  if (!defaults.empty()) {
    header.notices.push_back("the Cabrillo log takes the plug-in's defaults " + defaults +
                             ": check them (see --header)");
  }
  rewritten.append(text, headerEnd, std::string::npos);
  header.whole = rewritten == text || ReplaceFileWhole(cabrilloFile, rewritten);
  return header;
}
