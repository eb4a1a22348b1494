// Cabrillo: "TAG: value" lines. A QSO line holds, by position: frequency (kHz), mode, date,
// time, own call, the sent exchange, the worked call, the received exchange, and in multi-
// transmitter logs a transmitter number. Both exchanges start with the RST. In a log of
// this contest the sent exchange is RST and number, and the area code for a UK/EI station
// (001 LN, or 001LN in one field); in a log of another contest both exchanges have the
// same width, which the number of fields gives. The worked call is taken as logged, even
// when it does not look like a call: a busted call is still a QSO of the log.

#include <optional>
#include <vector>

#include "platform/ascii_text.h"
#include "tools/log_fields.h"
#include "tools/log_file.h"
#include "tools/text_lines.h"

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
                                const SendsAreaCode& sendsAreaCode, std::string& why) {
  // Frequency, mode, date, time, own call, RST and number sent, call, RST and number received.
  constexpr size_t kLeastFields = kOwnCall + 6;
  if (words.size() < kLeastFields) {
    why = "QSO line with " + std::to_string(words.size()) + " fields, at least " +
          std::to_string(kLeastFields) + " expected";
    return std::nullopt;
  }
  LogQso qso;
  qso.line = line;
  const std::optional<unsigned> hz = FrequencyHz(words[0], 1000);
  qso.band = hz ? BandOfFrequency(*hz) : std::string();
  if (qso.band.empty()) {
    why = "frequency '" + std::string(words[0]) + "' is in no amateur band (kHz expected)";
    return std::nullopt;
  }
  qso.frequencyHz = *hz;

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
    why = "'" + std::string(date) + " " + std::string(time) + "' is no date and time";
    return std::nullopt;
  }
  qso.time = *when;

  qso.ownCall = UpperAscii(words[kOwnCall]);
  const Layout layout = thisContest ? LayoutOfThisContest(words, sendsAreaCode(qso.ownCall))
                                    : LayoutOfOtherContest(words);
  if (layout.receivedEnd < layout.call + 3) {
    why = "QSO line without RST and number after the worked call";
    return std::nullopt;
  }
  if (DigitsValue(words[layout.call]) >= 0) {  // an RST or a number: the call is missing
    why = "QSO line without the worked call: '" + std::string(words[layout.call]) +
          "' stands in its place";
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
  for (size_t start = 0; start < text.size();) {
    const std::string_view content = TrimBlanks(NextLine(text, start));
    ++line;
    const size_t colon = content.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string tag = UpperAscii(TrimBlanks(content.substr(0, colon)));
    const std::string_view value = TrimBlanks(content.substr(colon + 1));
    if (tag == "END-OF-LOG") break;
    if (tag == "CALLSIGN") {
      log.ownCall = UpperAscii(value);
    } else if (tag == "CONTEST") {
      log.contest = std::string(value);
    } else if (tag == "QSO") {
      qsoLines.emplace_back(line, value);
    }
  }
  const bool thisContest = log.contest.empty() || NamesThisContest(log.contest);
  log.qsos.reserve(qsoLines.size());
  for (const auto& [number, value] : qsoLines) {
    std::string why;
    if (std::optional<LogQso> qso =
            QsoOfLine(SplitWords(value), number, thisContest, sendsAreaCode, why)) {
      log.qsos.push_back(std::move(*qso));
    } else {
      log.problems.push_back({number, why});
    }
  }
  return log;
}
