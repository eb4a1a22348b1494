#include "contest/contest_rules.h"

#include <algorithm>

#include "platform/ascii_text.h"

namespace {

constexpr std::array<std::string_view, 8> kUkEiPrefixes = {"EI", "G",  "GD", "GI",
                                                           "GJ", "GM", "GU", "GW"};
constexpr std::array<std::string_view, 7> kRussianCaptionPrefixes = {"UA", "UA2", "UA2/f", "UA9",
                                                                     "UN", "UR",  "EU"};

// Norwich sends NK; the table knows the district as NR.
constexpr std::string_view kNorwich = "NK";
constexpr std::string_view kNorwichInTable = "NR";

template <size_t N>
bool Contains(const std::array<std::string_view, N>& table, std::string_view text) {
  return std::find(table.begin(), table.end(), text) != table.end();
}

}  // namespace

bool IsUkEiPrefix(std::string_view prefix) {
  return Contains(kUkEiPrefixes, prefix);
}
bool IsRussianCaptionPrefix(std::string_view prefix) {
  return Contains(kRussianCaptionPrefixes, prefix);
}
bool IsValidAreaCode(std::string_view code) {
  return code == kNorwich || std::binary_search(kAreaCodes.begin(), kAreaCodes.end(), code);
}
std::string_view AreaDistrict(std::string_view code) {
  return code == kNorwich ? kNorwichInTable : code;
}

bool CContestRules::ContainsNoCase(std::string_view text) const {
  for (size_t i = 0; i < count_; ++i) {
    if (EqualNoCase(entries_[i], text)) return true;
  }
  return false;
}

int BandSlotExact(std::string_view band) {
  const auto found = std::find(kBandNames.begin(), kBandNames.end(), band);
  return found == kBandNames.end() ? -1 : static_cast<int>(found - kBandNames.begin());
}

int BandSlotNoCase(std::string_view band) {
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (EqualNoCase(kBandNames[slot], band)) return slot;
  }
  return -1;
}
