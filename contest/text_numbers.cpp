#include "contest/text_numbers.h"

int TextNumbers::NumberOf(std::string_view text) {
  return numbers_.emplace(std::string(text), count()).first->second;
}

int TextNumbers::Find(std::string_view text) const {
  const auto found = numbers_.find(std::string(text));
  return found == numbers_.end() ? kUnknown : found->second;
}
