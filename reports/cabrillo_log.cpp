#include "reports/cabrillo_log.h"

#include <cstdio>

#include "platform/ascii_text.h"
#include "reports/text_format.h"

namespace {

// The version of the host program found in its folder; empty when there is none or its
// version resource cannot be read.
std::string HostVersion(const std::string& hostFolder) {
  const std::optional<std::string> program = FindHostProgram(hostFolder);
  if (!program) return {};
  const std::optional<FileVersion> version = ReadFileVersion(*program);
  return version ? VersionText(*version) : std::string();
}

void AppendLine(std::string& text, const char* tag, const std::string& value) {
  text.append(tag).append(value).append("\r\n");
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
  const std::string received = exchangeReceived.size() == 4 ? "0" + exchangeReceived.substr(0, 1) +
                                                                  " " + exchangeReceived.substr(2)
                                                            : exchangeReceived;
  std::string line;
  AppendFormat(line,
               cwLeg ? "QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n"
                     : "QSO: %5i %2s %s %-13s 59  %-5s  %-12s 59  %s\r\n",
               frequencyKhz, mode, date.c_str(), header.callsign.c_str(), exchangeSent.c_str(),
               call.c_str(), received.c_str());
  qsoLines.push_back(std::move(line));
}

std::string CabrilloLog::WriteLogFile(bool cwLeg, long long claimedScore,
                                      const std::string& hostFolder) const {
  std::string text = "START-OF-LOG: 3.0\r\n";
  AppendLine(text, "CALLSIGN: ", header.callsign);
  AppendLine(text, "CONTEST: ", cwLeg ? "UKEIDXCW" : "UKEIDXSSB");
  AppendLine(text, "CATEGORY-OPERATOR: ", header.categoryOperator);
  AppendLine(text, "CATEGORY-ASSISTED: ", header.categoryAssisted);
  AppendLine(text, "CATEGORY-BAND: ", header.categoryBand);
  AppendLine(text, "CATEGORY-MODE: ", header.categoryMode);
  AppendLine(text, "CATEGORY-POWER: ", header.categoryPower);
  AppendLine(text, "CATEGORY-TIME: ", header.categoryTime);
  AppendLine(text, "CLAIMED-SCORE: ", std::to_string(claimedScore));
  AppendLine(text, "CLUB: ", header.club);
  AppendLine(text, "CREATED-BY: Qorv ", HostVersion(hostFolder));
  AppendLine(text, "LOCATION: ", header.location);
  AppendLine(text, "EMAIL: ", header.email);
  AppendLine(text, "NAME: ", header.name);
  AppendLine(text, "ADDRESS: ", header.address);
  AppendLine(text, "ADDRESS-CITY: ", header.addressCity);
  AppendLine(text, "ADDRESS-STATE-PROVINCE: ", header.addressStateProvince);
  AppendLine(text, "ADDRESS-POSTALCODE: ", header.addressPostalCode);
  AppendLine(text, "ADDRESS-COUNTRY: ", header.addressCountry);
  AppendLine(text, "OPERATORS: ", header.operators);
  AppendLine(text, "SOAPBOX: ", header.soapbox);
  for (const std::string& line : qsoLines) text += line;
  text += "END-OF-LOG:\r\n";

  const std::string fileName = fileBaseName + ".cbr";
  // Binary mode: the lines already end in CR LF and must not be translated.
  bool written = false;
  if (std::FILE* file = std::fopen(fileName.c_str(), "wb")) {
    written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fclose(file) == 0 && written;
  }
  // The operator must not send in a log that was never written.
  return (written ? "File produced: " : "File not produced: ") + fileName;
}
