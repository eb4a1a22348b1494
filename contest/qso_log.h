#pragma once
// The contest log: QSOs in arrival order, with the indexes that keep the dupe test, the
// call check and the removal independent of the log's length. Every answer is the one a
// scan of the log from its first record would give.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contest/qso_record.h"

class QsoLog {
 public:
  // Appends a record whose isDupe is set from the log; returns the number of earlier
  // records with the same call, band and mode.
  int Append(CInfo record);

  // Removes the first record with this call, band and mode; the dupe flags of the records
  // left with that key are worked out again, so the first of them counts. False when none.
  bool RemoveFirst(std::string_view call, std::string_view band, std::string_view mode);

  bool HasCallOnBand(std::string_view call, std::string_view band) const;
  // The records with this call, in log order.
  std::vector<const CInfo*> RecordsOfCall(std::string_view call) const;
  bool HasPrefixOnBand(std::string_view band, std::string_view prefix) const;

  void Clear();
  const std::vector<CInfo>& records() const { return records_; }
  bool empty() const { return records_.empty(); }
  size_t size() const { return records_.size(); }

 private:
  using Sequence = uint64_t;  // arrival number: increases along the log

  size_t PositionOf(Sequence sequence) const;

  std::vector<CInfo> records_;
  std::vector<Sequence> sequences_;  // parallel to records_, ascending
  Sequence nextSequence_ = 0;
  // Arrival numbers of the records of each (call, band, mode), in log order: one for most
  // keys, a few more for the dupes.
  std::unordered_map<std::string, std::vector<Sequence>> byCallBandMode_;
  // Arrival numbers of the records of each call, in log order: a call is worked a few
  // times at most, so a look at its records is as quick as a count per call and band.
  std::unordered_map<std::string, std::vector<Sequence>> byCall_;
  std::unordered_map<std::string, int> countByBandPrefix_;
};
