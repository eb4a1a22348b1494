#pragma once
// Small numbers for texts that repeat through the log (prefixes, continents, band texts,
// area districts), so that the report counts with bit sets instead of sets of texts.

#include <string>
#include <string_view>
#include <vector>

#include "contest/text_index.h"

class TextNumbers {
 public:
  static constexpr int kUnknown = -1;

  // The text's number, given it when it comes first: 0, 1, 2 ... in that order.
  int NumberOf(std::string_view text);
  // The text's number, or kUnknown when it has none.
  int Find(std::string_view text) const;
  int count() const { return static_cast<int>(texts_.size()); }
  void Clear();

 private:
  auto TextOf() const {
    return [this](TextIndex::Number number) { return std::string_view(texts_[number]); };
  }

  std::vector<std::string> texts_;  // by number
  TextIndex numbers_;
};
