#pragma once
// Small numbers for texts that repeat through the log (prefixes, continents, band texts,
// area districts), so that the report counts with bit sets instead of sets of texts.

#include <string>
#include <string_view>
#include <unordered_map>

class TextNumbers {
 public:
  static constexpr int kUnknown = -1;

  // The text's number, given it when it comes first: 0, 1, 2 ... in that order.
  int NumberOf(std::string_view text);
  // The text's number, or kUnknown when it has none.
  int Find(std::string_view text) const;
  int count() const { return static_cast<int>(numbers_.size()); }
  void Clear() { numbers_.clear(); }

 private:
  std::unordered_map<std::string, int> numbers_;
};
