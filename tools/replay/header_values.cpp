#include "tools/replay/header_values.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "reports/cabrillo_header_fields.h"

namespace {

// The plain letters of U+00C0 to U+017F, by code point; "*" where there is none (the
// signs of multiplication and division).
constexpr const char* kPlainLetters =
    "A A A A A A AE C E E E E I I I I D N O O O O O * O U U U U Y TH ss "
    "a a a a a a ae c e e e e i i i i d n o o o o o * o u u u u y th y "
    "A a A a A a C c C c C c C c D d D d E e E e E e E e E e G g G g "
    "G g G g H h H h I i I i I i I i I i IJ ij J j K k k L l L l L l L "
    "l L l N n N n N n 'n N n O o O o O o OE oe R r R r R r S s S s S s "
    "S s T t T t T t U u U u U u U u U u U u W w Y y Y Z z Z z Z z s";
constexpr unsigned kFirstPlain = 0xC0;

// The plain text of a letter with an accent, by code point; empty when there is none.
std::string_view PlainLetter(unsigned codePoint) {
  std::string_view letters = kPlainLetters;
  if (codePoint < kFirstPlain) return {};
  for (unsigned skip = codePoint - kFirstPlain; skip > 0; --skip) {
    const size_t blank = letters.find(' ');
    if (blank == std::string_view::npos) return {};
    letters.remove_prefix(blank + 1);
  }
  const std::string_view letter = letters.substr(0, letters.find(' '));
  return letter == "*" ? std::string_view() : letter;
}

// The UTF-8 character at `at` and its length; the length is 0 when the bytes are none.
unsigned NextCharacter(std::string_view text, size_t at, size_t& length) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned first = byte(at);
  length = first >= 0xC2 && first < 0xE0   ? 2
           : first >= 0xE0 && first < 0xF0 ? 3
           : first >= 0xF0 && first < 0xF5 ? 4
                                           : 0;
  if (length == 0 || at + length > text.size()) {
    length = 0;
    return 0;
  }
  unsigned codePoint = first & (0x7Fu >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      length = 0;
      return 0;
    }
    codePoint = codePoint << 6 | (byte(at + i) & 0x3Fu);
  }
  return codePoint;
}

// The text in printable ASCII, accents made plain; false when a character has no plain form.
bool PlainText(std::string_view text, std::string& plain, std::string& unplain) {
  for (size_t at = 0; at < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c >= 0x20 && c < 0x7F) {
      plain += static_cast<char>(c);
      ++at;
      continue;
    }
    size_t length = 0;
    const unsigned codePoint = c >= 0x80 ? NextCharacter(text, at, length) : 0;
    const std::string_view letter = PlainLetter(codePoint);
    if (letter.empty()) {
      unplain = length > 0 ? std::string(text.substr(at, length)) : "byte " + std::to_string(c);
      return false;
    }
    plain += letter;
    at += length;
  }
  return true;
}

std::string Joined(std::initializer_list<const char*> values) {
  std::string text;
  for (const char* value : values) text += (text.empty() ? "" : ", ") + std::string(value);
  return text;
}

}  // namespace

AcceptedValue AcceptedHeaderValue(std::string_view tag, std::string_view value) {
  AcceptedValue accepted;
  const std::string line = std::string(tag) + ": " + std::string(value);
  std::string unplain;
  if (!PlainText(value, accepted.value, unplain)) {
    accepted.refusal = line + ": '" + unplain + "' has no plain ASCII form, which robots need";
    return accepted;
  }
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (tag == "CLAIMED-SCORE" &&
      (accepted.value.empty() ||
       !std::all_of(accepted.value.begin(), accepted.value.end(), isDigit))) {
    accepted.refusal = line + ": the claimed score is digits only";
    return accepted;
  }
  for (const HeaderFieldValues& values : kHeaderFieldValues) {
    if (values.accepted.size() == 0 || HeaderField(values.field).tag != tag) continue;
    const std::string upper = UpperAscii(accepted.value);
    const auto known = [&](std::initializer_list<const char*> list) {
      return std::any_of(list.begin(), list.end(), [&](const char* v) { return upper == v; });
    };
    if (known(values.accepted)) {
      accepted.value = upper;
    } else if (known(values.offered)) {
      const char* robotsName = RobotsNameOf(upper);
      accepted.warning = line + ": the header dialog offers it, but robots expect " +
                         (robotsName ? robotsName : "one of " + Joined(values.accepted));
    } else {
      accepted.refusal = line + ": robots accept " + Joined(values.accepted);
    }
  }
  return accepted;
}
