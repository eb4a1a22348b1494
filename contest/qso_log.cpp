#include "contest/qso_log.h"

#include <algorithm>

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

int QsoLog::Append(CInfo record) {
  std::vector<Sequence>& sameKey = byCallBandMode_[Key(record.call, record.band, record.mode)];
  const int earlier = static_cast<int>(sameKey.size());
  record.isDupe = earlier > 0 ? 1 : 0;
  sameKey.push_back(nextSequence_);
  byCall_[record.call].push_back(nextSequence_);
  ++countByBandPrefix_[Key(record.band, record.prefix)];
  records_.push_back(std::move(record));
  sequences_.push_back(nextSequence_++);
  return earlier;
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band, std::string_view mode) {
  const auto found = byCallBandMode_.find(Key(call, band, mode));
  if (found == byCallBandMode_.end()) return false;
  std::vector<Sequence>& sameKey = found->second;

  const size_t position = PositionOf(sameKey.front());
  const CInfo& removed = records_[position];
  const auto ofCall = byCall_.find(removed.call);
  std::vector<Sequence>& sameCall = ofCall->second;
  sameCall.erase(std::find(sameCall.begin(), sameCall.end(), sameKey.front()));
  if (sameCall.empty()) byCall_.erase(ofCall);
  Decrement(countByBandPrefix_, Key(removed.band, removed.prefix));
  records_.erase(records_.begin() + static_cast<long>(position));
  sequences_.erase(sequences_.begin() + static_cast<long>(position));
  sameKey.erase(sameKey.begin());

  if (sameKey.empty()) {
    byCallBandMode_.erase(found);
  } else {
    records_[PositionOf(sameKey.front())].isDupe = 0;  // the others stay dupes of it
  }
  return true;
}

bool QsoLog::HasCallOnBand(std::string_view call, std::string_view band) const {
  const auto found = byCall_.find(std::string(call));
  if (found == byCall_.end()) return false;
  for (const Sequence sequence : found->second) {
    if (records_[PositionOf(sequence)].band == band) return true;
  }
  return false;
}

std::vector<const CInfo*> QsoLog::RecordsOfCall(std::string_view call) const {
  std::vector<const CInfo*> records;
  const auto found = byCall_.find(std::string(call));
  if (found == byCall_.end()) return records;
  for (const Sequence sequence : found->second) records.push_back(&records_[PositionOf(sequence)]);
  return records;
}

bool QsoLog::HasPrefixOnBand(std::string_view band, std::string_view prefix) const {
  return countByBandPrefix_.count(Key(band, prefix)) != 0;
}

void QsoLog::Clear() {
  records_.clear();
  sequences_.clear();
  byCallBandMode_.clear();
  byCall_.clear();
  countByBandPrefix_.clear();
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
