// Cabrillo: "TAG: value" lines. A QSO line holds frequency (kHz), mode, date, time, own
// call, RST and exchange sent, worked call, RST and exchange received, and in multi-
// transmitter logs a transmitter number at the end. Exchanges have one or two words
// ("001", "001 LN", "001LN"), so the worked call is found as the first word after the sent
// exchange that looks like a call sign.

#include <optional>
#include <vector>

#include "platform/ascii_text.h"
#include "tools/log_fields.h"
#include "tools/log_file.h"

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while ((start = text.find_first_not_of(" \t", start)) != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(" \t", start), text.size());
    words.push_back(text.substr(start, end - start));
    start = end;
  }
  return words;
}

std::string Joined(const std::vector<std::string_view>& words, size_t first, size_t last) {
  std::string text;
  for (size_t i = first; i < last; ++i) {
    if (!text.empty()) text += ' ';
    text.append(words[i]);
  }
  return text;
}

// A call sign has a digit after a letter (G4ABC, 2E0ABC); an exchange does not (001, LN,
// 012LN).
bool LooksLikeCall(std::string_view word) {
  for (size_t i = 1; i < word.size(); ++i) {
    if (IsDigit(word[i]) && IsLetter(word[i - 1])) return true;
  }
  return false;
}

std::optional<LogQso> QsoOfLine(std::string_view value, int line, std::string& why) {
  const std::vector<std::string_view> words = Words(value);
  // frequency, mode, date, time, own call, RST, sent, call, RST, received
  if (words.size() < 10) {
    why = "QSO line with " + std::to_string(words.size()) + " fields, at least 10 expected";
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

  qso.ownCall = UpperAscii(words[4]);
  qso.rstSent = std::string(words[5]);
  size_t call = 7;
  while (call + 2 < words.size() && !LooksLikeCall(words[call])) ++call;
  if (!LooksLikeCall(words[call])) {
    why = "QSO line without the worked call";
    return std::nullopt;
  }
  qso.sentExchange = Joined(words, 6, call);
  qso.call = UpperAscii(words[call]);
  qso.rstReceived = std::string(words[call + 1]);
  size_t end = words.size();
  // A lone digit after a received exchange is the transmitter number.
  if (end - (call + 2) >= 2 && words[end - 1].size() == 1 && IsDigit(words[end - 1][0])) --end;
  qso.receivedExchange = Joined(words, call + 2, end);
  return qso;
}

}  // namespace

LogFile ReadCabrillo(std::string_view text) {
  LogFile log;
  int line = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view content = TrimBlanks(text.substr(start, end - start));
    start = end + 1;
    ++line;
    const size_t colon = content.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string tag = UpperAscii(TrimBlanks(content.substr(0, colon)));
    const std::string_view value = TrimBlanks(content.substr(colon + 1));
    if (tag == "END-OF-LOG") break;
    if (tag == "CALLSIGN") {
      log.ownCall = UpperAscii(value);
    } else if (tag == "QSO") {
      std::string why;
      if (std::optional<LogQso> qso = QsoOfLine(value, line, why)) {
        log.qsos.push_back(std::move(*qso));
      } else {
        log.problems.push_back({line, why});
      }
    }
  }
  return log;
}
