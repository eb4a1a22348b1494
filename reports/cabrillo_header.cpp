#include "reports/cabrillo_header.h"

#include <algorithm>
#include <string_view>

#include "platform/ascii_text.h"

void LoadHeader(CabrilloLog& log, const std::string& ownCall, const OleDate& contestStart,
                const OleDate& contestEnd, bool cwLeg, const IniFile& settings) {
  CabrilloDialogFields& h = log.header;
  h.callsign = ownCall;
  log.contestStart = contestStart;
  log.contestEnd = contestEnd;
  log.fileBaseName = FileBaseName(ownCall);

  h.operators = settings.Read("Operators", ownCall);
  h.name = settings.Read("Name");
  h.address = settings.Read("Address");
  h.addressCity = settings.Read("Address_City");
  h.addressStateProvince = settings.Read("Address_St_Prov");
  h.addressPostalCode = settings.Read("Address_PostalCode");
  h.addressCountry = settings.Read("Address_Country");
  h.claimed = settings.Read("Claimed");

  // The categories, the location and the contest name start afresh on every run.
  h.contest = cwLeg ? "UKEIDXCW" : "UKEIDXSSB";
  h.categoryOperator = "SINGLE-OP";
  h.categoryOverlay = "NONE";
  h.categoryMode = cwLeg ? "CW" : "SSB";
  h.categoryBand = "ALL";
  h.categoryPower = "HIGH";
  h.categoryTime = "24-HOURS";
  h.location = "DX";
  h.categoryStation = "FIXED";
  h.categoryAssisted = "NON-ASSISTED";

  h.email = settings.Read("Email");
  h.club = settings.Read("Club");
  // The INI file keeps the soapbox on one line, its breaks written as "<CR>" and "<LF>".
  h.soapbox = ReplaceAll(ReplaceAll(settings.Read("SoapBox"), "<CR>", "\r"), "<LF>", "\n");
}

namespace {

// The header texts the settings file keeps, in the order they are written, with the
// dialog's label for each.
struct StoredField {
  const char* key;
  std::string CabrilloDialogFields::*field;
  const char* label;
};
constexpr StoredField kStoredFields[] = {
    {"Operators", &CabrilloDialogFields::operators, "OPERATORS"},
    {"Name", &CabrilloDialogFields::name, "NAME"},
    {"Address", &CabrilloDialogFields::address, "ADDRESS"},
    {"Address_City", &CabrilloDialogFields::addressCity, "ADDRESS-CITY"},
    {"Address_St_Prov", &CabrilloDialogFields::addressStateProvince, "ADDRESS-STATE-PROVINCE"},
    {"Address_PostalCode", &CabrilloDialogFields::addressPostalCode, "ADDRESS-POSTALCODE"},
    {"Address_Country", &CabrilloDialogFields::addressCountry, "ADDRESS-COUNTRY"},
    {"Category", &CabrilloDialogFields::categoryOperator, "CATEGORY-OPERATOR"},
    {"Category_Overlay", &CabrilloDialogFields::categoryOverlay, "CATEGORY-OVERLAY"},
    {"Contest", &CabrilloDialogFields::contest, "CONTEST"},
    {"Email", &CabrilloDialogFields::email, "E-MAIL"},
    {"Club", &CabrilloDialogFields::club, "CLUB"},
    {"SoapBox", &CabrilloDialogFields::soapbox, "SOAPBOX"},
};

// What a read of the settings file gives back at most.
constexpr size_t kKeptBytes = IniFile::kReadBufferSize - 1;

// The INI file keeps the soapbox on one line, its breaks written as "<CR>" and "<LF>".
std::string WithBreakMarkers(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string SettingsText(const CabrilloDialogFields& fields, const StoredField& stored) {
  const std::string& text = fields.*stored.field;
  return stored.field == &CabrilloDialogFields::soapbox ? WithBreakMarkers(text) : text;
}

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

std::string TooLongToKeepNotice(const CabrilloDialogFields& fields) {
  std::string labels;
  for (const StoredField& stored : kStoredFields) {
    if (SettingsText(fields, stored).size() <= kKeptBytes) continue;
    labels += (labels.empty() ? "" : ", ") + std::string(stored.label);
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
  for (const StoredField& stored : kStoredFields) {
    settings.Write(stored.key, KeptPart(SettingsText(h, stored)));
  }

  // Output form: each line of the soapbox gets a "SOAPBOX: " line of its own in the file.
  h.soapbox =
      ReplaceAll(ReplaceAll(WithBreakMarkers(h.soapbox), "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
  log.qsoLines.clear();
}

namespace {

// Names Windows gives to devices, whatever extension follows (a blank before it too).
bool IsDeviceName(std::string_view stem) {
  stem = TrimBlanks(stem);
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualNoCase(stem, device)) return true;
  }
  return stem.size() == 4 &&
         (EqualNoCase(stem.substr(0, 3), "COM") || EqualNoCase(stem.substr(0, 3), "LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
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
