#include "reports/cabrillo_log.h"

#include "platform/ascii_text.h"
#include "platform/file_replace.h"
#include "platform/text_format.h"
#include "reports/cabrillo_header_fields.h"

namespace {

// The version of the host program found in its folder; empty when there is none or its
// version resource cannot be read.
std::string HostVersion(const std::string& hostFolder) {
  const std::optional<std::string> program = FindHostProgram(hostFolder);
  if (!program) return {};
  const std::optional<FileVersion> version = ReadFileVersion(*program);
  return version ? VersionText(*version) : std::string();
}

// No text of the host or the operator can end the line early or add one.
void AppendLine(std::string& text, std::string_view tag, const std::string& value) {
  text.append(tag).append(BlankControls(value)).append("\r\n");
}

// The soapbox in its output form: a "SOAPBOX: " line for each of its lines.
void AppendSoapbox(std::string& text, const std::string& soapbox) {
  const std::string lineStart = HeaderLineStart(&CabrilloDialogFields::soapbox);
  const std::string lineBreak = "\r\n" + lineStart;
  size_t start = 0;
  for (size_t found = soapbox.find(lineBreak); found != std::string::npos;
       found = soapbox.find(lineBreak, start)) {
    AppendLine(text, lineStart, soapbox.substr(start, found - start));
    start = found + lineBreak.size();
  }
  AppendLine(text, lineStart, soapbox.substr(start));
}

}  // namespace

const char* CabrilloMode(std::string_view loggedMode) {
  if (EqualNoCase(loggedMode, "CW")) return "CW";
  if (EqualNoCase(loggedMode, "SSB")) return "PH";
  return "??";
}

std::string VersionText(const FileVersion& version) {
  const unsigned major = version.mostSignificant >> 16;
  const unsigned minor = version.mostSignificant & 0xFFFFu;
  const unsigned build = version.leastSignificant >> 16;
  std::string text;
  if (major == 2) {
    AppendFormat(text, "%u.%u", major, minor);
  } else {
    AppendFormat(text, "%u.%u.%u", major, minor, build);
  }
  return text;
}

void CabrilloLog::AddQsoLine(const std::string& call, int frequencyKhz, const char* mode,
                             const OleDate& time, const std::string& exchangeSent,
                             const std::string& exchangeReceived, bool cwLeg) {
  const std::string date = FormatDate(time, "%Y-%m-%d %H%M");
  const std::string given = BlankControls(exchangeReceived);
  const std::string received =
      given.size() == 4 ? "0" + given.substr(0, 1) + " " + given.substr(2) : given;
  std::string line;
  AppendFormat(line,
               cwLeg ? "QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n"
                     : "QSO: %5i %2s %s %-13s 59  %-5s  %-12s 59  %s\r\n",
               frequencyKhz, mode, date.c_str(), BlankControls(header.callsign).c_str(),
               BlankControls(exchangeSent).c_str(), BlankControls(call).c_str(), received.c_str());
  qsoLines.push_back(std::move(line));
}

std::string CabrilloLog::WriteLogFile(bool cwLeg, long long claimedScore,
                                      const std::string& hostFolder) const {
  using F = CabrilloDialogFields;
  std::string text = "START-OF-LOG: 3.0\r\n";
  const auto append = [&](std::string F::*field) {
    AppendLine(text, HeaderLineStart(field), header.*field);
  };
  append(&F::callsign);
  // The contest is the leg's, whatever the dialog showed.
  const CabrilloHeaderField& contest = HeaderField(&F::contest);
  AppendLine(text, HeaderLineStart(&F::contest), cwLeg ? contest.cwDefault : contest.ssbDefault);
  for (const auto field : {&F::categoryOperator, &F::categoryAssisted, &F::categoryBand,
                           &F::categoryMode, &F::categoryPower, &F::categoryTime}) {
    append(field);
  }
  AppendLine(text, HeaderLineStart(&F::claimed), std::to_string(claimedScore));
  append(&F::club);
  AppendLine(text, "CREATED-BY: Qorv ", HostVersion(hostFolder));
  for (const auto field :
       {&F::location, &F::email, &F::name, &F::address, &F::addressCity, &F::addressStateProvince,
        &F::addressPostalCode, &F::addressCountry, &F::operators}) {
    append(field);
  }
  AppendSoapbox(text, header.soapbox);
  size_t qsoBytes = 0;
  for (const std::string& line : qsoLines) qsoBytes += line.size();
  text.reserve(text.size() + qsoBytes + 16);  // the QSO lines and the end: no copy as it grows
  for (const std::string& line : qsoLines) text += line;
  text += "END-OF-LOG:\r\n";

  const std::string fileName = CabrilloFileName(fileBaseName);
  // The operator must not send in a log that was never written; an earlier log stays
  // whole when this one cannot be.
  return (ReplaceFileWhole(fileName, text) ? "File produced: " : "File not produced: ") + fileName;
}

std::string CabrilloFileName(std::string_view fileBaseName) {
  return std::string(fileBaseName) + ".cbr";
}
