#pragma once
// Realistic contest logs of the UK/EI DX Contest for demonstrations, tests and benchmarks:
// real call signs, rates that follow the time of day, bands that follow propagation,
// runs and search-and-pounce, stations worked again on other bands, a few dupes, a few
// 160 m QSOs and a few miscopied area codes. For the check before submission it plants
// three busted calls, one changed area code and one received serial going backwards. The
// same description and seed always give the same log, byte for byte.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ole_date.h"
#include "tools/logs/cty_database.h"
#include "tools/logs/known_calls.h"

struct SampleLogPlan {
  enum class Format { kAdif, kCabrillo };
  enum class Region { kEurope, kNorthAmerica };  // decides propagation and whom it works
  std::string ownCall;
  std::string ownAreaCode;  // UK/EI stations only
  bool cwLeg = true;
  Format format = Format::kAdif;
  Region region = Region::kEurope;
  int qsos = 2000;
  CalendarTime contestStart{};  // 12:00 UTC; the log covers the following 24 hours
  unsigned seed = 1;
};

// A UK station on the CW leg, ADIF; a North American station on the SSB leg, Cabrillo.
SampleLogPlan UkCwSample();
SampleLogPlan DxSsbSample();

// The calls a sample log may work, grouped by where the country file places them.
class CallPool {
 public:
  // `masterScp`: one call a line, "#" comments (the MASTER.SCP file). Calls the country
  // file cannot place are left out.
  CallPool(std::string_view masterScp, const CtyDatabase& cty);

  enum Group { kUkEi, kEurope, kNorthAmerica, kAsia, kElsewhere, kGroups };
  struct Station {
    std::string call;
    std::string prefix;
  };
  const std::vector<Station>& group(Group g) const { return groups_[g]; }
  // Every call of the file, placed or not.
  const KnownCalls& known() const { return known_; }

 private:
  std::vector<Station> groups_[kGroups];
  KnownCalls known_;
};

std::string GenerateSampleLog(const SampleLogPlan& plan, const CallPool& pool);
