#pragma once
// Small numbers for texts, in the order they come: texts that repeat through the log
// (prefixes, continents, band texts, area districts), so that the report counts with bit
// sets instead of sets of texts, and the tool's lists of calls.

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
  // The text of a number.
  std::string_view TextOf(int number) const;
  int count() const { return static_cast<int>(ends_.size()); }
  // Room for about this many texts of this many bytes in all.
  void Reserve(size_t texts, size_t bytes);
  void Clear();

 private:
  auto TextOfNumber() const {
    return [this](TextIndex::Number number) { return TextOf(static_cast<int>(number)); };
  }

  // The texts one after the other: 85,000 calls are one block, not 85,000 strings.
  std::string text_;
  std::vector<size_t> ends_;  // where each text ends in text_, by number
  TextIndex numbers_;
};
