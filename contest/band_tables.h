#pragma once
// The per-band tables the report fills and the windows show, one entry per band slot.

#include <array>
#include <string>
#include <vector>

#include "contest/contest_rules.h"

// One worked-with row: band name, mode, time, zone, spare column.
using BandStatusRow = std::array<std::string, 5>;

// The multipliers worked on each band, in log order: DXCC prefixes and area districts.
struct WorkedLists {
  std::array<std::vector<std::string>, kBandSlots> workedDxccByBand;
  std::array<std::vector<std::string>, kBandSlots> workedAreasByBand;
};
