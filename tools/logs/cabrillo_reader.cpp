// Cabrillo: "TAG: value" lines. A QSO line holds, by position: frequency (kHz), mode, date,
// time, own call, the sent exchange, the worked call, the received exchange, and in multi-
// transmitter logs a transmitter number. Both exchanges start with the RST. In a log of
// this contest the sent exchange is RST and number, and the area code for a UK/EI station
// (001 LN, or 001LN in one field); in a log of another contest both exchanges have the
// same width, which the number of fields gives. The worked call is taken as logged, even
// when it does not look like a call: a busted call is still a QSO of the log.

#include "tools/logs/cabrillo_reader.h"

#include <optional>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/memory_prefault.h"
#include "tools/logs/log_fields.h"
#include "tools/logs/log_record.h"
#include "tools/logs/text_lines.h"

namespace {

using Words = std::vector<std::string_view>;

// Where a log of this contest has no area code ("001 --", as the plug-in writes for a
// station outside UK/EI).
constexpr std::string_view kNoAreaCode = "--";

Words SplitWords(std::string_view text) {
  Words words;
  size_t start = 0;
  while ((start = text.find_first_not_of(" \t", start)) != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(" \t", start), text.size());
    words.push_back(text.substr(start, end - start));
    start = end;
  }
  return words;
}

// The words from `first` to `last`, without the "--" that stands for no area code.
std::string Exchange(const Words& words, size_t first, size_t last) {
  std::string text;
  for (size_t i = first; i < last; ++i) {
    if (words[i] == kNoAreaCode) continue;
    if (!text.empty()) text += ' ';
    text.append(words[i]);
  }
  return text;
}

bool IsLetters(std::string_view word) {
  for (const char c : word) {
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

constexpr size_t kOwnCall = 4;  // after frequency, mode, date and time

// Where the worked call stands and where the received exchange ends.
struct Layout {
  size_t call;
  size_t receivedEnd;
};

// In this contest: RST, number and, for a UK/EI station, the area code, unless the number
// carries it (001LN) or the station sent none, or "--" in its place; a lone digit after at
// least RST and number received is the transmitter number.
Layout LayoutOfThisContest(const Words& words, bool sendsAreaCode) {
  size_t call = kOwnCall + 3;
  if (call < words.size() &&
      (words[call] == kNoAreaCode ||
       (sendsAreaCode && words[call].size() == 2 && IsLetters(words[call])))) {
    ++call;
  }
  size_t end = words.size();
  if (end >= call + 4 && words[end - 1].size() == 1 && words[end - 1][0] >= '0' &&
      words[end - 1][0] <= '9') {
    --end;
  }
  return {call, end};
}

// In another contest: sent and received exchanges of the same width; an odd count of
// fields means a transmitter column.
Layout LayoutOfOtherContest(const Words& words) {
  const size_t exchanges = words.size() - kOwnCall - 2 - words.size() % 2;
  return {kOwnCall + 1 + exchanges / 2, words.size() - words.size() % 2};
}

std::optional<LogQso> QsoOfLine(const Words& words, int line, bool thisContest,
                                const SendsAreaCode& sendsAreaCode, LogProblem& problem) {
  problem.line = line;
  // Frequency, mode, date, time, own call, RST and number sent, call, RST and number received.
  constexpr size_t kLeastFields = kOwnCall + 6;
  if (words.size() < kLeastFields) {
    problem.what = kShortQsoLine;
    problem.detail = std::to_string(words.size()) + " fields, at least " +
                     std::to_string(kLeastFields) + " expected";
    return std::nullopt;
  }
  LogQso qso;
  qso.line = line;
  const std::optional<unsigned> hz = FrequencyHz(words[0], 1000);
  qso.band = hz ? BandOfFrequency(*hz) : std::string();
  if (!qso.band.empty()) {
    qso.frequencyHz = *hz;
  } else {
    // A band designator in MHz ("3.5", "14", "50") instead of a frequency in kHz.
    qso.band = BandOfDesignator(words[0]);
    qso.frequencyHz = BandLowerEdgeHz(qso.band);
    qso.frequencyFromBand = true;
  }
  if (qso.band.empty()) {
    problem.what = kNoFrequency;
    problem.detail = "frequency '" + std::string(words[0]) + "' (kHz expected)";
    return std::nullopt;
  }

  const std::string mode = UpperAscii(words[1]);
  qso.mode = mode == "PH" ? "SSB" : mode;

  const std::string_view date = words[2];
  const std::string_view time = words[3];
  std::optional<OleDate> when;
  if (date.size() == 10 && date[4] == '-' && date[7] == '-' && time.size() == 4) {
    when = QsoTime(DigitsValue(date.substr(0, 4)), DigitsValue(date.substr(5, 2)),
                   DigitsValue(date.substr(8, 2)), DigitsValue(time.substr(0, 2)),
                   DigitsValue(time.substr(2, 2)), 0);
  }
  if (!when) {
    problem.what = kNoDateAndTime;
    problem.detail = "'" + std::string(date) + " " + std::string(time) + "'";
    return std::nullopt;
  }
  qso.time = *when;

  qso.ownCall = UpperAscii(words[kOwnCall]);
  const Layout layout = thisContest ? LayoutOfThisContest(words, sendsAreaCode(qso.ownCall))
                                    : LayoutOfOtherContest(words);
  if (layout.receivedEnd < layout.call + 3) {
    problem.what = kShortQsoLine;
    problem.detail = "no RST and number after the worked call";
    return std::nullopt;
  }
  if (DigitsValue(words[layout.call]) >= 0) {  // an RST or a number: the call is missing
    problem.what = kNoCall;
    problem.detail = "'" + std::string(words[layout.call]) + "' stands in its place";
    return std::nullopt;
  }
  qso.rstSent = std::string(words[kOwnCall + 1]);
  qso.sentExchange = Exchange(words, kOwnCall + 2, layout.call);
  qso.call = UpperAscii(words[layout.call]);
  qso.rstReceived = std::string(words[layout.call + 1]);
  qso.receivedExchange = Exchange(words, layout.call + 2, layout.receivedEnd);
  return qso;
}

}  // namespace

LogFile ReadCabrillo(std::string_view text, const SendsAreaCode& sendsAreaCode) {
  LogFile log;
  // QSO lines are read once the header has named the contest.
  std::vector<std::pair<int, std::string_view>> qsoLines;
  int line = 0;
  int logsStarted = 0;
  int endOfLog = 0;  // the line of END-OF-LOG:
  int qsoLinesAfterEnd = 0;
  int firstQsoLineAfterEnd = 0;
  for (size_t start = 0; start < text.size();) {
    const std::string_view content = TrimBlanks(NextLine(text, start));
    ++line;
    const size_t colon = content.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string tag = UpperAscii(TrimBlanks(content.substr(0, colon)));
    const std::string_view value = TrimBlanks(content.substr(colon + 1));
    if (tag == "START-OF-LOG" && ++logsStarted > 1) {
      // A file holding two logs: the first ends here.
      int notRead = 0;
      for (size_t rest = start; rest < text.size();) {
        const std::string_view later = TrimBlanks(NextLine(text, rest));
        notRead += later.size() >= 4 && EqualNoCase(later.substr(0, 4), "QSO:") ? 1 : 0;
      }
      log.warnings.push_back(
          {line, "a second log starts here: " + Counted(notRead, "QSO line") + " of it not read"});
      break;
    }
    if (tag == "END-OF-LOG") {
      if (endOfLog == 0) endOfLog = line;
    } else if (tag == "QSO") {
      if (endOfLog > 0 && qsoLinesAfterEnd++ == 0) firstQsoLineAfterEnd = line;
      qsoLines.emplace_back(line, value);
    } else if (endOfLog > 0) {
      continue;  // the header is over
    } else if (tag != "START-OF-LOG" && tag != "X-QSO" && tag != "QTC") {
      if (tag == "CALLSIGN") log.ownCall = UpperAscii(value);
      if (tag == "CONTEST") log.contest = std::string(value);
      log.header.emplace_back(tag, value);
    }
  }
  if (qsoLinesAfterEnd > 0) {
    log.warnings.push_back(
        {firstQsoLineAfterEnd, Counted(qsoLinesAfterEnd, "QSO line") +
                                   " (the first here) stood after END-OF-LOG: read all the "
                                   "same"});
  }
  const bool thisContest = log.contest.empty() || NamesThisContest(log.contest);
  ReserveBacked(log.qsos, qsoLines.size());
  for (const auto& [number, value] : qsoLines) {
    LogProblem problem;
    if (std::optional<LogQso> qso =
            QsoOfLine(SplitWords(value), number, thisContest, sendsAreaCode, problem)) {
      log.qsos.push_back(std::move(*qso));
    } else {
      log.problems.push_back(std::move(problem));
    }
  }
  return log;
}
