#pragma once
// The contest log: QSOs in arrival order, with the indexes that keep the dupe test, the
// call check and the removal independent of the log's length. Every answer is the one a
// scan of the log from its first record would give.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contest/qso_record.h"
#include "contest/text_numbers.h"

// How the worked station of a QSO scores against a station outside UK/EI.
WorkedClass WorkedClassOf(const CInfo& record);

class QsoLog {
  using Slot = uint32_t;  // where a record stays from its intake to its removal

 public:
  // The records in log order; valid until the log changes.
  class Records {
   public:
    class Iterator {
     public:
      using iterator_category = std::forward_iterator_tag;
      using value_type = CInfo;
      using difference_type = std::ptrdiff_t;
      using pointer = const CInfo*;
      using reference = const CInfo&;
      Iterator(const CInfo* slots, const Slot* at) : slots_(slots), at_(at) {}
      reference operator*() const { return slots_[*at_]; }
      pointer operator->() const { return &slots_[*at_]; }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      Iterator operator++(int) { return Iterator(slots_, at_++); }
      bool operator==(const Iterator& other) const { return at_ == other.at_; }
      bool operator!=(const Iterator& other) const { return at_ != other.at_; }

     private:
      const CInfo* slots_;
      const Slot* at_;
    };

    Records(const std::vector<CInfo>& slots, const std::vector<Slot>& order)
        : slots_(slots), order_(order) {}
    Iterator begin() const { return {slots_.data(), order_.data()}; }
    Iterator end() const { return {slots_.data(), order_.data() + order_.size()}; }
    const CInfo& operator[](size_t position) const { return slots_[order_[position]]; }
    const CInfo& back() const { return slots_[order_.back()]; }
    size_t size() const { return order_.size(); }
    bool empty() const { return order_.empty(); }

   private:
    const std::vector<CInfo>& slots_;
    const std::vector<Slot>& order_;
  };

  // Appends a record whose isDupe and keys are set from the log; returns the number of
  // earlier records with the same call, band and mode.
  int Append(CInfo record);

  // Removes the first record with this call, band and mode; the dupe flags of the records
  // left with that key are worked out again, so the first of them counts. False when none.
  bool RemoveFirst(std::string_view call, std::string_view band, std::string_view mode);

  bool HasCallOnBand(std::string_view call, std::string_view band) const;
  // The records with this call, in log order.
  std::vector<const CInfo*> RecordsOfCall(std::string_view call) const;
  bool HasPrefixOnBand(std::string_view band, std::string_view prefix) const;

  void Clear();
  Records records() const { return {slots_, order_}; }
  bool empty() const { return order_.empty(); }
  size_t size() const { return order_.size(); }

  // The numbers behind the records' keys: how many texts of each kind have one, and the
  // number of a text (TextNumbers::kUnknown when no record brought it).
  int prefixCount() const { return prefixes_.count(); }
  int districtCount() const { return districts_.count(); }
  int bandCount() const { return bands_.count(); }
  int BandNumber(std::string_view band) const { return bands_.Find(band); }
  int ContinentNumber(std::string_view continent) const { return continents_.Find(continent); }

 private:
  using Sequence = uint64_t;  // arrival number: increases along the log

  size_t PositionOf(Sequence sequence) const;
  QsoKeys KeysOf(const CInfo& record);

  // Records stay in their slot while others come and go, so a removal moves only the
  // slot numbers of the records behind it, not the records. A removed record's slot is
  // taken by the next one to come.
  std::vector<CInfo> slots_;
  std::vector<Slot> freeSlots_;
  std::vector<Sequence> sequenceOfSlot_;
  std::vector<Slot> order_;          // the slots in log order
  std::vector<Sequence> sequences_;  // parallel to order_, ascending
  Sequence nextSequence_ = 0;
  // Slots of the records of each (call, band, mode), in log order: one for most keys, a
  // few more for the dupes.
  std::unordered_map<std::string, std::vector<Slot>> byCallBandMode_;
  // Slots of the records of each call, in log order: a call is worked a few times at most,
  // so a look at its records is as quick as a count per call and band.
  std::unordered_map<std::string, std::vector<Slot>> byCall_;
  std::unordered_map<std::string, int> countByBandPrefix_;
  // Numbers for the texts of the records' keys; kept until the log is cleared.
  TextNumbers prefixes_, districts_, continents_, bands_;
};
