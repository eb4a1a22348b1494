#include "platform/temporary_name.h"

namespace {

// The longest file name of the file systems in use (NTFS, ext4): 255.
constexpr size_t kLongestName = 255;
// ".<pid>-<n>.tmp" with two 32-bit numbers.
constexpr size_t kLongestSuffix = 1 + 10 + 1 + 10 + 4;

std::string_view KeptPart(std::string_view name) {
  return name.substr(0, kLongestName - kLongestSuffix);
}

// The decimal number at the start of `text`, moving past it; none without a digit.
std::optional<unsigned long> TakeNumber(std::string_view& text) {
  size_t digits = 0;
  unsigned long long value = 0;
  while (digits < text.size() && digits < 10 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + static_cast<unsigned>(text[digits++] - '0');
  }
  if (digits == 0 || value > 0xffffffffULL) return std::nullopt;
  text.remove_prefix(digits);
  return static_cast<unsigned long>(value);
}

}  // namespace

std::string TemporaryName(std::string_view name, unsigned long processId, unsigned long number) {
  return std::string(KeptPart(name)) + "." + std::to_string(processId & 0xffffffffUL) + "-" +
         std::to_string(number & 0xffffffffUL) + ".tmp";
}

std::optional<unsigned long> TemporaryNameWriter(std::string_view name, std::string_view entry) {
  const std::string_view kept = KeptPart(name);
  if (entry.substr(0, kept.size()) != kept) return std::nullopt;
  entry.remove_prefix(kept.size());
  if (entry.empty() || entry.front() != '.') return std::nullopt;
  entry.remove_prefix(1);
  const std::optional<unsigned long> writer = TakeNumber(entry);
  if (!writer || entry.empty() || entry.front() != '-') return std::nullopt;
  entry.remove_prefix(1);
  if (!TakeNumber(entry) || entry != ".tmp") return std::nullopt;
  return writer;
}
