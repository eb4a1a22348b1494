// ADIF: an optional header ending in <EOH>, then records of fields <NAME:LENGTH[:TYPE]>data,
// each record ending in <EOR>. Field names ignore case; the length counts bytes.

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ascii_text.h"
#include "plugin/contest_rules.h"
#include "tools/log_fields.h"
#include "tools/log_file.h"

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

// The QSO of one record, or the reason it cannot be read.
std::optional<LogQso> QsoOfRecord(const Fields& fields, int line, std::string& why) {
  LogQso qso;
  qso.line = line;
  qso.call = UpperAscii(Field(fields, "CALL"));
  if (qso.call.empty()) {
    why = "QSO without CALL";
    return std::nullopt;
  }
  const std::string date = Field(fields, "QSO_DATE");
  const std::string time = Field(fields, "TIME_ON");
  std::optional<OleDate> when;
  if (date.size() == 8 && (time.size() == 4 || time.size() == 6)) {
    when = QsoTime(DigitsValue(date.substr(0, 4)), DigitsValue(date.substr(4, 2)),
                   DigitsValue(date.substr(6, 2)), DigitsValue(time.substr(0, 2)),
                   DigitsValue(time.substr(2, 2)),
                   time.size() == 6 ? DigitsValue(time.substr(4, 2)) : 0);
  }
  if (!when) {
    why = "QSO_DATE '" + date + "' and TIME_ON '" + time + "' are no date and time";
    return std::nullopt;
  }
  qso.time = *when;

  const std::string frequency = Field(fields, "FREQ");
  if (!frequency.empty()) {
    const std::optional<unsigned> hz = FrequencyHz(frequency, 1000000);
    if (!hz) {
      why = "FREQ '" + frequency + "' is no frequency in MHz";
      return std::nullopt;
    }
    qso.frequencyHz = *hz;
    qso.band = BandOfFrequency(*hz);
  }
  if (qso.band.empty()) qso.band = BandField(fields);
  if (qso.band.empty()) {
    why = frequency.empty() ? "QSO without FREQ or BAND"
                            : "FREQ " + frequency + " MHz is in no amateur band";
    return std::nullopt;
  }

  qso.ownCall = UpperAscii(FirstField(fields, {"STATION_CALLSIGN", "OPERATOR"}));
  qso.mode = AdifMode(fields);
  qso.rstSent = Field(fields, "RST_SENT");
  qso.rstReceived = Field(fields, "RST_RCVD");
  qso.sentExchange = FirstField(fields, {"STX_STRING", "STX"});
  qso.receivedExchange = Field(fields, "SRX_STRING");
  if (qso.receivedExchange.empty()) {
    qso.receivedExchange = Field(fields, "SRX");
    for (const char* name : {"STATE", "CNTY"}) {
      const std::string area = UpperAscii(Field(fields, name));
      if (IsValidAreaCode(area)) {
        qso.receivedArea = area;
        break;
      }
    }
  }
  return qso;
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
      } else if (name != "EOH") {
        Break("tag <" + std::string(tag) + "> has no length");
      }
      return true;
    }
    if (record_.empty() && !broken_) recordLine_ = line_;
    const std::string_view rest = tag.substr(colon + 1);
    const int length = DigitsValue(TrimBlanks(rest.substr(0, rest.find(':'))));
    if (length < 0) {
      MoveTo(dataStart);
      Break("field " + name + " has no valid length");
      return true;
    }
    if (dataStart + static_cast<size_t>(length) > text_.size()) {
      Problem(line_, "field " + name + " runs past the end of the file");
      DropRecord();
      return false;
    }
    record_.emplace_back(name, text_.substr(dataStart, static_cast<size_t>(length)));
    MoveTo(dataStart + static_cast<size_t>(length));
    return true;
  }

  void EndRecord() {
    if (broken_) {
      Problem(recordLine_, brokenWhy_);
    } else if (!record_.empty()) {
      std::string why;
      if (std::optional<LogQso> qso = QsoOfRecord(record_, recordLine_, why)) {
        if (log_.ownCall.empty()) log_.ownCall = qso->ownCall;
        log_.qsos.push_back(std::move(*qso));
      } else {
        Problem(recordLine_, why);
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

  void Problem(int line, std::string what) { log_.problems.push_back({line, std::move(what)}); }

  void MoveTo(size_t position) {
    line_ +=
        static_cast<int>(std::count(text_.begin() + position_, text_.begin() + position, '\n'));
    position_ = position;
  }

  std::string_view text_;
  size_t position_ = 0;
  int line_ = 1;
  Fields record_;
  int recordLine_ = 0;
  bool broken_ = false;
  std::string brokenWhy_;
  LogFile log_;
};

}  // namespace

LogFile ReadAdif(std::string_view text) {
  return AdifParser(text).Read();
}
