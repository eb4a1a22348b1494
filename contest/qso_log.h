#pragma once
// The contest log: QSOs in arrival order, with the indexes that keep the dupe test, the
// call check and the removal independent of the log's length. Every answer is the one a
// scan of the log from its first record would give.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "contest/qso_record.h"
#include "contest/text_index.h"
#include "contest/text_numbers.h"

// How the worked station of a QSO scores against a station outside UK/EI.
WorkedClass WorkedClassOf(const CInfo& record);

class QsoLog {
  using Slot = TextIndex::Number;  // where a record stays from its intake to its removal
  static constexpr Slot kNoSlot = TextIndex::kNone;
  using Sequence = uint64_t;  // arrival number: increases along the log

  // A record in its slot, with what places it in the log and among the records of its call.
  struct Entry {
    Sequence sequence = 0;
    Slot nextOfCall = kNoSlot;  // the call's next record in log order
    CInfo record;
  };
  // Slots come in chunks, so that the log grows without moving a record and without an
  // allocation per record. Chunk k has room for kFirstChunkEntries << k: a log grows by
  // steps of its own size, a small one takes little memory and a large one lies in a few
  // large blocks. A chunk never grows past its room, so its entries stay where they are.
  static constexpr Slot kFirstChunkEntries = 256;
  using Chunk = std::vector<Entry>;
  static size_t ChunkOf(Slot slot) {
    return static_cast<size_t>(31 - __builtin_clz(slot / kFirstChunkEntries + 1));
  }
  static Slot FirstSlotOf(size_t chunk) { return kFirstChunkEntries * ((Slot{1} << chunk) - 1); }

  template <class SomeChunk>  // Chunk or const Chunk
  static auto& EntryIn(SomeChunk* chunks, Slot slot) {
    const size_t chunk = ChunkOf(slot);
    return chunks[chunk][slot - FirstSlotOf(chunk)];
  }

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
      Iterator(const Chunk* chunks, const Slot* at) : chunks_(chunks), at_(at) {}
      reference operator*() const { return EntryIn(chunks_, *at_).record; }
      pointer operator->() const { return &**this; }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      Iterator operator++(int) { return Iterator(chunks_, at_++); }
      bool operator==(const Iterator& other) const { return at_ == other.at_; }
      bool operator!=(const Iterator& other) const { return at_ != other.at_; }

     private:
      const Chunk* chunks_;
      const Slot* at_;
    };

    explicit Records(const QsoLog& log) : log_(log) {}
    Iterator begin() const { return {log_.chunks_.data(), log_.order_.data()}; }
    Iterator end() const { return {log_.chunks_.data(), log_.order_.data() + log_.order_.size()}; }
    const CInfo& operator[](size_t position) const {
      return log_.EntryAt(log_.order_[position]).record;
    }
    const CInfo& back() const { return log_.EntryAt(log_.order_.back()).record; }
    size_t size() const { return log_.order_.size(); }
    bool empty() const { return log_.order_.empty(); }

   private:
    const QsoLog& log_;
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
  // A call the country file could not place has no prefix, on any band.
  bool HasPrefixOnBand(std::string_view band, std::string_view prefix) const;

  void Clear();
  Records records() const { return Records(*this); }
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
  Entry& EntryAt(Slot slot) { return EntryIn(chunks_.data(), slot); }
  const Entry& EntryAt(Slot slot) const { return EntryIn(chunks_.data(), slot); }
  auto CallOf() const {
    return [this](Slot slot) { return std::string_view(EntryAt(slot).record.call); };
  }
  Slot TakeSlot();
  size_t PositionOf(Sequence sequence) const;
  QsoKeys KeysOf(const CInfo& record);
  int& CountOnBand(const QsoKeys& keys);

  // Records stay in their slot while others come and go, so a removal moves only the
  // slot numbers of the records behind it, not the records. A removed record's slot is
  // taken by the next one to come.
  std::vector<Chunk> chunks_;
  Slot slotCount_ = 0;  // slots ever taken since the log was cleared
  std::vector<Slot> freeSlots_;
  std::vector<Slot> order_;  // the slots in log order, so with ascending sequences
  Sequence nextSequence_ = 0;
  // The first record of each call; the others follow it through nextOfCall. A call is
  // worked a few times at most, so a walk of its records answers the dupe test, the call
  // check and the removal as quickly as an index per call, band and mode would.
  TextIndex firstOfCall_;
  // Records per band and prefix number: countByBandPrefix_[band][prefix].
  std::vector<std::vector<int>> countByBandPrefix_;
  // Numbers for the texts of the records' keys; kept until the log is cleared.
  TextNumbers prefixes_, districts_, continents_, bands_;
};
