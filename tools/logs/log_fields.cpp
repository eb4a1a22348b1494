#include "tools/logs/log_fields.h"

#include <array>
#include <limits>
#include <utility>

#include "platform/ascii_text.h"

namespace {

struct Band {
  unsigned lowKhz, highKhz;
  const char* name;
};

// The widest edges any IARU region allows.
constexpr std::array<Band, 18> kBands = {{{1800, 2000, "160m"},
                                          {3500, 4000, "80m"},
                                          {5060, 5450, "60m"},
                                          {7000, 7300, "40m"},
                                          {10100, 10150, "30m"},
                                          {14000, 14350, "20m"},
                                          {18068, 18168, "17m"},
                                          {21000, 21450, "15m"},
                                          {24890, 24990, "12m"},
                                          {28000, 29700, "10m"},
                                          {50000, 54000, "6m"},
                                          {70000, 71000, "4m"},
                                          {144000, 148000, "2m"},
                                          {222000, 225000, "1.25m"},
                                          {420000, 450000, "70cm"},
                                          {902000, 928000, "33cm"},
                                          {1240000, 1300000, "23cm"},
                                          {2300000, 2450000, "13cm"}}};

// The bands a Cabrillo log may name by their designator in MHz instead of a frequency.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kBandDesignators = {{
    {"1.8", "160m"},
    {"3.5", "80m"},
    {"7", "40m"},
    {"14", "20m"},
    {"21", "15m"},
    {"28", "10m"},
    {"50", "6m"},
    {"70", "4m"},
    {"144", "2m"},
    {"222", "1.25m"},
    {"432", "70cm"},
    {"902", "33cm"},
    {"1.2G", "23cm"},
    {"2.3G", "13cm"},
}};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "599", "579", "59", "5NN": a signal report in front of the number.
bool IsRst(std::string_view word) {
  if (word.size() < 2 || word.size() > 3 || word[0] < '1' || word[0] > '5') return false;
  for (const char c : word.substr(1)) {
    if (!IsDigit(c) && c != 'N' && c != 'n') return false;
  }
  return true;
}

}  // namespace

std::optional<unsigned> FrequencyHz(std::string_view text, unsigned unit) {
  unsigned long long whole = 0;
  unsigned long long fraction = 0;
  unsigned long long fractionUnit = unit;
  bool digits = false;
  bool point = false;
  for (const char c : text) {
    if ((c == '.' || c == ',') && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    digits = true;
    if (!point) {
      whole = whole * 10 + static_cast<unsigned>(c - '0');
      if (whole > std::numeric_limits<unsigned>::max()) return std::nullopt;
    } else if (fractionUnit >= 10) {  // finer than 1 Hz is dropped
      fractionUnit /= 10;
      fraction += fractionUnit * static_cast<unsigned>(c - '0');
    }
  }
  const unsigned long long hz = whole * unit + fraction;
  if (!digits || hz > std::numeric_limits<unsigned>::max()) return std::nullopt;
  return static_cast<unsigned>(hz);
}

std::optional<OleDate> QsoTime(int year, int month, int day, int hour, int minute, int second) {
  const CalendarTime wanted{year, month, day, hour, minute, second};
  if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
      minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  // A day past the month's end comes back as a day of the next month.
  const OleDate date = FromCalendar(wanted);
  const std::optional<CalendarTime> back = ToCalendar(date);
  if (!back || back->day != day || back->month != month) return std::nullopt;
  return date;
}

std::string BandOfFrequency(unsigned frequencyHz) {
  const unsigned khz = frequencyHz / 1000;
  for (const Band& band : kBands) {
    if (khz >= band.lowKhz && khz <= band.highKhz) return band.name;
  }
  return {};
}

unsigned BandLowerEdgeHz(std::string_view band) {
  for (const Band& known : kBands) {
    if (band == known.name) return known.lowKhz * 1000;
  }
  return 0;
}

std::string BandOfDesignator(std::string_view text) {
  for (const auto& [designator, band] : kBandDesignators) {
    if (text == designator) return std::string(band);
  }
  return {};
}

bool IsCallSign(std::string_view text) {
  bool letter = false;
  bool digit = false;
  for (const char c : text) {
    const bool isLetter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool isDigit = c >= '0' && c <= '9';
    if (!isLetter && !isDigit && c != '/') return false;
    letter |= isLetter;
    digit |= isDigit;
  }
  return letter && digit;
}

int LengthValue(std::string_view digits) {
  const size_t significant = digits.find_first_not_of('0');
  if (significant == std::string_view::npos) return digits.empty() ? -1 : 0;
  return DigitsValue(digits.substr(significant));
}

int DigitsValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 9) return -1;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<ExchangeParts> SplitExchange(std::string_view text) {
  text = TrimBlanks(text);
  const size_t blank = text.find(' ');
  if (blank != std::string_view::npos && IsRst(text.substr(0, blank))) {
    const std::string_view rest = TrimBlanks(text.substr(blank));
    if (!rest.empty() && IsDigit(rest[0])) text = rest;
  }
  size_t at = 0;
  while (at < text.size() && IsDigit(text[at])) ++at;
  ExchangeParts parts{std::string(text.substr(0, at)), {}};
  std::string_view rest = TrimBlanks(text.substr(at));
  if (at > 0 && !rest.empty() && (rest[0] == '/' || rest[0] == '-' || rest[0] == ',')) {
    rest = TrimBlanks(rest.substr(1));
    if (rest.empty()) return std::nullopt;
  }
  for (const char c : rest) {
    if (!IsLetter(c)) return std::nullopt;
  }
  parts.letters = UpperAscii(rest);
  return parts;
}
