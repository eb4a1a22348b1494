#include "tools/samples/sample_log.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <stdexcept>

#include "contest/contest_rules.h"
#include "platform/ascii_text.h"
#include "platform/text_format.h"

namespace {

// Per band slot, in the plug-in's order: 160m, 80m, 40m, 20m, 15m, 10m.
using BandWeights = std::array<int, kBandSlots>;
// Per group of worked stations: UK/EI, Europe, North America, Asia, elsewhere.
using GroupWeights = std::array<int, CallPool::kGroups>;

struct Segment {
  int lowKhz, highKhz;
};
constexpr std::array<Segment, kBandSlots> kCwSegments = {
    {{1810, 1840}, {3500, 3560}, {7000, 7035}, {14000, 14060}, {21000, 21060}, {28000, 28060}}};
constexpr std::array<Segment, kBandSlots> kSsbSegments = {
    {{1843, 1900}, {3600, 3775}, {7060, 7190}, {14150, 14340}, {21200, 21440}, {28400, 28700}}};

// How the station and propagation behave, hour by hour (UTC) and band by band.
struct Propagation {
  std::array<int, 24> hourlyRate;  // relative QSO rate; 0 while the operator sleeps
  // Band mix by UTC hour: the first entry whose hour bound is above the hour applies.
  std::vector<std::pair<int, BandWeights>> bandsByHour;
  std::array<GroupWeights, kBandSlots> groupsByBand;
};

const Propagation kEurope = {{40,  30,  15,  0,   0,  15, 45, 60, 70, 75, 80, 90,
                              140, 120, 110, 100, 95, 90, 85, 80, 75, 65, 55, 45},
                             {{{6, {5, 55, 40, 0, 0, 0}},
                               {8, {0, 30, 50, 20, 0, 0}},
                               {10, {0, 0, 25, 50, 20, 5}},
                               {12, {0, 0, 10, 35, 30, 25}},
                               {15, {0, 0, 10, 30, 30, 30}},
                               {17, {0, 0, 25, 45, 20, 10}},
                               {20, {0, 20, 45, 35, 0, 0}},
                               {24, {1, 46, 45, 8, 0, 0}}}},
                             {{{45, 55, 0, 0, 0},
                               {40, 58, 1, 0, 1},
                               {35, 55, 6, 2, 2},
                               {25, 45, 15, 10, 5},
                               {20, 45, 18, 10, 7},
                               {20, 45, 15, 10, 10}}}};

const Propagation kNorthAmerica = {{40,  35,  20,  10,  0,   0,  0,  15, 30, 50, 80, 110,
                                    120, 130, 120, 110, 100, 90, 70, 60, 50, 45, 40, 35},
                                   {{{7, {5, 50, 45, 0, 0, 0}},
                                     {10, {0, 30, 50, 20, 0, 0}},
                                     {12, {0, 0, 15, 45, 30, 10}},
                                     {15, {0, 0, 5, 35, 35, 25}},
                                     {18, {0, 0, 10, 50, 30, 10}},
                                     {21, {0, 5, 35, 55, 5, 0}},
                                     {24, {1, 36, 51, 12, 0, 0}}}},
                                   {{{10, 10, 80, 0, 0},
                                     {25, 25, 48, 0, 2},
                                     {35, 35, 25, 2, 3},
                                     {40, 35, 15, 5, 5},
                                     {40, 35, 15, 4, 6},
                                     {40, 30, 20, 4, 6}}}};

// Area codes by DXCC prefix; England has every code the others do not.
const std::map<std::string, std::vector<std::string>> kAreasOutsideEngland = {
    {"GM",
     {"AB", "DD", "DG", "EH", "FK", "GA", "HS", "IV", "KA", "KW", "KY", "ML", "PA", "PH", "TD",
      "ZE"}},
    {"GW", {"CF", "LD", "LL", "NP", "SA"}},
    {"GI", {"AN", "AR", "DN", "FE", "LO", "TY"}},
    {"GD", {"IM"}},
    {"GJ", {"JE"}},
    {"GU", {"GU"}},
    {"EI", {"CE", "CK", "CN", "CW", "DL", "DU", "GY", "KE", "KI", "KY", "LD", "LH",
            "LI", "LS", "ME", "MO", "OF", "RO", "SO", "TI", "WF", "WI", "WM", "WX"}}};
// Miscopied area codes: none of them is valid.
constexpr std::array<const char*, 4> kMiscopiedAreas = {"LX", "SZ", "GX", "BQ"};

constexpr double kDupeChance = 0.008;
constexpr double kWorkedBeforeChance = 0.22;  // a station met on another band
constexpr double kMiscopiedAreaChance = 0.008;
constexpr int kBlockSeconds = 900;  // the operator picks band and run frequency per block

std::map<std::string, std::vector<std::string>> AreasByPrefix() {
  std::map<std::string, std::vector<std::string>> areas = kAreasOutsideEngland;
  std::set<std::string> elsewhere;
  for (const auto& [prefix, codes] : kAreasOutsideEngland) {
    elsewhere.insert(codes.begin(), codes.end());
  }
  for (const std::string_view code : kAreaCodes) {
    if (elsewhere.count(std::string(code)) == 0) areas["G"].emplace_back(code);
  }
  return areas;
}

// mt19937 gives the same numbers everywhere; the standard distributions do not.
class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  unsigned Below(unsigned n) { return static_cast<unsigned>(engine_() % n); }
  bool Chance(double p) { return static_cast<double>(engine_()) < p * 4294967296.0; }
  template <size_t N>
  size_t Pick(const std::array<int, N>& weights) {
    int total = 0;
    for (const int weight : weights) total += weight;
    int ticket = static_cast<int>(Below(static_cast<unsigned>(total)));
    for (size_t i = 0; i < N; ++i) {
      if (ticket < weights[i]) return i;
      ticket -= weights[i];
    }
    return N - 1;
  }

 private:
  std::mt19937 engine_;
};

struct Qso {
  int second;  // since the contest start
  int band;
  int frequencyHz;
  std::string call;
  int sentNumber;
  int receivedNumber;
  std::string receivedArea;  // UK/EI stations
  std::string prefix;
};

class LogMaker {
 public:
  LogMaker(const SampleLogPlan& plan, const CallPool& pool)
      : plan_(plan),
        pool_(pool),
        propagation_(plan.region == SampleLogPlan::Region::kEurope ? kEurope : kNorthAmerica),
        random_(plan.seed),
        areas_(AreasByPrefix()) {
    for (int group = 0; group < CallPool::kGroups; ++group) {
      if (pool.group(static_cast<CallPool::Group>(group)).empty()) {
        throw std::runtime_error("the call list lacks stations of some continents");
      }
    }
  }

  std::vector<Qso> Make() {
    std::vector<Qso> qsos;
    for (const int second : QsoSeconds()) {
      Qso qso;
      qso.second = second;
      const Block& block = BlockAt(second);
      const bool onBlockBand = random_.Chance(block.running ? 0.97 : 0.9);
      qso.band = onBlockBand ? block.band : static_cast<int>(random_.Pick(BandsAt(second)));
      qso.frequencyHz = onBlockBand && block.running
                            ? block.runFrequencyHz + static_cast<int>(random_.Below(4)) * 100
                            : FrequencyOn(qso.band);
      const CallPool::Station& station = ChooseStation(qso.band);
      qso.call = station.call;
      qso.sentNumber = static_cast<int>(qsos.size()) + 1;
      qso.receivedNumber = ReceivedNumber(station.call, second);
      if (IsUkEiPrefix(station.prefix)) qso.receivedArea = AreaOf(station);
      qso.prefix = station.prefix;
      qsos.push_back(std::move(qso));
    }
    PlantFaults(qsos);
    return qsos;
  }

 private:
  struct Block {
    int band;
    bool running;
    int runFrequencyHz;
  };

  static int UtcHour(int second) { return (12 + second / 3600) % 24; }

  const BandWeights& BandsAt(int second) const {
    const int hour = UtcHour(second);
    for (const auto& [bound, weights] : propagation_.bandsByHour) {
      if (hour < bound) return weights;
    }
    return propagation_.bandsByHour.back().second;
  }

  // The QSO times: hours drawn by their rate, seconds within the hour at random, in order
  // and apart by a few seconds at least, as a fast operator manages.
  std::vector<int> QsoSeconds() {
    std::array<int, 24> rateByContestHour;
    for (int hour = 0; hour < 24; ++hour) {
      rateByContestHour[hour] = propagation_.hourlyRate[UtcHour(hour * 3600)];
    }
    std::vector<int> seconds(static_cast<size_t>(plan_.qsos));
    for (int& second : seconds) {
      second = static_cast<int>(random_.Pick(rateByContestHour)) * 3600 +
               static_cast<int>(random_.Below(3600));
    }
    std::sort(seconds.begin(), seconds.end());
    const int gap = std::min(6, 86400 / (2 * std::max(plan_.qsos, 1)));
    for (size_t i = 1; i < seconds.size(); ++i) {
      seconds[i] = std::min(std::max(seconds[i], seconds[i - 1] + gap), 86399);
    }
    return seconds;
  }

  const Block& BlockAt(int second) {
    const int index = second / kBlockSeconds;
    auto found = blocks_.find(index);
    if (found == blocks_.end()) {
      const int band = static_cast<int>(random_.Pick(BandsAt(second)));
      found = blocks_.emplace(index, Block{band, random_.Chance(0.7), FrequencyOn(band)}).first;
    }
    return found->second;
  }

  // Anywhere in the leg's segment of the band, to 100 Hz.
  int FrequencyOn(int band) {
    const Segment segment = (plan_.cwLeg ? kCwSegments : kSsbSegments)[band];
    const unsigned steps = static_cast<unsigned>(segment.highKhz - segment.lowKhz) * 10;
    return segment.lowKhz * 1000 + static_cast<int>(random_.Below(steps)) * 100;
  }

  const CallPool::Station& ChooseStation(int band) {
    std::vector<const CallPool::Station*>& thisBand = workedByBand_[band];
    const CallPool::Station* station = nullptr;
    if (!thisBand.empty() && random_.Chance(kDupeChance)) {
      station = thisBand[random_.Below(static_cast<unsigned>(thisBand.size()))];
    } else {
      if (!worked_.empty() && random_.Chance(kWorkedBeforeChance)) {
        station = NewOnBand(band, [&] { return worked_[random_.Below(worked_.size())]; });
      }
      if (station == nullptr) {
        const auto& group = pool_.group(
            static_cast<CallPool::Group>(random_.Pick(propagation_.groupsByBand[band])));
        station = NewOnBand(band, [&] { return &group[random_.Below(group.size())]; });
      }
      if (station == nullptr) {  // the group is worked out on this band: a dupe
        station = thisBand[random_.Below(static_cast<unsigned>(thisBand.size()))];
      }
      if (workedCalls_.insert(station->call).second) worked_.push_back(station);
      thisBand.push_back(station);
      onBand_[band].insert(station);
    }
    return *station;
  }

  // One of a few candidates not yet worked on the band, or null.
  template <typename Candidate>
  const CallPool::Station* NewOnBand(int band, Candidate candidate) {
    for (int attempt = 0; attempt < 10; ++attempt) {
      const CallPool::Station* station = candidate();
      if (onBand_[band].count(station) == 0) return station;
    }
    return nullptr;
  }

  // Each station has its own pace, most a modest one; its serial number grows with it, and
  // never goes back.
  int ReceivedNumber(const std::string& call, int second) {
    auto found = paceOf_.find(call);
    if (found == paceOf_.end()) {
      const unsigned pace = 8 + random_.Below(30) + (random_.Chance(0.3) ? random_.Below(80) : 0);
      found = paceOf_.emplace(call, Pace{pace, 0}).first;
    }
    const double hours = second / 3600.0;
    const double spread = 0.9 + random_.Below(21) / 100.0;
    Pace& pace = found->second;
    pace.lastNumber =
        std::max(pace.lastNumber + 1, 1 + static_cast<int>(pace.perHour * hours * spread));
    return pace.lastNumber;
  }

  // The faults the check before submission names, each from a fixed share of the log on,
  // where the first QSO fits: a call worked once busted in its last character into one
  // known nowhere, with the true call its only near one; the area code of a UK/EI station's
  // later QSO changed to another of its country; a serial received lower than the one
  // before from the same station.
  void PlantFaults(std::vector<Qso>& qsos) const {
    std::map<std::string, std::vector<size_t>> byCall;
    for (size_t index = 0; index < qsos.size(); ++index) byCall[qsos[index].call].push_back(index);
    KnownCalls workedAgain;
    for (const auto& [call, indexes] : byCall) {
      if (indexes.size() > 1) workedAgain.Add(BaseCall(call));
    }
    const KnownCalls& known = pool_.known();
    auto firstFrom = [&](size_t share, const auto& plant) {
      for (size_t index = qsos.size() * share / 8; index < qsos.size(); ++index) {
        const auto station = byCall.find(qsos[index].call);  // none: busted just now
        if (station != byCall.end() && plant(station->second)) return;
      }
    };
    for (const size_t share : {2, 4, 6}) {
      firstFrom(share, [&](const std::vector<size_t>& indexes) {
        std::string& call = qsos[indexes[0]].call;
        if (indexes.size() > 1 || BaseCall(call) != call) return false;
        for (const char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
          std::string busted = call;
          busted.back() = c;
          if (busted == call || known.Contains(busted)) continue;
          if (known.NearCalls(busted, &workedAgain) != std::vector<std::string>{call}) continue;
          call = busted;
          return true;
        }
        return false;
      });
    }
    firstFrom(3, [&](const std::vector<size_t>& indexes) {
      Qso& later = qsos[indexes.back()];
      if (indexes.size() < 2 || later.receivedArea.empty() ||
          later.receivedArea != qsos[indexes[0]].receivedArea) {
        return false;
      }
      const std::vector<std::string>& codes = areas_.at(later.prefix);
      const auto at = std::find(codes.begin(), codes.end(), later.receivedArea);
      if (codes.size() < 2 || at == codes.end()) return false;
      later.receivedArea = at + 1 == codes.end() ? codes.front() : *(at + 1);
      return true;
    });
    firstFrom(5, [&](const std::vector<size_t>& indexes) {
      if (indexes.size() < 2 || qsos[indexes[0]].receivedNumber <= 10) return false;
      qsos[indexes[1]].receivedNumber = qsos[indexes[0]].receivedNumber - 10;
      return true;
    });
  }

  std::string AreaOf(const CallPool::Station& station) {
    if (random_.Chance(kMiscopiedAreaChance)) {
      return kMiscopiedAreas[random_.Below(kMiscopiedAreas.size())];
    }
    auto found = areaOf_.find(station.call);
    if (found == areaOf_.end()) {
      const std::vector<std::string>& codes = areas_.at(station.prefix);
      found = areaOf_.emplace(station.call, codes[random_.Below(codes.size())]).first;
    }
    return found->second;
  }

  const SampleLogPlan& plan_;
  const CallPool& pool_;
  const Propagation& propagation_;
  Random random_;
  const std::map<std::string, std::vector<std::string>> areas_;
  std::map<int, Block> blocks_;
  // Per band, in the order worked (for picking one) and as a set (for asking).
  std::array<std::vector<const CallPool::Station*>, kBandSlots> workedByBand_;
  std::array<std::set<const CallPool::Station*>, kBandSlots> onBand_;
  std::vector<const CallPool::Station*> worked_;
  std::set<std::string> workedCalls_;
  struct Pace {
    unsigned perHour;
    int lastNumber;
  };
  std::map<std::string, Pace> paceOf_;
  std::map<std::string, std::string> areaOf_;
};

OleDate TimeOf(const SampleLogPlan& plan, int second) {
  return OleDate{FromCalendar(plan.contestStart).m_dt + second / 86400.0, OleDate::kValid};
}

std::string Serial(int number) {
  return Formatted("%03d", number);
}

void AddField(std::string& out, const char* name, const std::string& value) {
  out += "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string AdifLog(const SampleLogPlan& plan, const std::vector<Qso>& qsos) {
  const char* rst = plan.cwLeg ? "599" : "59";
  std::string out = "Sample log of the UK/EI DX Contest, " +
                    std::string(plan.cwLeg ? "CW" : "SSB") +
                    " leg, made by make-sample-logs with seed " + std::to_string(plan.seed) +
                    ".\nThe call signs are real; the QSOs are not.\n";
  AddField(out, "ADIF_VER", "3.1.4");
  AddField(out, "PROGRAMID", "make-sample-logs");
  out += "<EOH>\n";
  const std::string sentArea = plan.ownAreaCode.empty() ? "" : " " + plan.ownAreaCode;
  for (const Qso& qso : qsos) {
    const OleDate time = TimeOf(plan, qso.second);
    const std::string received =
        Serial(qso.receivedNumber) + (qso.receivedArea.empty() ? "" : " " + qso.receivedArea);
    AddField(out, "CALL", qso.call);
    AddField(out, "QSO_DATE", FormatDate(time, "%Y%m%d"));
    AddField(out, "TIME_ON", FormatDate(time, "%H%M%S"));
    AddField(out, "BAND", std::string(kBandNames[qso.band]));
    AddField(out, "FREQ",
             Formatted("%d.%04d", qso.frequencyHz / 1000000, qso.frequencyHz % 1000000 / 100));
    AddField(out, "MODE", plan.cwLeg ? "CW" : "SSB");
    AddField(out, "RST_SENT", rst);
    AddField(out, "RST_RCVD", rst);
    AddField(out, "STX", Serial(qso.sentNumber));
    AddField(out, "STX_STRING", Serial(qso.sentNumber) + sentArea);
    AddField(out, "SRX", Serial(qso.receivedNumber));
    AddField(out, "SRX_STRING", received);
    AddField(out, "STATION_CALLSIGN", plan.ownCall);
    AddField(out, "OPERATOR", plan.ownCall);
    out += "<EOR>\n";
  }
  return out;
}

std::string CabrilloLog(const SampleLogPlan& plan, const std::vector<Qso>& qsos) {
  const bool cw = plan.cwLeg;
  std::string out = "START-OF-LOG: 3.0\r\nCALLSIGN: " + plan.ownCall + "\r\n";
  out += cw ? "CONTEST: UKEIDXCW\r\n" : "CONTEST: UKEIDXSSB\r\n";
  out += "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\n";
  out += "CATEGORY-BAND: ALL\r\nCATEGORY-MODE: " + std::string(cw ? "CW" : "SSB") + "\r\n";
  out += "CATEGORY-POWER: HIGH\r\nCATEGORY-TIME: 24-HOURS\r\n";
  out += "CREATED-BY: make-sample-logs\r\nOPERATORS: " + plan.ownCall + "\r\n";
  out += "SOAPBOX: Sample log made with seed " + std::to_string(plan.seed) +
         ". The call signs are real; the QSOs are not.\r\n";
  const std::string sent = plan.ownAreaCode.empty() ? "" : " " + plan.ownAreaCode;
  for (const Qso& qso : qsos) {
    const std::string received =
        Serial(qso.receivedNumber) + (qso.receivedArea.empty() ? "" : " " + qso.receivedArea);
    out +=
        Formatted("QSO: %5d %s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", qso.frequencyHz / 1000,
                  cw ? "CW" : "PH", FormatDate(TimeOf(plan, qso.second), "%Y-%m-%d %H%M").c_str(),
                  plan.ownCall.c_str(), cw ? "599" : "59", (Serial(qso.sentNumber) + sent).c_str(),
                  qso.call.c_str(), cw ? "599" : "59", received.c_str());
  }
  return out + "END-OF-LOG:\r\n";
}

}  // namespace

SampleLogPlan UkCwSample() {
  SampleLogPlan plan;
  plan.ownCall = "G4SMP";
  plan.ownAreaCode = "CB";
  plan.cwLeg = true;
  plan.format = SampleLogPlan::Format::kAdif;
  plan.region = SampleLogPlan::Region::kEurope;
  plan.contestStart = CalendarTime{2023, 11, 11, 12, 0, 0};
  plan.seed = 3;
  return plan;
}

SampleLogPlan DxSsbSample() {
  SampleLogPlan plan;
  plan.ownCall = "K1SMP";
  plan.cwLeg = false;
  plan.format = SampleLogPlan::Format::kCabrillo;
  plan.region = SampleLogPlan::Region::kNorthAmerica;
  plan.contestStart = CalendarTime{2023, 5, 27, 12, 0, 0};
  plan.seed = 3;
  return plan;
}

CallPool::CallPool(std::string_view masterScp, const CtyDatabase& cty)
    : known_(KnownCalls::FromText(masterScp)) {
  size_t start = 0;
  while (start < masterScp.size()) {
    size_t end = masterScp.find('\n', start);
    if (end == std::string_view::npos) end = masterScp.size();
    const std::string call(TrimBlanks(masterScp.substr(start, end - start)));
    start = end + 1;
    if (call.empty() || call[0] == '#') continue;
    const Placement placement = cty.Resolve(call);
    if (!placement.placed()) continue;
    Group group = kElsewhere;
    if (IsUkEiPrefix(placement.prefix)) {
      group = kUkEi;
    } else if (placement.continent == "EU") {
      group = kEurope;
    } else if (placement.continent == "NA") {
      group = kNorthAmerica;
    } else if (placement.continent == "AS") {
      group = kAsia;
    }
    groups_[group].push_back(Station{call, placement.prefix});
  }
}

std::string GenerateSampleLog(const SampleLogPlan& plan, const CallPool& pool) {
  const std::vector<Qso> qsos = LogMaker(plan, pool).Make();
  return plan.format == SampleLogPlan::Format::kAdif ? AdifLog(plan, qsos)
                                                     : CabrilloLog(plan, qsos);
}
