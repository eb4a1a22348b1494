#include "tools/logs/known_calls.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "tools/logs/whole_file.h"

namespace {

constexpr std::string_view kCallCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// FNV-1a: calls are short, and this spreads them well enough for linear probing.
size_t HashOf(std::string_view text) {
  size_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

std::string_view BaseCall(std::string_view call) {
  std::string_view longest;
  while (true) {
    const size_t slash = call.find('/');
    const std::string_view part = call.substr(0, slash);
    if (part.size() > longest.size()) longest = part;
    if (slash == std::string_view::npos) return longest;
    call.remove_prefix(slash + 1);
  }
}

KnownCalls KnownCalls::Load(const std::string& path) {
  try {
    return FromText(ReadWholeFile(path));
  } catch (const FileError& error) {
    throw KnownCallsError(path + ": " + error.what());
  }
}

KnownCalls KnownCalls::FromText(std::string_view text) {
  KnownCalls known;
  // About two slots a call, with a line of about 8 bytes.
  known.Grow(text.size() / 4);
  known.ends_.reserve(text.size() / 8);
  known.text_.reserve(text.size());
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == '#') continue;
    const std::string upper = UpperAscii(line);
    if (!BaseCall(upper).empty()) known.Add(BaseCall(upper));
  }
  return known;
}

size_t KnownCalls::size() const {
  return ends_.size();
}

std::string_view KnownCalls::operator[](size_t index) const {
  const size_t start = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(start, ends_[index] - start);
}

size_t KnownCalls::SlotOf(std::string_view baseCall) const {
  const size_t mask = slots_.size() - 1;
  size_t at = HashOf(baseCall) & mask;
  while (slots_[at] != 0 && (*this)[slots_[at] - 1] != baseCall) at = (at + 1) & mask;
  return at;
}

bool KnownCalls::Contains(std::string_view baseCall) const {
  return !slots_.empty() && slots_[SlotOf(baseCall)] != 0;
}

size_t KnownCalls::Add(std::string_view baseCall) {
  // Half full at most, so that a probe ends soon.
  if ((size() + 1) * 2 > slots_.size()) Grow(slots_.size() * 2);
  const size_t slot = SlotOf(baseCall);
  if (slots_[slot] == 0) {
    text_.append(baseCall);
    ends_.push_back(text_.size());
    slots_[slot] = static_cast<unsigned>(size());
  }
  return slots_[slot] - 1;
}

void KnownCalls::Grow(size_t slots) {
  size_t count = 64;
  while (count < slots) count *= 2;
  slots_.assign(count, 0);
  for (size_t index = 0; index < size(); ++index) {
    slots_[SlotOf((*this)[index])] = static_cast<unsigned>(index + 1);
  }
}

std::vector<std::string> KnownCalls::NearCalls(std::string_view baseCall,
                                               const KnownCalls* more) const {
  std::vector<std::string> near;
  std::string variant;
  auto consider = [&] {
    if (variant.empty() || variant == baseCall) return;
    if (!Contains(variant) && !(more && more->Contains(variant))) return;
    if (std::find(near.begin(), near.end(), variant) == near.end()) near.push_back(variant);
  };
  const size_t length = baseCall.size();
  for (size_t at = 0; at <= length; ++at) {
    for (const char c : kCallCharacters) {
      variant.assign(baseCall.substr(0, at)).append(1, c).append(baseCall.substr(at));
      consider();  // a character added
      if (at == length) continue;
      variant.assign(baseCall).at(at) = c;
      consider();  // a character changed
    }
    if (at == length) continue;
    variant.assign(baseCall).erase(at, 1);
    consider();  // a character dropped
    if (at + 1 < length) {
      variant.assign(baseCall);
      std::swap(variant[at], variant[at + 1]);
      consider();  // two neighbours swapped
    }
  }
  return near;
}
