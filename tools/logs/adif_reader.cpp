// ADIF: an optional header ending in <EOH>, then records of fields <NAME:LENGTH[:TYPE]>data,
// each record ending in <EOR>. Field names ignore case; the length counts bytes.

#include "tools/logs/adif_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "contest/contest_rules.h"
#include "platform/ascii_text.h"
#include "platform/memory_prefault.h"
#include "tools/logs/log_fields.h"
#include "tools/logs/log_record.h"
#include "tools/logs/text_lines.h"

namespace {

// The fields the reader takes; a record's other fields are passed over.
enum FieldName {
  kCall,
  kQsoDate,
  kTimeOn,
  kBand,
  kFreq,
  kMode,
  kRstSent,
  kRstRcvd,
  kStx,
  kStxString,
  kSrx,
  kSrxString,
  kStationCallsign,
  kOperator,
  kState,
  kCnty,
  kContestId,
  kFieldNames
};
constexpr std::array<std::string_view, kFieldNames> kFieldNameTexts = {
    "CALL", "QSO_DATE",   "TIME_ON",          "BAND",     "FREQ",
    "MODE", "RST_SENT",   "RST_RCVD",         "STX",      "STX_STRING",
    "SRX",  "SRX_STRING", "STATION_CALLSIGN", "OPERATOR", "STATE",
    "CNTY", "CONTEST_ID"};

// The field of a name in any letter case; kFieldNames for one the reader does not take.
FieldName FieldNamed(std::string_view name) {
  for (size_t field = 0; field < kFieldNames; ++field) {
    const std::string_view text = kFieldNameTexts[field];
    if (text.size() == name.size() && UpperAsciiLetter(name[0]) == text[0] &&
        EqualNoCase(name, text)) {
      return static_cast<FieldName>(field);
    }
  }
  return kFieldNames;
}

// The values of one record's fields, as views of the log's text; a record that repeats a
// field means its last word.
struct Fields {
  std::array<std::string_view, kFieldNames> values;
  int count = 0;  // of all fields, taken or not
  void Set(FieldName field, std::string_view value) {
    if (field != kFieldNames) values[field] = value;
    ++count;
  }
  bool empty() const { return count == 0; }
  void clear() { *this = {}; }
};

// The value of the field without surrounding blanks; empty when the record lacks it.
std::string_view Field(const Fields& fields, FieldName name) {
  return TrimBlanks(fields.values[name]);
}

// The first non-empty of the fields.
std::string_view FirstField(const Fields& fields, FieldName first, FieldName second) {
  const std::string_view value = Field(fields, first);
  return value.empty() ? Field(fields, second) : value;
}

std::string BandField(const Fields& fields) {
  std::string band(Field(fields, kBand));
  for (char& c : band) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return band;
}

// "SSB" is the mode; loggers that write the sideband there mean SSB as well.
std::string AdifMode(const Fields& fields) {
  const std::string mode = UpperAscii(Field(fields, kMode));
  return mode == "USB" || mode == "LSB" ? "SSB" : mode;
}

// FREQ is in MHz. When it is missing, in no amateur band (a frequency in kHz) or in
// another band than BAND says, the QSO takes the lower edge of its BAND, as a Cabrillo
// log gives a QSO of that band.
bool TakeFrequency(const Fields& fields, LogQso& qso, LogProblem& problem) {
  const std::string band = BandField(fields);
  const unsigned bandEdgeHz = BandLowerEdgeHz(band);
  const std::string_view frequency = Field(fields, kFreq);
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
    problem.detail = "FREQ '" + std::string(frequency) + "' (MHz expected), BAND missing";
  }
  return false;
}

// One side's exchange: the serial number of STX or SRX where it holds one, else that of
// STX_STRING or SRX_STRING; the letters after the string's number (the area text, valid or
// not), or else those of the number field ("5CK"). Nothing when the string is no exchange
// of this contest.
std::optional<ExchangeParts> ExchangeOf(const Fields& fields, FieldName numberName,
                                        FieldName stringName) {
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
  qso.call = UpperAscii(Field(fields, kCall));
  if (qso.call.empty()) {
    problem = {line, kNoCall, "CALL missing"};
    return std::nullopt;
  }
  const std::string_view date = Field(fields, kQsoDate);
  const std::string_view time = Field(fields, kTimeOn);
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
    problem = {line, kNoDateAndTime,
               "QSO_DATE '" + std::string(date) + "', TIME_ON '" + std::string(time) + "'"};
    return std::nullopt;
  }
  qso.time = *when;

  problem.line = line;
  if (!TakeFrequency(fields, qso, problem)) return std::nullopt;

  // The station's call is the contestant; OPERATOR names who sat at the key.
  qso.ownCall = UpperAscii(FirstField(fields, kStationCallsign, kOperator));
  qso.mode = AdifMode(fields);
  qso.rstSent = Field(fields, kRstSent);
  qso.rstReceived = Field(fields, kRstRcvd);
  if (const std::optional<ExchangeParts> sent = ExchangeOf(fields, kStx, kStxString)) {
    qso.sentExchange = sent->number;
    if (!sent->number.empty() && !sent->letters.empty()) qso.sentExchange += ' ';
    qso.sentExchange += sent->letters;
  } else {
    qso.sentExchange = FirstField(fields, kStxString, kStx);
  }
  if (std::optional<ExchangeParts> received = ExchangeOf(fields, kSrx, kSrxString)) {
    // The area text stays apart: it belongs to the exchange of a UK/EI station only.
    qso.receivedExchange = std::move(received->number);
    qso.receivedArea = std::move(received->letters);
    for (const FieldName name : {kState, kCnty}) {
      const std::string area = UpperAscii(Field(fields, name));
      if (qso.receivedArea.empty() && IsValidAreaCode(area)) qso.receivedArea = area;
    }
  } else {
    qso.receivedExchange = FirstField(fields, kSrxString, kSrx);
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
    const size_t header = FindAdifTag(text_, "<EOH>");
    if (header != std::string_view::npos) MoveTo(header + 5);
    size_t records = 0;
    for (size_t end = FindAdifTag(text_, "<EOR>"); end != std::string_view::npos;
         end = FindAdifTag(text_, "<EOR>", end + 1)) {
      ++records;
    }
    ReserveBacked(log_.qsos, records);
    while (true) {
      const size_t open = text_.find('<', position_);
      if (open == std::string_view::npos) break;
      MoveTo(open);
      const size_t close = text_.find('>', open);
      if (close == std::string_view::npos) {
        // After the last record, a "<" such as that of "<3" is no tag but text.
        if (!record_.empty() || broken_) Problem(Line(), "tag without its closing '>'");
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
    const std::string_view name = TrimBlanks(tag.substr(0, colon));
    if (colon == std::string_view::npos) {
      MoveTo(dataStart);
      if (EqualNoCase(name, "EOR")) {
        EndRecord();
      } else if (EqualNoCase(name, "EOF")) {  // some programs mark the end of the file
        return false;
      } else if (!EqualNoCase(name, "EOH")) {
        Break("tag <" + std::string(tag) + "> has no length");
      }
      return true;
    }
    if (record_.empty() && !broken_) recordLine_ = Line();
    const std::string_view rest = tag.substr(colon + 1);
    const int length = LengthValue(TrimBlanks(rest.substr(0, rest.find(':'))));
    if (length < 0) {
      MoveTo(dataStart);
      Break("field " + UpperAscii(name) + " has no valid length");
      return true;
    }
    const size_t dataEnd = dataStart + static_cast<size_t>(length);
    if (const size_t cut = WrongLengthEnd(dataStart, dataEnd); cut != std::string_view::npos) {
      if (repairedFields_++ == 0) firstRepairLine_ = Line();
      record_.Set(FieldAt(name), text_.substr(dataStart, cut - dataStart));
      MoveTo(cut);
      return true;
    }
    if (dataEnd > text_.size()) {
      Problem(Line(), "field " + UpperAscii(name) + " runs past the end of the file");
      DropRecord();
      return false;
    }
    record_.Set(FieldAt(name), text_.substr(dataStart, static_cast<size_t>(length)));
    MoveTo(dataEnd);
    return true;
  }

  // Where a field whose stated length is wrong ends: at its first tag, when the length
  // ends neither at blank space nor at a tag but inside a tag, past the end of the file or
  // after the record's <EOR> (it would swallow the next record). Whole field tags inside
  // a length that is not wrong are its text. Nothing when the length stands.
  size_t WrongLengthEnd(size_t dataStart, size_t dataEnd) const {
    if (EndsField(dataEnd)) return std::string_view::npos;
    bool wrong = dataEnd > text_.size();
    size_t firstTag = std::string_view::npos;
    for (size_t open = text_.find('<', dataStart); open < std::min(dataEnd, text_.size());
         open = text_.find('<', open + 1)) {
      const std::string_view tag = AdifTagAt(text_.substr(open));
      if (tag.empty()) continue;
      firstTag = std::min(firstTag, open);
      wrong = wrong || open + tag.size() > dataEnd || EqualNoCase(tag, "<EOR>");
    }
    return wrong ? firstTag : std::string_view::npos;
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
    } else if (const auto nul = std::find_if(
                   record_.values.begin(), record_.values.end(),
                   [](std::string_view value) { return value.find('\0') != std::string::npos; });
               nul != record_.values.end()) {
      // The plug-in would read the text only up to it.
      Problem(recordLine_, "field " + std::string(kFieldNameTexts[nul - record_.values.begin()]) +
                               " holds a NUL character");
    } else if (!record_.empty()) {
      LogProblem problem;
      if (std::optional<LogQso> qso = QsoOfRecord(record_, recordLine_, problem)) {
        if (log_.ownCall.empty()) log_.ownCall = qso->ownCall;
        if (log_.contest.empty()) log_.contest = Field(record_, kContestId);
        log_.qsos.push_back(std::move(*qso));
      } else {
        log_.problems.push_back(std::move(problem));
      }
    }
    DropRecord();
  }

  // The field of the record's next name. Loggers write the fields of every record in the
  // same order, so the name is most often the one the record before had in that place.
  FieldName FieldAt(std::string_view name) {
    const auto position = static_cast<size_t>(record_.count);
    if (position < namesInPlace_.size() && namesInPlace_[position].first == name) {
      return namesInPlace_[position].second;
    }
    if (position >= namesInPlace_.size()) namesInPlace_.resize(position + 1);
    namesInPlace_[position] = {name, FieldNamed(name)};
    return namesInPlace_[position].second;
  }

  void DropRecord() {
    record_.clear();
    broken_ = false;
  }

  // The record cannot be read; the rest of it up to <EOR> is passed over.
  void Break(std::string why) {
    if (!broken_) {
      if (record_.empty()) recordLine_ = Line();
      brokenWhy_ = std::move(why);
    }
    broken_ = true;
  }

  void Problem(int line, std::string detail) {
    log_.problems.push_back({line, kBrokenRecord, std::move(detail)});
  }

  void MoveTo(size_t position) { position_ = position; }

  // The line of the position, counted when asked for: a record's first line, a problem's.
  int Line() {
    line_ += LineEnds(text_, countedTo_, position_);
    countedTo_ = position_;
    return line_;
  }

  std::string_view text_;
  size_t position_ = 0;
  int line_ = 1;  // of countedTo_
  size_t countedTo_ = 0;
  Fields record_;
  std::vector<std::pair<std::string_view, FieldName>> namesInPlace_;  // by place in a record
  int recordLine_ = 0;
  bool broken_ = false;
  std::string brokenWhy_;
  int repairedFields_ = 0;
  int firstRepairLine_ = 0;
  LogFile log_;
};

}  // namespace

size_t FindAdifTag(std::string_view text, std::string_view tag, size_t from) {
  for (size_t open = text.find('<', from); open != std::string_view::npos;
       open = text.find('<', open + 1)) {
    // The tag's first letter in either case, then the whole of it.
    if (open + 1 < text.size() && (text[open + 1] & ~0x20) == tag[1] &&
        EqualNoCase(text.substr(open, tag.size()), tag)) {
      return open;
    }
  }
  return std::string_view::npos;
}

LogFile ReadAdif(std::string_view text) {
  return AdifParser(text).Read();
}
