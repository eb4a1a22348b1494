#include "tools/log_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/tools/cty_excerpt.h"
#include "tools/log_fields.h"
#include "tools/replay.h"

namespace {

// Read as the tool reads: Cabrillo sent exchanges by the own station's country.
LogFile ReadLog(std::string_view text) {
  static const CtyDatabase cty = Excerpt();
  return ::ReadLog(text, UkEiStations(cty));
}

std::string Time(const LogQso& qso) {
  return FormatDate(qso.time, "%Y-%m-%d %H%M");
}

void ExpectProblems(const LogFile& log, const std::vector<std::pair<int, std::string>>& expected) {
  ASSERT_EQ(log.problems.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(log.problems[i].line, expected[i].first) << i;
    EXPECT_EQ(log.problems[i].what, expected[i].second) << i;
  }
}

TEST(AdifLog, ReadsTheFieldsOfEachRecordWhateverTheCaseAndSpacing) {
  const LogFile log = ReadLog(
      "Exported by a logger <with> brackets in the header\r\n"
      "<adif_ver:5>3.1.0\r\n<EOH>\r\n"
      "<CALL:6>dl1abc<QSO_DATE:8:D>20161112 <time_on:6>120559\r\n"
      "  <FREQ:8>14.02550 <BAND:3>20M <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579\r\n"
      "<STX:3>001 <SRX:2>12 <STATION_CALLSIGN:5>g4xyz <eor>\r\n"
      "<CALL:6>GM3ABC <QSO_DATE:8>20161113 <TIME_ON:4>0959 <BAND:3>40m <MODE:3>USB\r\n"
      "<STX_STRING:6>002 LN <SRX:2>44 <STATE:2>ab <CNTY:2>XX <OPERATOR:5>G4ABC <EOR>\r\n"
      "<CALL:5>W1ABC <QSO_DATE:8>20161113 <TIME_ON:4>1000 <FREQ:6>28.500 <MODE:3>SSB\r\n"
      "<SRX_STRING:4>0042 <SRX:2>42 <STATE:2>CA <EOR>\r\n");
  EXPECT_TRUE(log.problems.empty());
  EXPECT_EQ(log.ownCall, "G4XYZ");
  ASSERT_EQ(log.qsos.size(), 3u);

  const LogQso& first = log.qsos[0];
  EXPECT_EQ(first.line, 4);
  EXPECT_EQ(first.call, "DL1ABC");
  EXPECT_EQ(first.ownCall, "G4XYZ");
  EXPECT_EQ(Time(first), "2016-11-12 1205");
  EXPECT_EQ(FormatDate(first.time, "%S"), "59");
  EXPECT_EQ(first.frequencyHz, 14025500u);
  EXPECT_EQ(first.band, "20m");
  EXPECT_EQ(first.mode, "CW");
  EXPECT_EQ(first.rstSent, "599");
  EXPECT_EQ(first.rstReceived, "579");
  EXPECT_EQ(first.sentExchange, "001");
  EXPECT_EQ(first.receivedExchange, "12");
  EXPECT_EQ(first.receivedArea, "");

  const LogQso& second = log.qsos[1];
  EXPECT_EQ(second.line, 7);
  EXPECT_EQ(second.ownCall, "G4ABC");
  EXPECT_EQ(second.frequencyHz, 7000000u);  // band only: its lower edge
  EXPECT_TRUE(second.frequencyFromBand);
  EXPECT_EQ(second.band, "40m");
  EXPECT_EQ(second.mode, "SSB");
  EXPECT_EQ(second.sentExchange, "002 LN");
  EXPECT_EQ(second.receivedExchange, "44");
  EXPECT_EQ(second.receivedArea, "AB");  // STATE holds an area code, CNTY does not

  const LogQso& third = log.qsos[2];
  EXPECT_EQ(third.band, "10m");
  EXPECT_EQ(third.receivedExchange, "0042");  // SRX_STRING wins over SRX and STATE
  EXPECT_EQ(third.receivedArea, "");
}

TEST(AdifLog, SkipsBrokenRecordsAndGoesOn) {
  const LogFile log = ReadLog(
      "<EOH>\n"
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <FREQ:5>7.010 <EOR>\n"
      "<QSO_DATE:8>20161112 <TIME_ON:4>1201 <FREQ:5>7.010 <EOR>\n"
      "<CALL:5>G4ABD <QSO_DATE:8>20161131 <TIME_ON:4>1202 <FREQ:5>7.010 <EOR>\n"
      "<CALL:5>G4ABE <QSO_DATE:8>20161112 <TIME_ON:4>1260 <FREQ:5>7.010 <EOR>\n"
      "<CALL:5>G4ABF <QSO_DATE:8>20161112 <TIME_ON:4>1203 <BAND:4>70cm <EOR>\n"
      "<CALL:5>G4ABG <QSO_DATE:8>20161112 <TIME_ON:4>1204 <FREQ:4>7010 <EOR>\n"
      "<CALL:5>G4ABH <QSO_DATE:8>20161112 <TIME_ON:4>1205 <EOR>\n"
      "<CALL:x>G4ABI <QSO_DATE:8>20161112 <TIME_ON:4>1206 <FREQ:5>7.010 <EOR>\n"
      "<CALL>G4ABJ <EOR>\n"
      // A length that runs into the record's end must not take the next record with it.
      "<CALL:5>G4ABK <QSO_DATE:8>20161112 <TIME_ON:4>1207 <BAND:3>40m <OPERATOR:7>M0NOM <EOR>\n"
      "<CALL:5>G4ABL <QSO_DATE:8>20161112 <TIME_ON:4>1208 <FREQ:5>7.010 <COMMENT:9>cu <3 73 <EOR>\r"
      "<CALL:20>G4ABM <QSO_DATE:8>20161112 <TIME_ON:4>1209 <EOR>\r"
      "<CALL:5>G4ABN <QSO_DATE:8>20161112\r<TIME_ON:4>1210 <FREQ:5>7.010 <EOR>\r\n"
      "<CALL:5>G4ABO <QSO_DATE:8>20161112\n<TIME_ON:4>1211 <FREQ:5>7.010\n"
      "<CALL:9>G4");
  ASSERT_EQ(log.qsos.size(), 3u);
  EXPECT_EQ(log.qsos[0].call, "G4ABC");
  EXPECT_EQ(log.qsos[1].call, "G4ABL");  // "<3" in a comment is no tag
  EXPECT_EQ(log.qsos[1].line, 12);
  EXPECT_EQ(log.qsos[2].call, "G4ABN");  // CR alone ends a line too
  EXPECT_EQ(log.qsos[2].line, 14);
  ExpectProblems(log,
                 {
                     {3, "QSO without CALL"},
                     {4, "QSO_DATE '20161131' and TIME_ON '1202' are no date and time"},
                     {5, "QSO_DATE '20161112' and TIME_ON '1260' are no date and time"},
                     {6, "BAND '70cm' is no amateur band this tool knows"},
                     {7, "FREQ '7010' is in no amateur band (MHz expected) and there is no BAND"},
                     {8, "QSO without FREQ or BAND"},
                     {9, "field CALL has no valid length"},
                     {10, "tag <CALL> has no length"},
                     {11, "field OPERATOR of length 7 runs into the tag <EOR>"},
                     {13, "field CALL of length 20 runs into the tag <QSO_DATE:8>"},
                     {18, "field CALL runs past the end of the file"},
                 });
}

TEST(AdifLog, FrequenciesInMhzOrElseTheBandsLowerEdge) {
  const LogFile log = ReadLog(
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <FREQ:6>14,025 <EOR>"
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <FREQ:4>3777 <BAND:3>80M <EOR>"
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <FREQ:6>14.025 <BAND:3>40m <EOR>"
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <FREQ:6>28.500 <BAND:3>10m <EOR>"
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <BAND:4>160M <EOR><EOF>\n"
      "what follows the end of the file is no record <EOR>");
  EXPECT_TRUE(log.problems.empty());
  const std::vector<std::tuple<unsigned, const char*, bool>> expected = {
      {14025000, "20m", false},  // decimal comma
      {3500000, "80m", true},    // in kHz
      {7000000, "40m", true},    // off its band
      {28500000, "10m", false}, {1800000, "160m", true},
  };
  ASSERT_EQ(log.qsos.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(log.qsos[i].frequencyHz, std::get<0>(expected[i])) << i;
    EXPECT_EQ(log.qsos[i].band, std::get<1>(expected[i])) << i;
    EXPECT_EQ(log.qsos[i].frequencyFromBand, std::get<2>(expected[i])) << i;
  }
}

TEST(AdifLog, ALastRecordWithoutItsEndIsReported) {
  const LogFile log = ReadLog("<CALL:5>G4ABC <QSO_DATE:8>20161112\n<TIME_ON:4>1200");
  EXPECT_TRUE(log.qsos.empty());
  ASSERT_EQ(log.problems.size(), 1u);
  EXPECT_EQ(log.problems[0].line, 1);
  EXPECT_EQ(log.problems[0].what, "record without <EOR>");
}

constexpr const char* kCabrillo =
    "START-OF-LOG: 3.0\r\n"
    "callsign: g4xyz\r\n"
    "CONTEST: UKEIDXCW\r\n"
    "QSO: 14025 CW 2016-11-12 1205 G4XYZ         599 001 LN  DL1ABC        599 012\r\n"
    "QSO:  3510 PH 2016-11-12 2359 G4XYZ 59 002LN gm3abc 59 44AB\r\n"
    "QSO:\t1830\tCW\t2016-11-13\t0001\tG4XYZ\t599\t003 LN\tEI5XX\t599\t9 CK\t1\r\n"
    "X-QSO: 14025 CW 2016-11-12 1206 G4XYZ 599 004 LN DL2ABC 599 013\r\n"
    "QSO: 14025 CW 2016-11-12 1207 G4XYZ 599 005 LN\r\n"
    "QSO: 14025 CW 2016-11-32 1208 G4XYZ 599 006 LN DL3ABC 599 014\r\n"
    "QSO: 99999 CW 2016-11-12 1209 G4XYZ 599 007 LN DL4ABC 599 015\r\n"
    "QSO: 14025 CW 2016-11-12 1210 G4XYZ 599 008 LN 599 016 LN 017\r\n"
    "QSO: 21025 RY 2016-11-12 1211 G4XYZ 599 009 LN DL5ABC 599 018 0\r\n"
    "END-OF-LOG:\r\n"
    "QSO: 14025 CW 2016-11-12 1212 G4XYZ 599 010 LN DL6ABC 599 019\r\n";

TEST(CabrilloLog, SplitsQsoLinesIntoTheirFields) {
  const LogFile log = ReadLog(kCabrillo);
  EXPECT_EQ(log.ownCall, "G4XYZ");
  ASSERT_EQ(log.qsos.size(), 4u);

  const LogQso& first = log.qsos[0];
  EXPECT_EQ(first.line, 4);
  EXPECT_EQ(first.frequencyHz, 14025000u);
  EXPECT_EQ(first.band, "20m");
  EXPECT_EQ(first.mode, "CW");
  EXPECT_EQ(Time(first), "2016-11-12 1205");
  EXPECT_EQ(first.ownCall, "G4XYZ");
  EXPECT_EQ(first.rstSent, "599");
  EXPECT_EQ(first.sentExchange, "001 LN");
  EXPECT_EQ(first.call, "DL1ABC");
  EXPECT_EQ(first.rstReceived, "599");
  EXPECT_EQ(first.receivedExchange, "012");

  const LogQso& second = log.qsos[1];
  EXPECT_EQ(second.band, "80m");
  EXPECT_EQ(second.mode, "SSB");  // PH is phone
  EXPECT_EQ(second.sentExchange, "002LN");
  EXPECT_EQ(second.call, "GM3ABC");
  EXPECT_EQ(second.receivedExchange, "44AB");

  const LogQso& third = log.qsos[2];  // tabs, 160 m, and a transmitter number
  EXPECT_EQ(third.band, "160m");
  EXPECT_EQ(third.sentExchange, "003 LN");
  EXPECT_EQ(third.call, "EI5XX");
  EXPECT_EQ(third.receivedExchange, "9 CK");

  EXPECT_EQ(log.qsos[3].mode, "RY");
  EXPECT_EQ(log.qsos[3].receivedExchange, "018");
}

TEST(CabrilloLog, SkipsLinesItCannotRead) {
  const LogFile log = ReadLog(kCabrillo);
  ExpectProblems(log, {
                          {8, "QSO line with 8 fields, at least 10 expected"},
                          {9, "'2016-11-32 1208' is no date and time"},
                          {10, "frequency '99999' is in no amateur band (kHz expected)"},
                          {11, "QSO line without the worked call: '599' stands in its place"},
                      });
}

TEST(CabrilloLog, ReadsQsoLinesByPosition) {
  struct Case {
    const char* contest;
    const char* afterTime;  // own call, exchange sent, call, exchange received
    const char* sent;
    const char* call;
    const char* received;
  };
  const Case cases[] = {
      // This contest: a UK station sends RST, number and area code, others RST and number.
      {"UKEIDXCW", "G4XYZ 599 001 LN 6HMQ 599 012", "001 LN", "6HMQ", "012"},
      {"UKEI-DX", "G4XYZ 599 002LN GM3ABC 599 44AB", "002LN", "GM3ABC", "44AB"},
      {"", "G4XYZ 599 003 DL1ABC 599 013", "003", "DL1ABC", "013"},
      {"", "W1XYZ 599 004 G4ABC 599 014 LN 1", "004", "G4ABC", "014 LN"},
      {"", "W1XYZ 599 005 LN 599 015", "005", "LN", "015"},
      {"UKEIDXSSB", "W1XYZ 599 006 -- DL1ABC 599 016 --", "006", "DL1ABC", "016"},
      // Another contest: as wide received as sent, and maybe a transmitter number.
      {"CQ-WW-CW", "F5XYZ 599 JEAN NTC44 DL1ABC 599 HANS 12", "JEAN NTC44", "DL1ABC", "HANS 12"},
      {"IARU-HF", "F5XYZ 599 14 DL1ABC 599 DARC 1", "14", "DL1ABC", "DARC"},
  };
  for (const Case& c : cases) {
    const LogFile log = ReadLog(std::string("START-OF-LOG: 3.0\nCONTEST: ") + c.contest +
                                "\nQSO: 7010 CW 2016-11-12 1200 " + c.afterTime + "\n");
    ASSERT_EQ(log.qsos.size(), 1u) << c.afterTime;
    EXPECT_EQ(log.contest, c.contest);
    EXPECT_EQ(log.qsos[0].sentExchange, c.sent) << c.afterTime;
    EXPECT_EQ(log.qsos[0].call, c.call) << c.afterTime;
    EXPECT_EQ(log.qsos[0].receivedExchange, c.received) << c.afterTime;
    EXPECT_EQ(log.qsos[0].rstReceived, "599") << c.afterTime;
  }
}

TEST(LogFile, IsRecognisedByContentOnly) {
  EXPECT_EQ(ReadLog("\xEF\xBB\xBF  start-of-log: 3.0\nQSO: 7010 CW 2016-11-12 1200 G4XYZ 599 1 "
                    "DL1ABC 599 2\n")
                .qsos.size(),
            1u);
  EXPECT_EQ(
      ReadLog("<call:5>G4ABC<qso_date:8>20161112<time_on:4>1200<band:3>40M<eor>").qsos.at(0).band,
      "40m");
  EXPECT_EQ(ReadLog("START-OF-LOG: 3.0\rQSO: 7010 CW 2016-11-12 1200 G4XYZ 599 1 LN DL1ABC 599 "
                    "2\rQSO: 7010 CW 2016-11-12 1201 G4XYZ 599 2 LN DL2ABC 599 3\r")
                .qsos.at(1)
                .line,
            3);
  EXPECT_THROW(ReadLog("CALL,DATE,TIME\nG4ABC,20161112,1200\n"), LogError);
  EXPECT_TRUE(NamesThisContest("uk/ei dx ssb"));
  EXPECT_FALSE(NamesThisContest("UKEICC-80M"));
  EXPECT_THROW(ReadLog(""), LogError);
}

TEST(LogFields, FrequenciesTimesAndBands) {
  EXPECT_EQ(FrequencyHz("14.0255", 1000000), 14025500u);
  EXPECT_EQ(FrequencyHz("3510", 1000), 3510000u);
  EXPECT_EQ(FrequencyHz("7.0000001", 1000000), 7000000u);  // below 1 Hz is dropped
  EXPECT_EQ(FrequencyHz("4294.967295", 1000000), 4294967295u);
  EXPECT_FALSE(FrequencyHz("4294.967296", 1000000));
  EXPECT_FALSE(FrequencyHz("", 1000));
  EXPECT_FALSE(FrequencyHz(".", 1000));
  EXPECT_FALSE(FrequencyHz("1.2.3", 1000));
  EXPECT_FALSE(FrequencyHz("1,2.3", 1000));
  EXPECT_FALSE(FrequencyHz("-7", 1000));

  EXPECT_EQ(BandOfFrequency(1800000), "160m");
  EXPECT_EQ(BandOfFrequency(3799999), "80m");
  EXPECT_EQ(BandOfFrequency(29700999), "10m");
  EXPECT_EQ(BandOfFrequency(29701000), "");
  EXPECT_EQ(BandOfFrequency(0), "");
  EXPECT_EQ(BandLowerEdgeHz("40m"), 7000000u);
  EXPECT_EQ(BandLowerEdgeHz("40M"), 0u);

  EXPECT_TRUE(IsCallSign("DL/G4ABC"));
  EXPECT_TRUE(IsCallSign("6HMQ"));
  EXPECT_FALSE(IsCallSign("M0NOM <"));
  EXPECT_FALSE(IsCallSign("NTC"));
  EXPECT_FALSE(IsCallSign("599"));

  EXPECT_TRUE(QsoTime(2016, 2, 29, 23, 59, 59));
  EXPECT_FALSE(QsoTime(2015, 2, 29, 0, 0, 0));
  EXPECT_FALSE(QsoTime(2016, 4, 31, 0, 0, 0));
  EXPECT_FALSE(QsoTime(2016, 13, 1, 0, 0, 0));
  EXPECT_FALSE(QsoTime(-1, 1, 1, 0, 0, 0));
}

}  // namespace
