#include "reports/cabrillo_header.h"

#include <algorithm>
#include <mutex>

#include "platform/ascii_text.h"
#include "plugin/contest_state.h"

int RunHeaderDialog(const std::string& ownCall, const OleDate& contestStart,
                    const OleDate& contestEnd) {
  CabrilloDialogFields fields;
  {
    std::lock_guard<std::mutex> guard(contest.lock);
    LoadHeader(contest.cabrilloLog, ownCall, contestStart, contestEnd, contest.isCwMode != 0,
               contest.settings);
    fields = contest.cabrilloLog.header;
  }
  Windows().StopRefresh();
  const bool confirmed = Windows().RunCabrilloDialog(fields);

  std::lock_guard<std::mutex> guard(contest.lock);
  if (!confirmed) {
    contest.cabrilloRequested = 0;
    return 0;
  }
  StoreHeader(contest.cabrilloLog, fields, contest.settings);
  return 1;
}

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

void StoreHeader(CabrilloLog& log, const CabrilloDialogFields& confirmed, const IniFile& settings) {
  CabrilloDialogFields& h = log.header;
  const std::string claimed = h.claimed;
  h = confirmed;
  h.claimed = claimed;
  h.soapbox = ReplaceAll(ReplaceAll(h.soapbox, "\r", "<CR>"), "\n", "<LF>");

  settings.Write("Operators", h.operators);
  settings.Write("Name", h.name);
  settings.Write("Address", h.address);
  settings.Write("Address_City", h.addressCity);
  settings.Write("Address_St_Prov", h.addressStateProvince);
  settings.Write("Address_PostalCode", h.addressPostalCode);
  settings.Write("Address_Country", h.addressCountry);
  settings.Write("Category", h.categoryOperator);
  settings.Write("Category_Overlay", h.categoryOverlay);
  settings.Write("Contest", h.contest);
  settings.Write("Email", h.email);
  settings.Write("Club", h.club);
  settings.Write("SoapBox", h.soapbox);

  // Output form: each line of the soapbox gets a "SOAPBOX: " line of its own in the file.
  h.soapbox = ReplaceAll(ReplaceAll(h.soapbox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
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
