#include "contest/text_index.h"

#include <algorithm>
#include <utility>

void TextIndex::Reserve(size_t texts) {
  size_t count = std::max<size_t>(16, buckets_.size());
  while (count < texts * 2) count *= 2;
  if (count > buckets_.size()) Rehash(count);
}

void TextIndex::Clear() {
  buckets_.clear();
  used_ = 0;
}

// The texts in the index differ, so each goes to the first empty bucket from its own on,
// with no text compared.
void TextIndex::Rehash(size_t count) {
  std::vector<Bucket> buckets(count);
  const size_t mask = buckets.size() - 1;
  for (const Bucket& bucket : buckets_) {
    if (bucket.number == kNone) continue;
    size_t at = bucket.hash & mask;
    while (buckets[at].number != kNone) at = (at + 1) & mask;
    buckets[at] = bucket;
  }
  buckets_ = std::move(buckets);
}

// The texts after the emptied bucket, up to the next empty one, may have passed it on their
// way from their hash's bucket: each such text moves back into the gap, which moves on to
// where that text was, so that every text stays reachable from its hash's bucket.
void TextIndex::RemoveAt(size_t position) {
  const size_t mask = buckets_.size() - 1;
  size_t gap = position;
  for (size_t at = (gap + 1) & mask; buckets_[at].number != kNone; at = (at + 1) & mask) {
    const size_t home = buckets_[at].hash & mask;
    if (((at - home) & mask) >= ((at - gap) & mask)) {  // the gap lies between home and it
      buckets_[gap] = buckets_[at];
      gap = at;
    }
  }
  buckets_[gap] = Bucket{};
  --used_;
}
