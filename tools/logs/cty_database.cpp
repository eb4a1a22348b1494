#include "tools/logs/cty_database.h"

#include <algorithm>
#include <array>

#include "platform/ascii_text.h"
#include "tools/logs/whole_file.h"

namespace {

// Suffixes that say how a station operates, not where: the call itself places it.
constexpr std::array<std::string_view, 8> kOperatingSuffixes = {"P", "M",  "A",   "B",
                                                                "J", "LH", "QRP", "QRPP"};
// Maritime and aeronautical mobiles are in no DXCC entity.
constexpr std::array<std::string_view, 2> kNoEntitySuffixes = {"MM", "AM"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& table, std::string_view text) {
  return std::find(table.begin(), table.end(), text) != table.end();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool DigitsOnly(const std::string& text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

std::vector<std::string> SplitPortable(const std::string& call) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= call.size()) {
    size_t slash = call.find('/', start);
    if (slash == std::string::npos) slash = call.size();
    if (slash > start) parts.push_back(call.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

// The letters in front of the call area digit: "W" of W1ABC, "2E" of 2E0ABC, "UA" of UA9ABC.
std::string CallAreaPrefix(const std::string& call) {
  size_t digit = 1;
  while (digit < call.size() && !IsDigit(call[digit])) ++digit;
  return call.substr(0, digit);
}

std::string LineOf(std::string_view text, size_t position) {
  return std::to_string(1 + std::count(text.begin(), text.begin() + position, '\n'));
}

}  // namespace

CtyDatabase CtyDatabase::Load(const std::string& path) {
  try {
    return Parse(ReadWholeFile(path), path);
  } catch (const FileError& error) {
    throw CtyError("cannot read " + path + ": " + error.what());
  }
}

// Each entity: eight header fields ending in ":" (name, CQ zone, ITU zone, continent,
// latitude, longitude, UTC offset, primary prefix), then its prefixes and "="-marked exact
// calls separated by commas, ending in ";". Overrides follow a prefix in brackets:
// (CQ zone) [ITU zone] <lat/long> {continent} ~UTC offset~; only the continent matters here.
CtyDatabase CtyDatabase::Parse(std::string_view text, const std::string& source) {
  CtyDatabase db;
  size_t start = 0;
  while (true) {
    start = text.find_first_not_of(" \t\r\n", start);
    if (start == std::string_view::npos) break;
    const size_t end = text.find(';', start);
    if (end == std::string_view::npos) {
      throw CtyError(source + ":" + LineOf(text, start) + ": entity without its closing ';'");
    }
    const std::string_view record = text.substr(start, end - start);

    std::array<std::string_view, 8> fields;
    size_t cursor = 0;
    for (std::string_view& field : fields) {
      const size_t colon = record.find(':', cursor);
      if (colon == std::string_view::npos) {
        throw CtyError(source + ":" + LineOf(text, start) + ": not a cty.dat entity");
      }
      field = TrimBlanks(record.substr(cursor, colon - cursor));
      cursor = colon + 1;
    }
    const std::string_view primary = fields[7];
    const bool isDxcc = primary.empty() || primary.front() != '*';
    db.entities_.push_back(Entity{std::string(isDxcc ? primary : primary.substr(1)), isDxcc});
    const int entity = static_cast<int>(db.entities_.size()) - 1;

    std::string_view aliases = record.substr(cursor);
    while (!aliases.empty()) {
      const size_t comma = aliases.find(',');
      std::string_view alias = TrimBlanks(aliases.substr(0, comma));
      aliases = comma == std::string_view::npos ? std::string_view() : aliases.substr(comma + 1);
      if (alias.empty()) continue;
      const bool exact = alias.front() == '=';
      if (exact) alias.remove_prefix(1);
      std::string continent(fields[3]);
      const size_t open = alias.find('{');
      const size_t close = alias.find('}', open);
      if (open != std::string_view::npos && close != std::string_view::npos) {
        continent = std::string(alias.substr(open + 1, close - open - 1));
      }
      const std::string key = UpperAscii(alias.substr(0, alias.find_first_of("([<{~")));
      db.Add(exact ? db.exactCalls_ : db.prefixes_, key, Entry{entity, continent});
      if (!exact) db.longestPrefix_ = std::max(db.longestPrefix_, key.size());
    }
    start = end + 1;
  }
  if (db.entities_.empty()) throw CtyError(source + ": holds no entities");
  return db;
}

void CtyDatabase::Add(std::unordered_map<std::string, Slot>& table, const std::string& key,
                      Entry entry) {
  const bool isDxcc = entities_[entry.entity].isDxcc;
  entries_.push_back(std::move(entry));
  const int index = static_cast<int>(entries_.size()) - 1;
  Slot& slot = table[key];
  // A non-DXCC entity names the place more precisely than the entity it lies in.
  if (slot.place < 0 || (!isDxcc && entities_[entries_[slot.place].entity].isDxcc)) {
    slot.place = index;
  }
  if (isDxcc && slot.dxcc < 0) slot.dxcc = index;
}

Placement CtyDatabase::Resolve(std::string_view call) const {
  const std::string text = UpperAscii(TrimBlanks(call));
  if (text.empty()) return {};
  const Slot slot = Lookup(text);
  if (slot.place < 0 || slot.dxcc < 0) return {};
  return Placement{entities_[entries_[slot.dxcc].entity].prefix, entries_[slot.place].continent};
}

void CtyDatabase::Slot::Complete(const Slot& other) {
  if (place < 0) place = other.place;
  if (dxcc < 0) dxcc = other.dxcc;
}

CtyDatabase::Slot CtyDatabase::Lookup(const std::string& call) const {
  Slot slot;
  if (const auto exact = exactCalls_.find(call); exact != exactCalls_.end()) slot = exact->second;
  if (!slot.complete()) {
    slot.Complete(call.find('/') != std::string::npos ? LookupPortable(call) : LongestPrefix(call));
  }
  return slot;
}

CtyDatabase::Slot CtyDatabase::LookupPortable(const std::string& call) const {
  std::vector<std::string> parts = SplitPortable(call);
  if (parts.empty()) return {};
  // Suffixes after the call: maritime and aeronautical mobiles are in no entity; how the
  // station operates (/P, /QRP) and special-event numbers (/70) say nothing about where.
  for (size_t i = 1; i < parts.size(); ++i) {
    if (Contains(kNoEntitySuffixes, parts[i])) return {};
  }
  parts.erase(std::remove_if(parts.begin() + 1, parts.end(),
                             [](const std::string& part) {
                               return Contains(kOperatingSuffixes, part) ||
                                      (part.size() > 1 && DigitsOnly(part));
                             }),
              parts.end());
  if (parts.size() == 1) return Lookup(parts[0]);
  const std::string& first = parts[0];
  const std::string& second = parts[1];
  // The location is the shorter part: DL/G4ABC and G4ABC/DL both operate from DL. After
  // the call, a single digit moves it to another call area (W1ABC/4), and a suffix that
  // is no prefix (ES2ABC/C) leaves it where the call belongs.
  if (second.size() >= first.size()) return LongestPrefix(first);
  Slot located = LongestPrefix(DigitsOnly(second) ? CallAreaPrefix(first) + second : second);
  if (!located.complete()) located.Complete(Lookup(first));
  return located;
}

CtyDatabase::Slot CtyDatabase::LongestPrefix(const std::string& text) const {
  Slot slot;
  for (size_t length = std::min(text.size(), longestPrefix_); length > 0 && !slot.complete();
       --length) {
    const auto found = prefixes_.find(text.substr(0, length));
    if (found != prefixes_.end()) slot.Complete(found->second);
  }
  return slot;
}
