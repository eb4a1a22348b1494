#include "contest/qso_log.h"

#include <algorithm>

#include "contest/contest_rules.h"
#include "platform/memory_prefault.h"

namespace {

// Band and mode compare as passed: "20M" is not "20m", nor "cw" "CW". The band is the
// log's number for its text.
bool HasBandAndMode(const CInfo& record, int band, std::string_view mode) {
  return record.keys.band == band && record.mode == mode;
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

int& QsoLog::CountOnBand(const QsoKeys& keys) {
  if (countByBandPrefix_.size() <= static_cast<size_t>(keys.band)) {
    countByBandPrefix_.resize(static_cast<size_t>(keys.band) + 1);
  }
  std::vector<int>& counts = countByBandPrefix_[static_cast<size_t>(keys.band)];
  if (counts.size() <= static_cast<size_t>(keys.prefix)) {
    counts.resize(static_cast<size_t>(keys.prefix) + 1);
  }
  return counts[static_cast<size_t>(keys.prefix)];
}

QsoLog::Slot QsoLog::TakeSlot() {
  if (!freeSlots_.empty()) {
    const Slot slot = freeSlots_.back();
    freeSlots_.pop_back();
    return slot;
  }
  const size_t chunk = ChunkOf(slotCount_);
  if (chunk == chunks_.size()) {
    Chunk& added = chunks_.emplace_back();
    added.reserve(size_t{kFirstChunkEntries} << chunk);
    AdviseLargePages(added.data(), added.capacity() * sizeof(Entry));
  }
  chunks_[chunk].emplace_back();
  return slotCount_++;
}

int QsoLog::Append(CInfo record) {
  record.keys = KeysOf(record);
  const Slot slot = TakeSlot();
  Entry& entry = EntryAt(slot);
  entry.sequence = nextSequence_;
  entry.record = std::move(record);
  CInfo& added = entry.record;

  int earlier = 0;
  const Slot first = firstOfCall_.FindOrAdd(added.call, slot, CallOf());
  if (first != slot) {
    Slot last = first;
    for (Slot at = first; at != kNoSlot; at = EntryAt(at).nextOfCall) {
      if (HasBandAndMode(EntryAt(at).record, added.keys.band, added.mode)) ++earlier;
      last = at;
    }
    EntryAt(last).nextOfCall = slot;
  }
  added.isDupe = earlier > 0 ? 1 : 0;
  if (added.keys.prefix != QsoKeys::kNone) ++CountOnBand(added.keys);
  order_.push_back(slot);
  ++nextSequence_;
  return earlier;
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band, std::string_view mode) {
  const int bandNumber = bands_.Find(band);
  if (bandNumber == TextNumbers::kUnknown) return false;
  Slot before = kNoSlot;
  Slot slot = firstOfCall_.Find(call, CallOf());
  while (slot != kNoSlot && !HasBandAndMode(EntryAt(slot).record, bandNumber, mode)) {
    before = slot;
    slot = EntryAt(slot).nextOfCall;
  }
  if (slot == kNoSlot) return false;
  Entry& removed = EntryAt(slot);

  // The next record with this band and mode counts now; the others stay dupes of it.
  for (Slot at = removed.nextOfCall; at != kNoSlot; at = EntryAt(at).nextOfCall) {
    CInfo& later = EntryAt(at).record;
    if (HasBandAndMode(later, bandNumber, mode)) {
      later.isDupe = 0;
      break;
    }
  }
  if (before != kNoSlot) {
    EntryAt(before).nextOfCall = removed.nextOfCall;
  } else if (removed.nextOfCall != kNoSlot) {
    firstOfCall_.Renumber(call, removed.nextOfCall, CallOf());
  } else {
    firstOfCall_.Remove(call, CallOf());
  }
  if (removed.record.keys.prefix != QsoKeys::kNone) --CountOnBand(removed.record.keys);
  const size_t position = PositionOf(removed.sequence);
  order_.erase(order_.begin() + static_cast<long>(position));
  removed.record = CInfo();
  removed.nextOfCall = kNoSlot;
  freeSlots_.push_back(slot);
  return true;
}

bool QsoLog::HasCallOnBand(std::string_view call, std::string_view band) const {
  const int bandNumber = bands_.Find(band);
  if (bandNumber == TextNumbers::kUnknown) return false;
  for (Slot at = firstOfCall_.Find(call, CallOf()); at != kNoSlot; at = EntryAt(at).nextOfCall) {
    if (EntryAt(at).record.keys.band == bandNumber) return true;
  }
  return false;
}

std::vector<const CInfo*> QsoLog::RecordsOfCall(std::string_view call) const {
  std::vector<const CInfo*> records;
  for (Slot at = firstOfCall_.Find(call, CallOf()); at != kNoSlot; at = EntryAt(at).nextOfCall) {
    records.push_back(&EntryAt(at).record);
  }
  return records;
}

bool QsoLog::HasPrefixOnBand(std::string_view band, std::string_view prefix) const {
  const int bandNumber = bands_.Find(band);
  const int prefixNumber = prefixes_.Find(prefix);
  if (bandNumber == TextNumbers::kUnknown || prefixNumber == TextNumbers::kUnknown) return false;
  if (countByBandPrefix_.size() <= static_cast<size_t>(bandNumber)) return false;
  const std::vector<int>& counts = countByBandPrefix_[static_cast<size_t>(bandNumber)];
  return static_cast<size_t>(prefixNumber) < counts.size() &&
         counts[static_cast<size_t>(prefixNumber)] > 0;
}

void QsoLog::Clear() {
  chunks_.clear();
  slotCount_ = 0;
  freeSlots_.clear();
  order_.clear();
  firstOfCall_.Clear();
  countByBandPrefix_.clear();
  for (TextNumbers* numbers : {&prefixes_, &districts_, &continents_, &bands_}) numbers->Clear();
}

// Arrival numbers grow along the log and removals only open gaps: a record stands no
// further in than its distance from the first one, and exactly there while nothing before
// it was removed, as in most logs. The search is for the others.
size_t QsoLog::PositionOf(Sequence sequence) const {
  const auto sequenceAt = [this](size_t position) { return EntryAt(order_[position]).sequence; };
  const size_t bound =
      static_cast<size_t>(std::min<Sequence>(sequence - sequenceAt(0), order_.size() - 1));
  if (sequenceAt(bound) == sequence) return bound;
  const auto comesBefore = [this](Slot slot, Sequence wanted) {
    return EntryAt(slot).sequence < wanted;
  };
  return static_cast<size_t>(std::lower_bound(order_.begin(),
                                              order_.begin() + static_cast<long>(bound), sequence,
                                              comesBefore) -
                             order_.begin());
}
