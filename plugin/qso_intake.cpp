// AddData0: takes one QSO into the log, or refuses it; every refusal and warning becomes a
// problem line of the statistics text file.

#include <algorithm>

#include "platform/ascii_text.h"
#include "plugin/contest_log.h"
#include "reports/stats_file.h"

namespace {

std::string Joined(std::string_view a, std::string_view b) {
  std::string text;
  text.reserve(a.size() + b.size());
  return text.append(a).append(b);
}

// Received exchange of a UK/EI station: serial number and area code. The number is padded
// to three digits where the length allows it, with a blank before the area code.
std::string NormalUkEiExchange(std::string_view exchange, const std::string& upper) {
  if (exchange.find(' ') != std::string_view::npos) {
    // Typed apart: kept as passed, only the number padded.
    const char* padding = exchange.size() == 4 ? "00" : exchange.size() == 5 ? "0" : "";
    return Joined(padding, exchange);
  }
  const size_t length = upper.size();
  const std::string number = length >= 3 ? upper.substr(0, length - 2) : std::string();
  const std::string area = LastTwo(upper);
  const char* padding = length == 3 ? "00" : length == 4 ? "0" : "";
  return Joined(padding, number) + " " + area;
}

std::string NormalDxExchange(std::string_view exchange) {
  const char* padding = exchange.size() == 1 ? "00" : exchange.size() == 2 ? "0" : "";
  return Joined(padding, exchange) + " --";
}

// A UK/EI station's exchange of digits alone is a serial number sent without an area code;
// reading its last two digits as the area would lose them and leave the Cabrillo line one
// field short.
bool IsSerialWithoutArea(std::string_view exchange) {
  return !exchange.empty() &&
         std::all_of(exchange.begin(), exchange.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

int TakeQso(const QsoArgs& qso) {
  MutexLock guard(contest.lock);
  ContestLog& log = contest.log;
  const ProblemQso problem{qso.frequencyHz, qso.mode, qso.time,        qso.ownCall, qso.rstSent,
                           qso.sentNumber,  qso.call, qso.rstReceived, qso.exchange};
  ProblemLineWriter problems(contest.station.statsFileName);

  if (std::find(log.bandsSeen.begin(), log.bandsSeen.end(), qso.band) == log.bandsSeen.end()) {
    log.bandsSeen.emplace_back(qso.band);
  }
  if (qso.exchange.empty() || qso.sentNumber.empty()) {
    problems.Write(problem, "   NO TX or RX NUMBER !!!");
    return 0;
  }
  if (!bandRules.ContainsNoCase(qso.band)) {
    problems.Write(problem, "   NO CONTEST BAND !!!");
    return 0;
  }
  if (!modeRules.ContainsNoCase(qso.mode)) {
    problems.Write(problem, "   NO CONTEST MODE !!!");
    return 0;
  }

  CInfo record;
  record.call = qso.call;
  record.band = qso.band;
  record.mode = qso.mode;
  record.continent = qso.continent;
  record.rstReceived = qso.rstReceived;
  record.rstSent = qso.rstSent;
  record.time = qso.time;

  // White space around the exchange is no part of it.
  const std::string_view exchange = TrimBlanks(qso.exchange);
  if (IsUkEiPrefix(qso.prefix)) {
    const std::string upper = UpperAscii(exchange);
    const std::string area = LastTwo(upper);
    if (IsValidAreaCode(area)) {
      record.areaCode = area;
    } else {
      problems.Write(problem, "  UK/EI Code Area is not acceptable !!!", &upper);
    }
    record.exchangeReceived = IsSerialWithoutArea(exchange) ? NormalDxExchange(exchange)
                                                            : NormalUkEiExchange(exchange, upper);
  } else {
    record.exchangeReceived = NormalDxExchange(exchange);
  }
  record.exchangeSent = Joined(
      qso.sentNumber, contest.station.isUkEiStation ? " " + contest.station.ownAreaCode : " --");
  record.prefix = qso.prefix;
  record.frequencyKhz = static_cast<int>(qso.frequencyHz / 1000);

  const int earlier = log.qsoList.Append(std::move(record));
  for (int i = 0; i < earlier; ++i) problems.Write(problem, "   DUPE !!!");
  return 1;
}
