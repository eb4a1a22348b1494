// ADIF: an optional header ending in <EOH>, then records of fields <NAME:LENGTH[:TYPE]>data,
// each record ending in <EOR>. Field names ignore case; the length counts bytes.

#include "tools/logs/adif_reader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ascii_text.h"
#include "contest/contest_rules.h"
#include "tools/logs/log_fields.h"
#include "tools/logs/log_record.h"
#include "tools/logs/text_lines.h"

namespace {

// The fields of one record: upper-case names, values as views of the log's text.
using Fields = std::vector<std::pair<std::string, std::string_view>>;

// Where a tag such as "<EOR>" stands, in any letter case, from `from` on.
size_t FindTag(std::string_view text, std::string_view tag, size_t from = 0) {
  for (size_t open = text.find('<', from); open != std::string_view::npos;
       open = text.find('<', open + 1)) {
    if (EqualNoCase(text.substr(open, tag.size()), tag)) return open;
  }
  return std::string_view::npos;
}

// The last value of the field (a record that repeats a field means its last word).
std::string Field(const Fields& fields, const char* name) {
  const auto found = std::find_if(fields.rbegin(), fields.rend(),
                                  [&](const auto& field) { return field.first == name; });
  return found == fields.rend() ? std::string() : std::string(TrimBlanks(found->second));
}

// The first non-empty of the named fields.
std::string FirstField(const Fields& fields, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    std::string value = Field(fields, name);
    if (!value.empty()) return value;
  }
  return {};
}

std::string BandField(const Fields& fields) {
  std::string band = Field(fields, "BAND");
  for (char& c : band) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return band;
}

// "SSB" is the mode; loggers that write the sideband there mean SSB as well.
std::string AdifMode(const Fields& fields) {
  const std::string mode = UpperAscii(Field(fields, "MODE"));
  return mode == "USB" || mode == "LSB" ? "SSB" : mode;
}

// FREQ is in MHz. When it is missing, in no amateur band (a frequency in kHz) or in
// another band than BAND says, the QSO takes the lower edge of its BAND, as a Cabrillo
// log gives a QSO of that band.
bool TakeFrequency(const Fields& fields, LogQso& qso, LogProblem& problem) {
  const std::string band = BandField(fields);
  const unsigned bandEdgeHz = BandLowerEdgeHz(band);
  const std::string frequency = Field(fields, "FREQ");
  const std::optional<unsigned> hz =
      frequency.empty() ? std::nullopt : FrequencyHz(frequency, 1000000);
  const std::string frequencyBand = hz ? BandOfFrequency(*hz) : std::string();
  if (!frequencyBand.empty() && (bandEdgeHz == 0 || frequencyBand == band)) {
    qso.frequencyHz = *hz;
    qso.band = frequencyBand;
    return true;
  }
  if (bandEdgeHz != 0) {
    qso.frequencyHz = bandEdgeHz;
    qso.band = band;
    qso.frequencyFromBand = true;
    return true;
  }
  problem.what = kNoFrequency;
  if (!band.empty()) {
    problem.detail = "BAND '" + band + "' is no band this tool knows";
  } else if (frequency.empty()) {
    problem.detail = "FREQ and BAND missing";
  } else {
    problem.detail = "FREQ '" + frequency + "' (MHz expected), BAND missing";
  }
  return false;
}

// One side's exchange: the serial number of STX or SRX where it holds one, else that of
// STX_STRING or SRX_STRING; the letters after the string's number (the area text, valid or
// not), or else those of the number field ("5CK"). Nothing when the string is no exchange
// of this contest.
std::optional<ExchangeParts> ExchangeOf(const Fields& fields, const char* numberName,
                                        const char* stringName) {
  std::optional<ExchangeParts> parts = SplitExchange(Field(fields, stringName));
  if (!parts) return std::nullopt;
  if (const std::optional<ExchangeParts> field = SplitExchange(Field(fields, numberName))) {
    if (!field->number.empty()) parts->number = field->number;
    if (parts->letters.empty()) parts->letters = field->letters;
  }
  return parts;
}

// The QSO of one record, or why it cannot be read.
std::optional<LogQso> QsoOfRecord(const Fields& fields, int line, LogProblem& problem) {
  LogQso qso;
  qso.line = line;
  qso.call = UpperAscii(Field(fields, "CALL"));
  if (qso.call.empty()) {
    problem = {line, kNoCall, "CALL missing"};
    return std::nullopt;
  }
  const std::string date = Field(fields, "QSO_DATE");
  const std::string time = Field(fields, "TIME_ON");
  if (date.empty() || time.empty()) {
    problem = {line, kNoDateAndTime, date.empty() ? "QSO_DATE missing" : "TIME_ON missing"};
    return std::nullopt;
  }
  std::optional<OleDate> when;
  if (date.size() == 8 && (time.size() == 4 || time.size() == 6)) {
    when = QsoTime(DigitsValue(date.substr(0, 4)), DigitsValue(date.substr(4, 2)),
                   DigitsValue(date.substr(6, 2)), DigitsValue(time.substr(0, 2)),
                   DigitsValue(time.substr(2, 2)),
                   time.size() == 6 ? DigitsValue(time.substr(4, 2)) : 0);
  }
  if (!when) {
    problem = {line, kNoDateAndTime, "QSO_DATE '" + date + "', TIME_ON '" + time + "'"};
    return std::nullopt;
  }
  qso.time = *when;

  problem.line = line;
  if (!TakeFrequency(fields, qso, problem)) return std::nullopt;

  // The station's call is the contestant; OPERATOR names who sat at the key.
  qso.ownCall = UpperAscii(FirstField(fields, {"STATION_CALLSIGN", "OPERATOR"}));
  qso.mode = AdifMode(fields);
  qso.rstSent = Field(fields, "RST_SENT");
  qso.rstReceived = Field(fields, "RST_RCVD");
  if (const std::optional<ExchangeParts> sent = ExchangeOf(fields, "STX", "STX_STRING")) {
    qso.sentExchange = sent->number;
    if (!sent->number.empty() && !sent->letters.empty()) qso.sentExchange += ' ';
    qso.sentExchange += sent->letters;
  } else {
    qso.sentExchange = FirstField(fields, {"STX_STRING", "STX"});
  }
  if (std::optional<ExchangeParts> received = ExchangeOf(fields, "SRX", "SRX_STRING")) {
    // The area text stays apart: it belongs to the exchange of a UK/EI station only.
    qso.receivedExchange = std::move(received->number);
    qso.receivedArea = std::move(received->letters);
    for (const char* name : {"STATE", "CNTY"}) {
      const std::string area = UpperAscii(Field(fields, name));
      if (qso.receivedArea.empty() && IsValidAreaCode(area)) qso.receivedArea = area;
    }
  } else {
    qso.receivedExchange = FirstField(fields, {"SRX_STRING", "SRX"});
  }
  return qso;
}

// The ADIF tag that starts the text ("<EOR>", "<CALL:5>", "<QSO_DATE:8:D>"), or empty when
// the text starts with something else, such as "<3" in a comment.
std::string_view AdifTagAt(std::string_view text) {
  size_t end = 1;
  const auto skip = [&](auto isPart) {
    const size_t from = end;
    while (end < text.size() && isPart(text[end])) ++end;
    return end > from;
  };
  const auto isNameCharacter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (!skip(isNameCharacter)) return {};
  if (end < text.size() && text[end] == ':') {
    ++end;
    if (!skip(isDigit)) return {};
    if (end < text.size() && text[end] == ':') {
      ++end;
      skip(isNameCharacter);
    }
  } else {
    const std::string name = UpperAscii(text.substr(1, end - 1));
    if (name != "EOR" && name != "EOH" && name != "EOF") return {};
  }
  return end < text.size() && text[end] == '>' ? text.substr(0, end + 1) : std::string_view();
}

class AdifParser {
 public:
  explicit AdifParser(std::string_view text) : text_(text) {}

  LogFile Read() {
    // Without <EOH> the records start at once.
    const size_t header = FindTag(text_, "<EOH>");
    if (header != std::string_view::npos) MoveTo(header + 5);
    size_t records = 0;
    for (size_t end = FindTag(text_, "<EOR>"); end != std::string_view::npos;
         end = FindTag(text_, "<EOR>", end + 1)) {
      ++records;
    }
    log_.qsos.reserve(records);
    while (true) {
      const size_t open = text_.find('<', position_);
      if (open == std::string_view::npos) break;
      MoveTo(open);
      const size_t close = text_.find('>', open);
      if (close == std::string_view::npos) {
        Problem(line_, "tag without its closing '>'");
        DropRecord();
        break;
      }
      if (!ReadTag(text_.substr(open + 1, close - open - 1), close + 1)) break;
    }
    if (!record_.empty() || broken_) Problem(recordLine_, "record without <EOR>");
    if (repairedFields_ > 0) {
      log_.warnings.push_back(
          {firstRepairLine_, Counted(repairedFields_, "field") +
                                 " (the first here) ran by their length into the next "
                                 "tag: each ended at that tag, and its record read"});
    }
    return std::move(log_);
  }

 private:
  // Takes one tag and its data; false when the file ends inside it.
  bool ReadTag(std::string_view tag, size_t dataStart) {
    const size_t colon = tag.find(':');
    const std::string name = UpperAscii(TrimBlanks(tag.substr(0, colon)));
    if (colon == std::string_view::npos) {
      MoveTo(dataStart);
      if (name == "EOR") {
        EndRecord();
      } else if (name == "EOF") {  // some programs mark the end of the file
        return false;
      } else if (name != "EOH") {
        Break("tag <" + std::string(tag) + "> has no length");
      }
      return true;
    }
    if (record_.empty() && !broken_) recordLine_ = line_;
    const std::string_view rest = tag.substr(colon + 1);
    const int length = LengthValue(TrimBlanks(rest.substr(0, rest.find(':'))));
    if (length < 0) {
      MoveTo(dataStart);
      Break("field " + name + " has no valid length");
      return true;
    }
    const size_t dataEnd = dataStart + static_cast<size_t>(length);
    if (!EndsField(dataEnd)) {
      // A length that reaches into a real tag would swallow the end of the record, and with
      // it the next record: the field ends at that tag instead.
      const std::string_view reach = text_.substr(dataStart, dataEnd - dataStart);
      for (size_t open = reach.find('<'); open != std::string_view::npos;
           open = reach.find('<', open + 1)) {
        if (AdifTagAt(text_.substr(dataStart + open)).empty()) continue;
        if (repairedFields_++ == 0) firstRepairLine_ = line_;
        record_.emplace_back(name, reach.substr(0, open));
        MoveTo(dataStart + open);
        return true;
      }
    }
    if (dataEnd > text_.size()) {
      Problem(line_, "field " + name + " runs past the end of the file");
      DropRecord();
      return false;
    }
    record_.emplace_back(name, text_.substr(dataStart, static_cast<size_t>(length)));
    MoveTo(dataEnd);
    return true;
  }

  // Whether a field's stated length ends it where the text allows: at the end, before
  // blank space or before a tag.
  bool EndsField(size_t end) const {
    if (end >= text_.size()) return end == text_.size();
    const char next = text_[end];
    if (next == ' ' || next == '\t' || next == '\r' || next == '\n') return true;
    return next == '<' && !AdifTagAt(text_.substr(end)).empty();
  }

  void EndRecord() {
    if (broken_) {
      Problem(recordLine_, brokenWhy_);
    } else if (!record_.empty()) {
      LogProblem problem;
      if (std::optional<LogQso> qso = QsoOfRecord(record_, recordLine_, problem)) {
        if (log_.ownCall.empty()) log_.ownCall = qso->ownCall;
        if (log_.contest.empty()) log_.contest = Field(record_, "CONTEST_ID");
        log_.qsos.push_back(std::move(*qso));
      } else {
        log_.problems.push_back(std::move(problem));
      }
    }
    DropRecord();
  }

  void DropRecord() {
    record_.clear();
    broken_ = false;
  }

  // The record cannot be read; the rest of it up to <EOR> is passed over.
  void Break(std::string why) {
    if (!broken_) {
      if (record_.empty()) recordLine_ = line_;
      brokenWhy_ = std::move(why);
    }
    broken_ = true;
  }

  void Problem(int line, std::string detail) {
    log_.problems.push_back({line, kBrokenRecord, std::move(detail)});
  }

  void MoveTo(size_t position) {
    line_ += LineEnds(text_, position_, position);
    position_ = position;
  }

  std::string_view text_;
  size_t position_ = 0;
  int line_ = 1;
  Fields record_;
  int recordLine_ = 0;
  bool broken_ = false;
  std::string brokenWhy_;
  int repairedFields_ = 0;
  int firstRepairLine_ = 0;
  LogFile log_;
};

}  // namespace

LogFile ReadAdif(std::string_view text) {
  return AdifParser(text).Read();
}
