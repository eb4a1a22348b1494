#include "reports/cabrillo_header.h"

#include <algorithm>
#include <string_view>

#include "platform/ascii_text.h"
#include "reports/cabrillo_header_fields.h"

namespace {

using Kept = CabrilloHeaderField::Kept;

// The INI file keeps the soapbox on one line, its breaks written as "<CR>" and "<LF>".
std::string WithBreakMarkers(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string WithoutBreakMarkers(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

bool IsSoapbox(const CabrilloHeaderField& row) {
  return row.field == &CabrilloDialogFields::soapbox;
}

bool IsStored(const CabrilloHeaderField& row) {
  return row.kept == Kept::kRead || row.kept == Kept::kStoredOnly;
}

std::string SettingsText(const CabrilloDialogFields& fields, const CabrilloHeaderField& row) {
  const std::string& text = fields.*row.field;
  return IsSoapbox(row) ? WithBreakMarkers(text) : text;
}

// What a read of the settings file gives back at most.
constexpr size_t kKeptBytes = IniFile::kReadBufferSize - 1;

// The part of a settings text that a read gives back, cut before a line break that would
// not fit whole: a cut marker would reach the Cabrillo file as text.
std::string KeptPart(const std::string& text) {
  if (text.size() <= kKeptBytes) return text;
  size_t cut = kKeptBytes;
  for (const std::string_view marker : {"<CR><LF>", "<CR>", "<LF>"}) {
    const size_t start = text.rfind(marker, kKeptBytes - 1);
    if (start != std::string::npos && start + marker.size() > kKeptBytes) {
      cut = std::min(cut, start);
    }
  }
  return text.substr(0, cut);
}

}  // namespace

void LoadHeader(CabrilloLog& log, const std::string& ownCall, const OleDate& contestStart,
                const OleDate& contestEnd, bool cwLeg, const IniFile& settings) {
  log.contestStart = contestStart;
  log.contestEnd = contestEnd;
  log.fileBaseName = FileBaseName(ownCall);
  // The categories, the location and the contest name start afresh on every run.
  for (const CabrilloHeaderField& row : kCabrilloHeaderFields) {
    const char* fallback = cwLeg ? row.cwDefault : row.ssbDefault;
    const std::string start = fallback != nullptr ? fallback : ownCall;
    const bool read = row.kept == Kept::kRead || row.kept == Kept::kReadOnly;
    const std::string value = read ? settings.Read(row.settingKey, start) : start;
    log.header.*row.field = IsSoapbox(row) ? WithoutBreakMarkers(value) : value;
  }
}

std::string TooLongToKeepNotice(const CabrilloDialogFields& fields) {
  std::string labels;
  for (const CabrilloHeaderField& row : kCabrilloHeaderFields) {
    if (!IsStored(row) || SettingsText(fields, row).size() <= kKeptBytes) continue;
    labels += (labels.empty() ? "" : ", ") + std::string(row.label ? row.label : row.tag);
  }
  if (labels.empty()) return labels;
  return "Too long to be kept whole for the next export: " + labels +
         ".\r\nThe settings file keeps the first " + std::to_string(kKeptBytes) +
         " characters of each (a line break counts 8).\r\n\r\n"
         "OK stores them cut; Cancel goes back to the header.";
}

void StoreHeader(CabrilloLog& log, const CabrilloDialogFields& confirmed, const IniFile& settings) {
  CabrilloDialogFields& h = log.header;
  const std::string claimed = h.claimed;
  h = confirmed;
  h.claimed = claimed;
  for (const CabrilloHeaderField& row : kCabrilloHeaderFields) {
    if (IsStored(row)) settings.Write(row.settingKey, KeptPart(SettingsText(h, row)));
  }

  // Output form: each line of the soapbox gets a "SOAPBOX: " line of its own in the file.
  const std::string lineBreak = "\r\n" + HeaderLineStart(&CabrilloDialogFields::soapbox);
  h.soapbox = ReplaceAll(ReplaceAll(WithBreakMarkers(h.soapbox), "<CR>", lineBreak), "<LF>", "");
  log.qsoLines.clear();
}

namespace {

// Names Windows gives to devices, whatever extension follows (a blank before it too).
bool IsDeviceName(std::string_view stem) {
  stem = TrimBlanks(stem);
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualNoCase(stem, device)) return true;
  }
  if (stem.size() < 4 ||
      !(EqualNoCase(stem.substr(0, 3), "COM") || EqualNoCase(stem.substr(0, 3), "LPT"))) {
    return false;
  }
  const std::string_view number = stem.substr(3);
  if (number.size() == 1 && number[0] >= '1' && number[0] <= '9') return true;
  // Superscript one, two and three, in the single-byte code page and in UTF-8.
  for (const char* superscript : {"\xb9", "\xb2", "\xb3", "\xc2\xb9", "\xc2\xb2", "\xc2\xb3"}) {
    if (number == superscript) return true;
  }
  return false;
}

}  // namespace

std::string FileBaseName(std::string_view call) {
  std::string base(call);
  for (char& c : base) {
    if (IsControl(c) || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
  }
  base = std::string(TrimBlanks(base));
  if (base.empty()) return "QXLG";
  // Windows drops dots at the end of a name.
  for (size_t end = base.size(); end > 0 && base[end - 1] == '.'; --end) base[end - 1] = '_';
  const size_t stemEnd = std::min(base.find('.'), base.size());
  if (IsDeviceName(std::string_view(base).substr(0, stemEnd))) {
    base.insert(TrimBlanks(std::string_view(base).substr(0, stemEnd)).size(), "_");
  }
  return base;
}

std::string ReplaceAll(std::string_view text, std::string_view old, std::string_view replacement) {
  std::string result;
  size_t start = 0;
  for (size_t found = text.find(old); found != std::string_view::npos;
       found = text.find(old, start)) {
    result.append(text.substr(start, found - start)).append(replacement);
    start = found + old.size();
  }
  result.append(text.substr(start));
  return result;
}
