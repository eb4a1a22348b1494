#pragma once
// The Cabrillo 3.0 log for submission: the header the operator confirmed in the header
// dialog, the QSO lines the report collects, and the file written from both.

#include <string>
#include <string_view>
#include <vector>

#include "platform/host_version.h"
#include "platform/ole_date.h"
#include "reports/cabrillo_header_fields.h"

class CabrilloLog {
 public:
  // The header as the dialog showed it and the operator confirmed it. `soapbox` is in its
  // output form: every line break of the operator's text is "\r\nSOAPBOX: ".
  CabrilloDialogFields header;
  std::string fileBaseName;  // the file is "<fileBaseName>.cbr" in the current folder
  std::vector<std::string> qsoLines;
  OleDate contestStart, contestEnd;

  // Formats one QSO line of the leg and appends it to qsoLines. A received exchange of
  // exactly four characters ("7 AB") is written in the three-digit form ("07 AB").
  void AddQsoLine(const std::string& call, int frequencyKhz, const char* mode, const OleDate& time,
                  const std::string& exchangeSent, const std::string& exchangeReceived, bool cwLeg);

  // Writes the file, replacing an earlier one only once it is whole, and returns the text
  // for the operator. A file that cannot be written gives "File not produced: " and its
  // name. Control characters of any text are written as blanks.
  std::string WriteLogFile(bool cwLeg, long long claimedScore, const std::string& hostFolder) const;
};

// "<fileBaseName>.cbr": the name of the Cabrillo file (FileBaseName makes the base).
std::string CabrilloFileName(std::string_view fileBaseName);

// The Cabrillo mode of a logged mode: "CW", "PH" for SSB (either in any letter case), else "??".
const char* CabrilloMode(std::string_view loggedMode);

// "2.5" for a major version of 2, else major.minor.build ("3.1.5").
std::string VersionText(const FileVersion& version);
