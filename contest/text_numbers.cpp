#include "contest/text_numbers.h"

int TextNumbers::NumberOf(std::string_view text) {
  const auto next = static_cast<TextIndex::Number>(ends_.size());
  const TextIndex::Number number = numbers_.FindOrAdd(text, next, TextOfNumber());
  if (number == next) {
    text_.append(text);
    ends_.push_back(text_.size());
  }
  return static_cast<int>(number);
}

int TextNumbers::Find(std::string_view text) const {
  const TextIndex::Number number = numbers_.Find(text, TextOfNumber());
  return number == TextIndex::kNone ? kUnknown : static_cast<int>(number);
}

std::string_view TextNumbers::TextOf(int number) const {
  const size_t start = number == 0 ? 0 : ends_[static_cast<size_t>(number) - 1];
  return std::string_view(text_).substr(start, ends_[static_cast<size_t>(number)] - start);
}

void TextNumbers::Reserve(size_t texts, size_t bytes) {
  ends_.reserve(texts);
  text_.reserve(bytes);
  numbers_.Reserve(texts);
}

void TextNumbers::Clear() {
  text_.clear();
  ends_.clear();
  numbers_.Clear();
}
