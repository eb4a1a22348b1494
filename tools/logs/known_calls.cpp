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
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == '#') continue;
    known.Add(BaseCall(UpperAscii(line)));
  }
  return known;
}

size_t KnownCalls::size() const {
  return calls_.size();
}

bool KnownCalls::Contains(std::string_view baseCall) const {
  if (slots_.empty()) return false;
  const size_t mask = slots_.size() - 1;
  for (size_t at = HashOf(baseCall) & mask; slots_[at] != 0; at = (at + 1) & mask) {
    if (calls_[slots_[at] - 1] == baseCall) return true;
  }
  return false;
}

void KnownCalls::Add(std::string_view baseCall) {
  if (baseCall.empty() || Contains(baseCall)) return;
  if ((calls_.size() + 1) * 2 > slots_.size()) Grow();
  calls_.emplace_back(baseCall);
  const size_t mask = slots_.size() - 1;
  size_t at = HashOf(baseCall) & mask;
  while (slots_[at] != 0) at = (at + 1) & mask;
  slots_[at] = static_cast<unsigned>(calls_.size());
}

// Half full at most, so that a probe ends soon.
void KnownCalls::Grow() {
  slots_.assign(std::max<size_t>(64, slots_.size() * 2), 0);
  const size_t mask = slots_.size() - 1;
  for (size_t index = 0; index < calls_.size(); ++index) {
    size_t at = HashOf(calls_[index]) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = static_cast<unsigned>(index + 1);
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
