#include "tests/model/reference_log.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const kUkEi[] = {"EI", "G", "GD", "GI", "GJ", "GM", "GU", "GW"};
const char* const kAreas =
    "AB AL AN AR BA BB BD BH BL BM BN BR BS CA CB CE CF CH CK CL CM CN CO CR CT CV CW DA DD DE "
    "DG DH DL DN DO DR DT DU DW DY EC EH EL EN EX FE FK FY GA GL GS GU GY HA HD HG HP HR HS HU "
    "HX IG IM IP IV JE KA KD KE KI KT KW KY LA LD LE LF LH LI LL LN LO LP LS LT LU MA ME MK ML "
    "MO MR MT NE NG NL NN NP NR NW OF OL OX PA PE PH PL PO PR RG RH RM RO SA SD SE SG SI SK SL "
    "SM SN SO SP SR SS ST SW SY TA TD TF TI TN TQ TR TS TW TY UB WA WC WD WF WI WL WM WN WR WS "
    "WT WV WX YO ZE";

bool UkEi(const std::string& prefix) {
  for (const char* p : kUkEi) {
    if (prefix == p) return true;
  }
  return false;
}

bool ValidArea(const std::string& code) {
  if (code == "NK") return true;  // Norwich, the table's NR
  if (code.size() != 2) return false;
  for (const char* p = kAreas;; p += 3) {
    if (code[0] == p[0] && code[1] == p[1]) return true;
    if (p[2] == '\0') return false;  // the last code has no blank after it
  }
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool ContestBand(const std::string& band) {
  const std::string b = Lower(band);
  return b == "80m" || b == "40m" || b == "20m" || b == "15m" || b == "10m";
}

bool ContestMode(const std::string& mode) {
  const std::string m = Lower(mode);
  return m == "cw" || m == "ssb";
}

bool Space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && Space(text[first])) ++first;
  while (last > first && Space(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string Right2(const std::string& text) {
  return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

}  // namespace

void ReferenceLog::Reset(const ModelStation& station, const std::string& settingsAreaCode,
                         bool cwLeg) {
  log_.clear();
  bandsSeen_.clear();
  station_ = station;
  cwLeg_ = cwLeg;
  ukEiStation_ = UkEi(station.ownPrefix);
  ownAreaCode_ = ukEiStation_ ? settingsAreaCode : "";
  statsFileName_ = "VurovODUVIR_EI_" + FormatDate(station.end, "%d_%m_%Y") + ".txt";
  statsFile_ = cwLeg ? "UK/EI CW DX Contest UBN file \r\n" : "UK/EI SSB DX Contest UBN file \r\n";
}

void ReferenceLog::Problem(const ModelQsoInput& q, const std::string& tail) {
  std::string line = "QSO:  " + std::to_string(q.frequencyHz / 1000) + "  " + q.mode + "  " +
                     FormatDate(q.time, "%Y-%m-%d %H%M") + "  " + q.ownCall + "  " + q.rstSent +
                     "  " + q.sentNumber + "  " + q.call + "  " + q.rstReceived + "  " +
                     q.exchange + tail;
  // No text adds a line: each control character is written as a blank.
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  }
  statsFile_ += line + "\r\n";
}

int ReferenceLog::Add(const ModelQsoInput& q) {
  bool seen = false;
  for (const std::string& band : bandsSeen_) seen = seen || band == q.band;
  if (!seen) bandsSeen_.push_back(q.band);
  if (q.exchange.empty() || q.sentNumber.empty()) {
    Problem(q, "   NO TX or RX NUMBER !!!");
    return 0;
  }
  if (!ContestBand(q.band)) {
    Problem(q, "   NO CONTEST BAND !!!");
    return 0;
  }
  if (!ContestMode(q.mode)) {
    Problem(q, "   NO CONTEST MODE !!!");
    return 0;
  }

  ModelQso r;
  r.call = q.call;
  r.band = q.band;
  r.mode = q.mode;
  r.continent = q.continent;
  r.rstReceived = q.rstReceived;
  r.rstSent = q.rstSent;
  r.time = q.time;
  const std::string exchange = Trim(q.exchange);
  if (UkEi(q.prefix)) {
    std::string upper = exchange;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (ValidArea(Right2(upper))) {
      r.areaCode = Right2(upper);
    } else {
      Problem(q, "  " + upper + "  UK/EI Code Area is not acceptable !!!");
    }
    bool digitsOnly = !exchange.empty();
    for (char c : exchange) digitsOnly = digitsOnly && c >= '0' && c <= '9';
    if (digitsOnly) {
      // A serial without an area code: written as a DX station's.
      r.exchangeReceived = (exchange.size() == 1   ? "00"
                            : exchange.size() == 2 ? "0"
                                                   : "") +
                           exchange + " --";
    } else if (exchange.find(' ') != std::string::npos) {
      r.exchangeReceived = exchange.size() == 4   ? "00" + exchange
                           : exchange.size() == 5 ? "0" + exchange
                                                  : exchange;
    } else {
      const std::string number = upper.size() >= 3 ? upper.substr(0, upper.size() - 2) : "";
      r.exchangeReceived = (upper.size() == 3   ? "00"
                            : upper.size() == 4 ? "0"
                                                : "") +
                           number + " " + Right2(upper);
    }
  } else {
    r.exchangeReceived = (exchange.size() == 1   ? "00"
                          : exchange.size() == 2 ? "0"
                                                 : "") +
                         exchange + " --";
  }
  r.exchangeSent = q.sentNumber + (ukEiStation_ ? " " + ownAreaCode_ : " --");
  r.prefix = q.prefix;
  r.frequencyKhz = static_cast<int>(q.frequencyHz / 1000);
  for (const ModelQso& earlier : log_) {
    if (earlier.call == r.call && earlier.band == r.band && earlier.mode == r.mode) {
      r.isDupe = true;
      Problem(q, "   DUPE !!!");
    }
  }
  log_.push_back(r);
  return 1;
}

int ReferenceLog::Remove(const ModelQsoInput& q) {
  if (!ContestMode(q.mode)) return 0;
  if (q.exchange.empty() || q.sentNumber.empty()) return 0;
  for (size_t i = 0; i < log_.size(); ++i) {
    if (log_[i].call == q.call && log_[i].mode == q.mode && log_[i].band == q.band) {
      log_.erase(log_.begin() + static_cast<long>(i));
      // Dupe flags of the remaining QSOs with that call, band and mode, in log order.
      bool first = true;
      for (ModelQso& r : log_) {
        if (r.call == q.call && r.mode == q.mode && r.band == q.band) {
          r.isDupe = !first;
          first = false;
        }
      }
      break;
    }
  }
  return 1;
}

int ReferenceLog::Check(const std::string& call, const std::string& mode, const std::string& prefix,
                        const std::string& band) const {
  if (!ContestBand(band) || !ContestMode(mode)) return 4;
  if (call.empty()) return 1;
  for (const ModelQso& r : log_) {
    if (r.call == call && r.band == band) return 0;
  }
  if (prefix.empty()) return 1;
  for (const ModelQso& r : log_) {
    if (r.band == band && r.prefix == prefix) return 1;
  }
  return 2;
}

namespace {

int HourOf(const OleDate& time) {
  const auto fields = ToCalendar(time);
  return fields ? fields->hour : -1;
}

int Points(const ModelQso& q, bool ukEiStation, const std::string& ownContinent) {
  int base;
  if (ukEiStation) {
    base = q.continent == ownContinent ? 2 : 4;
    const int hour = HourOf(q.time);
    if (hour >= 1 && hour < 5) base *= 2;
  } else if (ownContinent == "EU") {
    base = UkEi(q.prefix) ? 2 : q.continent == "EU" ? 1 : 2;
  } else {
    base = UkEi(q.prefix) ? 4 : q.continent == "EU" ? 2 : 1;
  }
  return q.band == "80m" || q.band == "40m" ? base * 2 : base;
}

// Days on one time line: before the epoch the fraction of a negative day runs forwards.
double Line(double dt) {
  return dt >= 0 ? dt : std::trunc(dt) - (dt - std::trunc(dt));
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  for (const std::string& entry : list) {
    if (entry == text) return true;
  }
  return false;
}

}  // namespace

ModelReport ReferenceLog::Report(bool exportRun) {
  ModelReport report;
  report.dxccBySlot.assign(6, {});
  report.areasBySlot.assign(6, {});
  report.slotRebuilt.assign(6, false);
  char line[512];
  std::snprintf(line, sizeof line,
                "  UK/EI DX  %s DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
                "Band\tQSOs\tPoints\tDXCC\tArea\r\n",
                cwLeg_ ? "CW" : "SSB", FormatDate(station_.start, "%d.%m").c_str(),
                FormatDate(station_.end, "%d.%m.%Y").c_str(), station_.ownCall.c_str());
  report.text = line;

  auto key = [](std::string band) {
    while (band.size() < 20) band = "0" + band;
    return band;
  };
  for (size_t i = 0; i + 1 < bandsSeen_.size(); ++i) {
    for (size_t j = i + 1; j < bandsSeen_.size(); ++j) {
      if (key(bandsSeen_[i]) < key(bandsSeen_[j])) std::swap(bandsSeen_[i], bandsSeen_[j]);
    }
  }

  const char* const slotNames[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  long long totalQsos = 0, totalPoints = 0, totalDxcc = 0, totalAreas = 0;
  int hourQsos = 0, hourPoints = 0, tenQsos = 0, tenPoints = 0, lastPoints = 0;
  int lastIndex = -1;
  const OleDate reference = log_.empty() ? OleDate{} : log_.back().time;
  std::vector<int> slotOfBand;
  for (const std::string& band : bandsSeen_) {
    int slot = -1;
    for (int s = 0; s < 6; ++s) {
      if (band == slotNames[s]) slot = s;
    }
    if (slot < 0 && ContestBand(band)) {
      for (int s = 1; s < 6; ++s) {
        if (Lower(band) == slotNames[s]) slot = s;
      }
    }
    if (slot >= 0) report.slotRebuilt[slot] = true;
    slotOfBand.push_back(slot);
    std::vector<std::string> prefixes, areas;
    int qsos = 0, points = 0;
    for (size_t i = 0; i < log_.size(); ++i) {
      const ModelQso& q = log_[i];
      if (q.band != band || q.call.empty() || q.isDupe) continue;
      ++qsos;
      const int p = Points(q, ukEiStation_, station_.ownContinent);
      points += p;
      if (static_cast<int>(i) > lastIndex) {
        lastIndex = static_cast<int>(i);
        lastPoints = p;
      }
      if (!exportRun && reference.m_status == OleDate::kValid &&
          q.time.m_status == OleDate::kValid) {
        const double days = Line(reference.m_dt) - Line(q.time.m_dt);
        const double minutes = std::trunc((days + (days < 0 ? -0.5 : 0.5) / 86400.0) * 1440.0);
        if (minutes < 60) {
          ++hourQsos;
          hourPoints += p;
        }
        if (minutes < 10) {
          ++tenQsos;
          tenPoints += p;
        }
      }
      if (!q.prefix.empty() && !Contains(prefixes, q.prefix)) prefixes.push_back(q.prefix);
      const std::string district = q.areaCode == "NK" ? "NR" : q.areaCode;
      if (!district.empty() && !Contains(areas, district)) areas.push_back(district);
    }
    std::snprintf(line, sizeof line, "%s\t %i\t %i\t %i\t %i\r\n", band.c_str(), qsos, points,
                  static_cast<int>(prefixes.size()), static_cast<int>(areas.size()));
    report.text += line;
    totalQsos += qsos;
    totalPoints += points;
    totalDxcc += static_cast<long long>(prefixes.size());
    totalAreas += static_cast<long long>(areas.size());
  }
  // A slot fed by two band texts ("20m" and "20M") lists its values once, in log order.
  for (const ModelQso& q : log_) {
    if (q.call.empty() || q.isDupe) continue;
    for (size_t row = 0; row < bandsSeen_.size(); ++row) {
      const int slot = slotOfBand[row];
      if (bandsSeen_[row] != q.band || slot < 0) continue;
      if (!q.prefix.empty() && !Contains(report.dxccBySlot[slot], q.prefix)) {
        report.dxccBySlot[slot].push_back(q.prefix);
      }
      const std::string district = q.areaCode == "NK" ? "NR" : q.areaCode;
      if (!district.empty() && !Contains(report.areasBySlot[slot], district)) {
        report.areasBySlot[slot].push_back(district);
      }
    }
  }
  report.score = totalPoints * (totalDxcc + totalAreas);
  std::snprintf(line, sizeof line, "Total\t %lld\t %lld\t %lld\t %lld\r\n", totalQsos, totalPoints,
                totalDxcc, totalAreas);
  report.text += line;
  if (!exportRun && !log_.empty()) {
    std::snprintf(line, sizeof line,
                  "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\nHourly (10min) pts rate: "
                  "%5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                  hourQsos, 6 * tenQsos, hourPoints, 6 * tenPoints, lastPoints);
    report.text += line;
  }
  std::snprintf(line, sizeof line, "\r\nScore: %lld*(%lld+%lld) = %lld\r\n", totalPoints, totalDxcc,
                totalAreas, report.score);
  report.text += line;
  return report;
}
