// Long random sequences of entry-point calls, played through the plug-in and through the
// plain reference model side by side: every answer, the log and the problem-line file
// must agree.

#include <cstdlib>
#include <random>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "platform/ini_file.h"
#include "plugin/contest_state.h"
#include "plugin/entry_points.h"
#include "tests/model/reference_log.h"

namespace {

class RandomSession {
 public:
  explicit RandomSession(unsigned seed) : random_(seed) {}

  template <size_t N>
  const char* Pick(const char* const (&choices)[N]) {
    return choices[std::uniform_int_distribution<size_t>(0, N - 1)(random_)];
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  ModelQsoInput NextQso() {
    static const char* const kCalls[] = {"G4ABC", "g4abc",  "GM3XYZ", "EI5XX", "DL1AAA", "W1AW",
                                         "VE3XX", "JA1ZZZ", "ZS6A",   "",      "OH2BH",  "G0\xe9Q"};
    // Some texts differ only in leading zeros: their report order keys are equal.
    static const char* const kBands[] = {"80m",
                                         "40m",
                                         "20m",
                                         "15m",
                                         "10m",
                                         "20M",
                                         "160m",
                                         "2m",
                                         "",
                                         "m",
                                         "0m",
                                         "020m",
                                         "00000000000000000000"};
    static const char* const kModes[] = {"CW", "SSB", "CW", "SSB", "cw", "Ssb", "RTTY", ""};
    static const char* const kPrefixes[] = {"G", "GM", "EI", "GW", "DL", "K", "VE", "JA", "", "gm"};
    static const char* const kContinents[] = {"EU", "NA", "AS", "AF", "OC", "SA", ""};
    static const char* const kExchanges[] = {
        "5LN", "12 ab", "7",    "42", "123",  "1234",     "15ab",     "  7LN\t", "5 xx",  "123AB",
        "",    " ",     "1 AB", "ZE", "99zz", "\xb5\xb6", "12345 AB", "3nk",     "12 NK", "7NR"};
    ModelQsoInput q;
    q.ownCall = Pick(kCalls);
    q.call = Pick(kCalls);
    q.time = OleDate{42686.5 + Below(1440) / 1440.0, Below(20) == 0 ? Below(3) : 0};
    q.frequencyHz = static_cast<unsigned>(random_());
    q.mode = Pick(kModes);
    q.rstSent = Below(10) ? "599" : "";
    q.rstReceived = Below(10) ? "59" : "";
    q.sentNumber = Below(30) ? std::to_string(Below(2000)) : "";
    q.exchange = Pick(kExchanges);
    q.prefix = Pick(kPrefixes);
    q.continent = Pick(kContinents);
    q.band = Pick(kBands);
    return q;
  }

 private:
  std::mt19937 random_;
};

Qso AsHostQso(const ModelQsoInput& q) {
  return Qso{q.ownCall.c_str(),    q.call.c_str(),    q.prefix.c_str(),
             q.continent.c_str(),  q.band.c_str(),    q.time,
             q.exchange.c_str(),   q.mode.c_str(),    q.frequencyHz,
             q.sentNumber.c_str(), q.rstSent.c_str(), q.rstReceived.c_str()};
}

void ExpectSameLog(const ReferenceLog& model) {
  const QsoLog::Records records = contest.log.qsoList.records();
  ASSERT_EQ(records.size(), model.log().size());
  for (size_t i = 0; i < records.size(); ++i) {
    const CInfo& r = records[i];
    const ModelQso& m = model.log()[i];
    ASSERT_EQ(r.call, m.call) << i;
    ASSERT_EQ(r.band, m.band) << i;
    ASSERT_EQ(r.mode, m.mode) << i;
    ASSERT_EQ(r.prefix, m.prefix) << i;
    ASSERT_EQ(r.exchangeReceived, m.exchangeReceived) << i;
    ASSERT_EQ(r.exchangeSent, m.exchangeSent) << i;
    ASSERT_EQ(r.areaCode, m.areaCode) << i;
    ASSERT_EQ(r.frequencyKhz, m.frequencyKhz) << i;
    ASSERT_EQ(r.isDupe != 0, m.isDupe) << i;
  }
  ASSERT_EQ(contest.log.bandsSeen, model.bandsSeen());
  ASSERT_EQ(ReadFileBytes(model.statsFileName()), model.statsFile());
}

void ExpectSameReport(ReferenceLog& model) {
  int status = 0;
  const std::string text = GetResult0(&status);
  const ModelReport expected = model.Report(false);
  ASSERT_EQ(text, expected.text);
  ASSERT_EQ(status, -1);
  ASSERT_EQ(contest.results.claimedScore, expected.score);
  ASSERT_EQ(IniFile("Settings", "Plugins\\UK_EI.ini").Read("Claimed"),
            std::to_string(expected.score));
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (!expected.slotRebuilt[slot]) continue;
    ASSERT_EQ(contest.results.worked.workedDxccByBand[slot], expected.dxccBySlot[slot])
        << "slot " << slot;
    ASSERT_EQ(contest.results.worked.workedAreasByBand[slot], expected.areasBySlot[slot])
        << "slot " << slot;
  }
}

void Play(unsigned seed, int operations) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  RandomSession session(seed);
  ReferenceLog model;

  auto reset = [&] {
    static const char* const kOwn[][3] = {
        {"G4AAA", "G", "EU"}, {"DL1AAA", "DL", "EU"}, {"W1AAA", "K", "NA"}, {"UA3A", "UA", "EU"}};
    const auto& own = kOwn[session.Below(4)];
    settings.Write("Mode", session.Below(2) ? "1" : "0");
    settings.Write("setup_areacode", session.Below(2) ? "LN" : "");
    const ModelStation station{own[0], own[1], own[2], FromCalendar({2016, 11, 12, 12, 0, 0}),
                               FromCalendar({2016, 11, 13, 12, 0, 0})};
    Reset(HostStation{own[0], own[1], own[2], 0, "", station.start, station.end});
    model.Reset(station, settings.Read("setup_areacode"), settings.ReadInt("Mode") != 0);
  };

  reset();
  for (int op = 0; op < operations; ++op) {
    const int kind = session.Below(100);
    if (kind < 55) {
      const ModelQsoInput q = session.NextQso();
      ASSERT_EQ(Add(AsHostQso(q)), model.Add(q)) << "operation " << op;
    } else if (kind < 70) {
      ModelQsoInput q = session.NextQso();
      if (!model.log().empty() && session.Below(2)) {  // often a QSO that is there
        const ModelQso& present = model.log()[session.Below(static_cast<int>(model.log().size()))];
        q.call = present.call;
        q.band = present.band;
        q.mode = present.mode;
      }
      ASSERT_EQ(Remove(AsHostQso(q)), model.Remove(q)) << "operation " << op;
    } else if (kind < 98) {
      const ModelQsoInput q = session.NextQso();
      ASSERT_EQ(Check(q.call.c_str(), q.mode.c_str(), q.prefix.c_str(), q.band.c_str()),
                model.Check(q.call, q.mode, q.prefix, q.band))
          << "operation " << op;
    } else if (kind < 99 || session.Below(50) != 0) {
      ASSERT_NO_FATAL_FAILURE(ExpectSameReport(model)) << "operation " << op;
    } else {
      reset();
    }
    if (op % 2000 == 1999) {
      ASSERT_NO_FATAL_FAILURE(ExpectSameLog(model)) << "operation " << op;
    }
  }
  ExpectSameLog(model);
}

// STATS_DIFFERENTIAL_OPERATIONS sets a longer run by hand.
int Operations(int fallback) {
  const char* text = std::getenv("STATS_DIFFERENTIAL_OPERATIONS");
  return text ? std::atoi(text) : fallback;
}

}  // namespace

TEST(Differential, PlugInAgreesWithTheReferenceModel) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    ASSERT_NO_FATAL_FAILURE(Play(seed, Operations(30000))) << "seed " << seed;
  }
}
