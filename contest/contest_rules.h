#pragma once
// The contest's fixed vocabulary: UK/EI prefixes, the prefixes that switch the windows to
// Russian captions, the UK/EI area codes, and the contest bands and modes.

#include <array>
#include <string_view>

constexpr int kBandSlots = 6;

// Band slots shared by every per-band table: 0 = 160m, 1 = 80m, ... 5 = 10m.
constexpr std::array<std::string_view, kBandSlots> kBandNames = {"160m", "80m", "40m",
                                                                 "20m",  "15m", "10m"};

constexpr std::array<std::string_view, 155> kAreaCodes = {
    "AB", "AL", "AN", "AR", "BA", "BB", "BD", "BH", "BL", "BM", "BN", "BR", "BS", "CA", "CB", "CE",
    "CF", "CH", "CK", "CL", "CM", "CN", "CO", "CR", "CT", "CV", "CW", "DA", "DD", "DE", "DG", "DH",
    "DL", "DN", "DO", "DR", "DT", "DU", "DW", "DY", "EC", "EH", "EL", "EN", "EX", "FE", "FK", "FY",
    "GA", "GL", "GS", "GU", "GY", "HA", "HD", "HG", "HP", "HR", "HS", "HU", "HX", "IG", "IM", "IP",
    "IV", "JE", "KA", "KD", "KE", "KI", "KT", "KW", "KY", "LA", "LD", "LE", "LF", "LH", "LI", "LL",
    "LN", "LO", "LP", "LS", "LT", "LU", "MA", "ME", "MK", "ML", "MO", "MR", "MT", "NE", "NG", "NL",
    "NN", "NP", "NR", "NW", "OF", "OL", "OX", "PA", "PE", "PH", "PL", "PO", "PR", "RG", "RH", "RM",
    "RO", "SA", "SD", "SE", "SG", "SI", "SK", "SL", "SM", "SN", "SO", "SP", "SR", "SS", "ST", "SW",
    "SY", "TA", "TD", "TF", "TI", "TN", "TQ", "TR", "TS", "TW", "TY", "UB", "WA", "WC", "WD", "WF",
    "WI", "WL", "WM", "WN", "WR", "WS", "WT", "WV", "WX", "YO", "ZE"};

// Exact, case-sensitive whole-text tests. A valid area code is one of the table or NK, which
// the contest rules ask Norwich to send.
bool IsUkEiPrefix(std::string_view prefix);
bool IsRussianCaptionPrefix(std::string_view prefix);
bool IsValidAreaCode(std::string_view code);
// The district of a valid area code, by which area multipliers count and the area window
// ticks its box: NR for NK, the code itself otherwise.
std::string_view AreaDistrict(std::string_view code);

// UK/EI stations score double in the small hours, 01:00 to 04:59 UTC.
constexpr bool IsBonusHour(int hourOfDay) {
  return hourOfDay >= 1 && hourOfDay < 5;
}

// A fixed list of texts compared ignoring letter case.
class CContestRules {
 public:
  template <size_t N>
  constexpr explicit CContestRules(const std::array<std::string_view, N>& entries)
      : entries_(entries.data()), count_(N) {}

  bool ContainsNoCase(std::string_view text) const;

 private:
  const std::string_view* entries_;
  size_t count_;
};

// Slot 0 repeats "80m": there are six slots but no 160 m entry, so 160 m is no contest band.
inline constexpr std::array<std::string_view, kBandSlots> kContestBands = {"80m", "80m", "40m",
                                                                           "20m", "15m", "10m"};
inline constexpr std::array<std::string_view, 2> kContestModes = {"CW", "SSB"};
inline constexpr CContestRules bandRules{kContestBands};
inline constexpr CContestRules modeRules{kContestModes};

// The band slot of a band text compared exactly ("160m" is slot 0), or -1.
int BandSlotExact(std::string_view band);
// The slot a band text feeds, ignoring case ("20M" feeds the 20m slot), or -1.
int BandSlotNoCase(std::string_view band);
