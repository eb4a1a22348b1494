#include "contest/text_numbers.h"

int TextNumbers::NumberOf(std::string_view text) {
  const auto next = static_cast<TextIndex::Number>(texts_.size());
  const TextIndex::Number number = numbers_.FindOrAdd(text, next, TextOf());
  if (number == next) texts_.emplace_back(text);
  return static_cast<int>(number);
}

int TextNumbers::Find(std::string_view text) const {
  const TextIndex::Number number = numbers_.Find(text, TextOf());
  return number == TextIndex::kNone ? kUnknown : static_cast<int>(number);
}

void TextNumbers::Clear() {
  texts_.clear();
  numbers_.Clear();
}
