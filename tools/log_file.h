#pragma once
// A contest log read from an ADIF or a Cabrillo file: the QSOs in log order, as the host
// would hand them to the plug-in, and the records that could not be read.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ole_date.h"

struct LogQso {
  int line = 0;         // where the record starts in the file
  std::string ownCall;  // as logged with the QSO; may be empty
  std::string call;
  OleDate time;
  unsigned frequencyHz = 0;
  bool frequencyFromBand = false;  // the log gave no usable frequency: the band's lower edge
  std::string band;                // "20m"
  std::string mode;                // "CW", "SSB", or as logged
  std::string rstSent, rstReceived;
  std::string sentExchange;      // as logged: "001", "001 LN"
  std::string receivedExchange;  // as logged: "012", "012 LN", "12LN"
  // A UK/EI area code that the log keeps apart from the received exchange (ADIF STATE or
  // CNTY); it belongs to the exchange only when the worked station is a UK/EI one.
  std::string receivedArea;
};

struct LogProblem {
  int line;
  std::string what;
};

struct LogFile {
  std::string ownCall;  // Cabrillo CALLSIGN:, ADIF STATION_CALLSIGN or OPERATOR
  std::string contest;  // Cabrillo CONTEST:, the first ADIF CONTEST_ID; empty when not named
  std::vector<LogQso> qsos;
  std::vector<LogProblem> problems;  // records skipped, in file order
};

class LogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether an own call is a UK/EI station's, which sends its area code with every number:
// the sent exchange of a Cabrillo QSO line of this contest is one field wider.
using SendsAreaCode = std::function<bool(std::string_view ownCall)>;

// Reads an ADIF or a Cabrillo log, told apart by content; throws LogError for anything else.
LogFile ReadLog(std::string_view text, const SendsAreaCode& sendsAreaCode);
LogFile ReadAdif(std::string_view text);
LogFile ReadCabrillo(std::string_view text, const SendsAreaCode& sendsAreaCode);

// Whether a contest name of a log names the UK/EI DX Contest ("UKEIDXCW", "UKEI-DX",
// "UK/EI DX").
bool NamesThisContest(std::string_view contest);
