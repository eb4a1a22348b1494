#include "tools/logs/known_calls.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "tools/logs/whole_file.h"

namespace {

constexpr std::string_view kCallCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

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
  KnownCalls known(text.size() / 8);  // a line of about 8 bytes
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
  return static_cast<size_t>(calls_.count());
}

std::string_view KnownCalls::operator[](size_t index) const {
  return calls_.TextOf(static_cast<int>(index));
}

bool KnownCalls::Contains(std::string_view baseCall) const {
  return calls_.Find(baseCall) != TextNumbers::kUnknown;
}

size_t KnownCalls::Add(std::string_view baseCall) {
  return static_cast<size_t>(calls_.NumberOf(baseCall));
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
