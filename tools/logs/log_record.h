#pragma once
// What the log readers make of an ADIF or a Cabrillo file: the QSOs in log order, as the
// host would hand them to the plug-in, and the records that could not be read.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
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
  // The area text that the log keeps apart from the received number (the letters of ADIF
  // SRX_STRING, valid or not, or else a UK/EI area code in STATE or CNTY); it belongs to the
  // exchange only when the worked station is a UK/EI one.
  std::string receivedArea;
};

struct LogProblem {
  LogProblem() = default;
  LogProblem(int line, std::string what, std::string detail = {})
      : line(line), what(std::move(what)), detail(std::move(detail)) {}
  int line = 0;
  std::string what;    // the reason, worded alike for every record of its kind, ADIF or Cabrillo
  std::string detail;  // what this record holds that gives the reason; may be empty
};

// Why a record is skipped, the same words for ADIF and Cabrillo.
inline constexpr const char* kNoCall = "no worked call";
inline constexpr const char* kNoDateAndTime = "no valid date and time";
inline constexpr const char* kNoFrequency = "no usable frequency or band";
inline constexpr const char* kShortQsoLine = "QSO line too short";
inline constexpr const char* kBrokenRecord = "broken ADIF record";

// At most about 60 characters of a text of the log, "..." marking the cut: a message
// quotes no more of a malformed record.
std::string Excerpt(std::string_view text);

// How often one reason came up, and on which lines.
struct ReasonCount {
  ReasonCount(std::string what) : what(std::move(what)) {}  // NOLINT: a reason is its words
  std::string what;
  int count = 0;
  std::vector<int> lines;  // every one, in the order they came up
  std::string firstDetail;
  void Add(int line, const std::string& detail = {}) {
    if (count++ == 0) firstDetail = Excerpt(detail);
    lines.push_back(line);
  }
};

// A count and what it counts, in agreement: "1 QSO", "2 QSOs", "0 area warnings".
std::string Counted(int count, std::string_view noun);

// One count per reason, in the order the reasons first came up.
std::vector<ReasonCount> CountReasons(const std::vector<LogProblem>& problems);

struct LogFile {
  std::string ownCall;  // Cabrillo CALLSIGN:, ADIF STATION_CALLSIGN or OPERATOR
  std::string contest;  // Cabrillo CONTEST:, the first ADIF CONTEST_ID; empty when not named
  // A Cabrillo log's header lines before END-OF-LOG:, in file order: the tag upper-cased
  // ("CATEGORY-POWER", "SOAPBOX" once per line), the value without surrounding blanks. QSO
  // lines and the log's start and end are not in it; an ADIF log has none.
  std::vector<std::pair<std::string, std::string>> header;
  std::vector<LogQso> qsos;
  std::vector<LogProblem> problems;  // records skipped, in file order
  std::vector<LogProblem> warnings;  // about records read all the same; line 0: the whole file
};

class LogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether an own call is a UK/EI station's, which sends its area code with every number:
// the sent exchange of a Cabrillo QSO line of this contest is one field wider.
using SendsAreaCode = std::function<bool(std::string_view ownCall)>;

// Whether a contest name of a log names the UK/EI DX Contest as loggers write it
// ("UKEIDXCW", "UKEI-DX", "UK/EI DX", "UKEI", "UKEICC-DX").
bool NamesThisContest(std::string_view contest);
