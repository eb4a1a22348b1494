#pragma once
// An index from texts to the numbers that stand for them (a record's slot, a text's number)
// for texts kept elsewhere: it holds a hash and a number per text, so taking a text in
// allocates nothing but the table's growth, and a look-up builds no string.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class TextIndex {
 public:
  using Number = uint32_t;
  static constexpr Number kNone = UINT32_MAX;

  // Each call is given `textOf`, which returns the text of a number in the index.

  // The text's number, or kNone.
  template <class TextOf>
  Number Find(std::string_view text, const TextOf& textOf) const {
    if (buckets_.empty()) return kNone;
    return buckets_[PositionOf(text, HashOf(text), textOf)].number;
  }

  // The text's number; the text is given `number` when it has none yet.
  template <class TextOf>
  Number FindOrAdd(std::string_view text, Number number, const TextOf& textOf) {
    if ((used_ + 1) * 2 > buckets_.size()) Grow();
    const uint32_t hash = HashOf(text);
    Bucket& bucket = buckets_[PositionOf(text, hash, textOf)];
    if (bucket.number == kNone) {
      bucket = {hash, number};
      ++used_;
    }
    return bucket.number;
  }

  // The text, which is in the index, stands for `number` from now on; `textOf` still gives
  // the text for its old number.
  template <class TextOf>
  void Renumber(std::string_view text, Number number, const TextOf& textOf) {
    buckets_[PositionOf(text, HashOf(text), textOf)].number = number;
  }

  // Takes the text, which is in the index, out.
  template <class TextOf>
  void Remove(std::string_view text, const TextOf& textOf) {
    RemoveAt(PositionOf(text, HashOf(text), textOf));
  }

  // Room for this many texts without a growth.
  void Reserve(size_t texts);
  void Clear();

 private:
  struct Bucket {
    uint32_t hash = 0;
    Number number = kNone;  // kNone: an empty bucket
  };

  static uint32_t HashOf(std::string_view text) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(text));
  }

  // The bucket that holds the text, or the empty one where it would go. A text sits in the
  // first bucket from its hash's own on that was empty when it came, so the buckets from
  // there to it are all taken.
  template <class TextOf>
  size_t PositionOf(std::string_view text, uint32_t hash, const TextOf& textOf) const {
    const size_t mask = buckets_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      const Bucket& bucket = buckets_[at];
      if (bucket.number == kNone || (bucket.hash == hash && textOf(bucket.number) == text)) {
        return at;
      }
    }
  }

  void Grow() { Rehash(std::max<size_t>(16, buckets_.size() * 2)); }
  void Rehash(size_t count);  // a power of two of buckets
  void RemoveAt(size_t position);

  std::vector<Bucket> buckets_;  // a power of two of them, at most half taken
  size_t used_ = 0;
};
