#include "contest/qso_log.h"

#include <algorithm>

#include "contest/contest_rules.h"

namespace {

// Texts from the host never hold a NUL byte, so NUL separates the parts of a key.
std::string Key(std::string_view a, std::string_view b) {
  std::string key;
  key.reserve(a.size() + b.size() + 1);
  key.append(a).push_back('\0');
  key.append(b);
  return key;
}

std::string Key(std::string_view a, std::string_view b, std::string_view c) {
  std::string key = Key(a, b);
  key.push_back('\0');
  key.append(c);
  return key;
}

void Decrement(std::unordered_map<std::string, int>& counts, const std::string& key) {
  const auto found = counts.find(key);
  if (found != counts.end() && --found->second == 0) counts.erase(found);
}

}  // namespace

WorkedClass WorkedClassOf(const CInfo& record) {
  if (IsUkEiPrefix(record.prefix)) return WorkedClass::kUkEi;
  return record.continent == "EU" ? WorkedClass::kEurope : WorkedClass::kElsewhere;
}

QsoKeys QsoLog::KeysOf(const CInfo& record) {
  QsoKeys keys;
  // A call the country file could not place has no prefix: it scores, but is no DXCC.
  if (!record.prefix.empty()) keys.prefix = prefixes_.NumberOf(record.prefix);
  const std::string_view district = AreaDistrict(record.areaCode);
  if (!district.empty()) keys.district = districts_.NumberOf(district);
  keys.continent = continents_.NumberOf(record.continent);
  keys.band = bands_.NumberOf(record.band);
  keys.workedClass = WorkedClassOf(record);
  // An invalid time is in no hour of the day.
  keys.bonusHour = IsBonusHour(HourOfDay(record.time));
  return keys;
}

int QsoLog::Append(CInfo record) {
  Slot slot = static_cast<Slot>(slots_.size());
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  }
  std::vector<Slot>& sameKey = byCallBandMode_[Key(record.call, record.band, record.mode)];
  const int earlier = static_cast<int>(sameKey.size());
  record.isDupe = earlier > 0 ? 1 : 0;
  record.keys = KeysOf(record);
  sameKey.push_back(slot);
  byCall_[record.call].push_back(slot);
  ++countByBandPrefix_[Key(record.band, record.prefix)];
  if (slot == slots_.size()) {
    slots_.push_back(std::move(record));
    sequenceOfSlot_.push_back(nextSequence_);
  } else {
    slots_[slot] = std::move(record);
    sequenceOfSlot_[slot] = nextSequence_;
  }
  order_.push_back(slot);
  sequences_.push_back(nextSequence_++);
  return earlier;
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band, std::string_view mode) {
  const auto found = byCallBandMode_.find(Key(call, band, mode));
  if (found == byCallBandMode_.end()) return false;
  std::vector<Slot>& sameKey = found->second;
  const Slot slot = sameKey.front();
  CInfo& removed = slots_[slot];

  const auto ofCall = byCall_.find(removed.call);
  std::vector<Slot>& sameCall = ofCall->second;
  sameCall.erase(std::find(sameCall.begin(), sameCall.end(), slot));
  if (sameCall.empty()) byCall_.erase(ofCall);
  Decrement(countByBandPrefix_, Key(removed.band, removed.prefix));
  const size_t position = PositionOf(sequenceOfSlot_[slot]);
  order_.erase(order_.begin() + static_cast<long>(position));
  sequences_.erase(sequences_.begin() + static_cast<long>(position));
  removed = CInfo();
  freeSlots_.push_back(slot);
  sameKey.erase(sameKey.begin());

  if (sameKey.empty()) {
    byCallBandMode_.erase(found);
  } else {
    slots_[sameKey.front()].isDupe = 0;  // the others stay dupes of it
  }
  return true;
}

bool QsoLog::HasCallOnBand(std::string_view call, std::string_view band) const {
  const auto found = byCall_.find(std::string(call));
  if (found == byCall_.end()) return false;
  for (const Slot slot : found->second) {
    if (slots_[slot].band == band) return true;
  }
  return false;
}

std::vector<const CInfo*> QsoLog::RecordsOfCall(std::string_view call) const {
  std::vector<const CInfo*> records;
  const auto found = byCall_.find(std::string(call));
  if (found == byCall_.end()) return records;
  for (const Slot slot : found->second) records.push_back(&slots_[slot]);
  return records;
}

bool QsoLog::HasPrefixOnBand(std::string_view band, std::string_view prefix) const {
  return countByBandPrefix_.count(Key(band, prefix)) != 0;
}

void QsoLog::Clear() {
  slots_.clear();
  freeSlots_.clear();
  sequenceOfSlot_.clear();
  order_.clear();
  sequences_.clear();
  byCallBandMode_.clear();
  byCall_.clear();
  countByBandPrefix_.clear();
  for (TextNumbers* numbers : {&prefixes_, &districts_, &continents_, &bands_}) numbers->Clear();
}

// Arrival numbers grow along the log and removals only open gaps: a record stands no
// further in than its distance from the first one, and exactly there while nothing before
// it was removed, as in most logs. The search is for the others.
size_t QsoLog::PositionOf(Sequence sequence) const {
  const size_t bound =
      static_cast<size_t>(std::min<Sequence>(sequence - sequences_.front(), sequences_.size() - 1));
  if (sequences_[bound] == sequence) return bound;
  return static_cast<size_t>(std::lower_bound(sequences_.begin(),
                                              sequences_.begin() + static_cast<long>(bound),
                                              sequence) -
                             sequences_.begin());
}
