#include "tools/logs/log_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/tools/cty_excerpt.h"
#include "tools/logs/log_fields.h"
#include "tools/replay/replay.h"

namespace {

// Read as the tool reads: Cabrillo sent exchanges by the own station's country.
LogFile ReadLog(std::string_view text) {
  static const CtyDatabase cty = Excerpt();
  return ::ReadLog(text, UkEiStations(cty));
}

std::string Time(const LogQso& qso) {
  return FormatDate(qso.time, "%Y-%m-%d %H%M");
}

// Each problem as "reason: detail".
void ExpectProblems(const LogFile& log, const std::vector<std::pair<int, std::string>>& expected) {
  ASSERT_EQ(log.problems.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(log.problems[i].line, expected[i].first) << i;
    EXPECT_EQ(log.problems[i].what + ": " + log.problems[i].detail, expected[i].second) << i;
  }
}

TEST(AdifLog, ReadsTheFieldsOfEachRecordWhateverTheCaseAndSpacing) {
  const LogFile log = ReadLog(
      "Exported by a logger <with> brackets in the header\r\n"
      "<adif_ver:5>3.1.0\r\n<EOH>\r\n"
      "<CALL:6>dl1abc<QSO_DATE:8:D>20161112 <time_on:6>120559\r\n"
      "  <FREQ:8>14.02550 <BAND:3>20M <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579\r\n"
      "<STX:3>001 <SRX:2>12 <STATION_CALLSIGN:5>g4xyz <OPERATOR:5>G4ABC <eor>\r\n"
      "<CALL:6>GM3ABC <QSO_DATE:8>20161113 <TIME_ON:4>0959 <BAND:3>40m <MODE:3>LSB\r\n"
      "<STX_STRING:6>002 LN <SRX:2>44 <STATE:2>ab <CNTY:2>XX <OPERATOR:5>G4ABC <EOR>\r\n"
      "<CALL:5>W1ABC <QSO_DATE:8>20161113 <TIME_ON:4>1000 <FREQ:6>28.500 <MODE:3>USB\r\n"
      "<SRX_STRING:4>0042 <SRX:2>42 <STATE:2>CA <EOR>\r\n"
      // Serials in STX and SRX, area codes in their strings; an area code in CNTY only.
      "<CALL:5>G4ABC <QSO_DATE:8>20161113 <TIME_ON:4>1001 <BAND:3>20m <MODE:2>CW <STX:1>5 "
      "<STX_STRING:2>ln <SRX:2>46 <SRX_STRING:2>bh <EOR>\r\n"
      "<CALL:5>G4ABD <QSO_DATE:8>20161113 <TIME_ON:4>1002 <BAND:3>20m <MODE:2>CW <STX:1>6 "
      "<STX_STRING:6>006 LN <SRX:2>47 <STATE:2>NY <CNTY:2>ck <EOR>\r\n");
  EXPECT_TRUE(log.problems.empty());
  EXPECT_EQ(log.ownCall, "G4XYZ");  // the station's call, not its operator's
  ASSERT_EQ(log.qsos.size(), 5u);

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
  EXPECT_EQ(third.mode, "SSB");
  EXPECT_EQ(third.receivedExchange, "42");  // SRX's number wins over SRX_STRING's
  EXPECT_EQ(third.receivedArea, "CA");

  EXPECT_EQ(log.qsos[3].sentExchange, "5 LN");
  EXPECT_EQ(log.qsos[3].receivedExchange, "46");
  EXPECT_EQ(log.qsos[3].receivedArea, "BH");
  EXPECT_EQ(log.qsos[4].sentExchange, "6 LN");
  EXPECT_EQ(log.qsos[4].receivedArea, "CK");
}

TEST(AdifLog, ReadsExchangesAsLoggersWriteThem) {
  struct Case {
    const char* fields;
    const char* sent;
    const char* received;
    const char* receivedArea;
  };
  const Case cases[] = {
      // The number kept, and letters alone the area text, valid or not.
      {"<STX:1>1<SRX:3>721<SRX_STRING:2>XQ", "1", "721", "XQ"},
      // An RST in front is no part of the exchange; 59 before letters is a number.
      {"<STX_STRING:10>5NN 001 LN<SRX_STRING:10>599 724 LN", "001 LN", "724", "LN"},
      {"<STX_STRING:5>59 LN<SRX_STRING:6>59 724", "59 LN", "724", ""},
      {"<STX_STRING:6>001/LN<SRX_STRING:6>731-LN", "001 LN", "731", "LN"},
      {"<STX_STRING:2>LN<SRX_STRING:6>731,ln", "LN", "731", "LN"},
      // Another contest's exchange is kept whole.
      {"<STX_STRING:4>JEAN<SRX_STRING:10>HANS NTC44", "JEAN", "HANS NTC44", ""},
  };
  for (const Case& c : cases) {
    const LogFile log = ReadLog(std::string("<CALL:6>GM3ABC<QSO_DATE:8>20161112<TIME_ON:4>1200"
                                            "<BAND:3>20m") +
                                c.fields + "<EOR>");
    ASSERT_EQ(log.qsos.size(), 1u) << c.fields;
    EXPECT_EQ(log.qsos[0].sentExchange, c.sent) << c.fields;
    EXPECT_EQ(log.qsos[0].receivedExchange, c.received) << c.fields;
    EXPECT_EQ(log.qsos[0].receivedArea, c.receivedArea) << c.fields;
  }
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
      // A length may hold a tag when blank space follows it; leading zeros are no fault.
      "<CALL:0000000005>G4ABP <QSO_DATE:8>20161112 <TIME_ON:4>1212 <FREQ:5>7.010 "
      "<COMMENT:14>tnx <EOR> 73!! <EOR>\n"
      "<CALL:5>G4ABO <QSO_DATE:8>20161112\n<TIME_ON:4>1211 <FREQ:5>7.010\n"
      "<CALL:9>G4");
  ASSERT_EQ(log.qsos.size(), 6u);
  EXPECT_EQ(log.qsos[0].call, "G4ABC");
  EXPECT_EQ(log.qsos[1].band, "70cm");   // not a contest band, which the plug-in judges
  EXPECT_EQ(log.qsos[2].call, "G4ABK");  // a length into <EOR>: the field ends there
  EXPECT_EQ(log.qsos[2].ownCall, "M0NOM");
  EXPECT_EQ(log.qsos[3].call, "G4ABL");  // "<3" in a comment is no tag
  EXPECT_EQ(log.qsos[3].line, 12);
  EXPECT_EQ(log.qsos[4].call, "G4ABN");  // CR alone ends a line too
  EXPECT_EQ(log.qsos[4].line, 14);
  EXPECT_EQ(log.qsos[5].call, "G4ABP");
  ExpectProblems(log,
                 {
                     {3, "no worked call: CALL missing"},
                     {4, "no valid date and time: QSO_DATE '20161131', TIME_ON '1202'"},
                     {5, "no valid date and time: QSO_DATE '20161112', TIME_ON '1260'"},
                     {7, "no usable frequency or band: FREQ '7010' (MHz expected), BAND missing"},
                     {8, "no usable frequency or band: FREQ and BAND missing"},
                     {9, "broken ADIF record: field CALL has no valid length"},
                     {10, "broken ADIF record: tag <CALL> has no length"},
                     {13, "no usable frequency or band: FREQ and BAND missing"},
                     {19, "broken ADIF record: field CALL runs past the end of the file"},
                 });
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 11);
  EXPECT_EQ(log.warnings[0].what,
            "2 fields (the first here) run by their length into the next tag: each ended at that "
            "tag, and its record read");
  EXPECT_EQ(CountReasons(log.problems).at(1).count, 2);  // one line per reason
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
  EXPECT_EQ(log.problems[0].detail, "record without <EOR>");
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
    "CALLSIGN: G4AAA\r\n"
    "QSO: 3.5 CW 2016-11-12 1212 G4XYZ 599 010 LN DL6ABC 599 019\r\n"
    "START-OF-LOG: 3.0\r\n"
    "QSO: 14025 CW 2016-11-12 1213 G4XYZ 599 011 LN DL7ABC 599 020\r\n"
    "qso: 14025 CW 2016-11-12 1214 G4XYZ 599 012 LN DL8ABC 599 021\r\n";

TEST(CabrilloLog, SplitsQsoLinesIntoTheirFields) {
  const LogFile log = ReadLog(kCabrillo);
  EXPECT_EQ(log.ownCall, "G4XYZ");  // a CALLSIGN: after END-OF-LOG: is no header's
  EXPECT_EQ(log.header, (std::vector<std::pair<std::string, std::string>>{
                            {"CALLSIGN", "g4xyz"}, {"CONTEST", "UKEIDXCW"}}));
  ASSERT_EQ(log.qsos.size(), 5u);

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

  // After END-OF-LOG: a stray QSO line is read, a second log is not.
  const LogQso& stray = log.qsos[4];
  EXPECT_EQ(stray.band, "80m");  // a band designator
  EXPECT_EQ(stray.frequencyHz, 3500000u);
  EXPECT_TRUE(stray.frequencyFromBand);
  ASSERT_EQ(log.warnings.size(), 2u);
  EXPECT_EQ(log.warnings[0].line, 16);
  EXPECT_EQ(log.warnings[0].what, "a second log starts here: its 2 QSO lines are not read");
  EXPECT_EQ(log.warnings[1].line, 15);
  EXPECT_EQ(log.warnings[1].what,
            "1 QSO lines (the first here) stand after END-OF-LOG: read all the same");
}

TEST(CabrilloLog, SkipsLinesItCannotRead) {
  const LogFile log = ReadLog(kCabrillo);
  ExpectProblems(log, {
                          {8, "QSO line too short: 8 fields, at least 10 expected"},
                          {9, "no valid date and time: '2016-11-32 1208'"},
                          {10, "no usable frequency or band: frequency '99999' (kHz expected)"},
                          {11, "no worked call: '599' stands in its place"},
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
      // Other loggers' names of this contest: a last field of letters is an area code.
      {"UKEI", "W1XYZ 599 007 G4ABC 599 017 LN", "007", "G4ABC", "017 LN"},
      {"UKEICC-DX", "W1XYZ 599 008 G4ABC 599 018 LN", "008", "G4ABC", "018 LN"},
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
  for (const char* name : {"uk/ei dx ssb", "UKEI", "UKEIDX-CW", "UKEICC-DX", "UKEI-DX"}) {
    EXPECT_TRUE(NamesThisContest(name)) << name;
  }
  EXPECT_FALSE(NamesThisContest("UKEICC-80M"));
  EXPECT_FALSE(NamesThisContest("UKEIX"));
  EXPECT_TRUE(ReadLog(" \r\n").qsos.empty());  // holds no QSO
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
  EXPECT_EQ(BandOfDesignator("3.5"), "80m");
  EXPECT_EQ(BandOfDesignator("432"), "70cm");
  EXPECT_EQ(BandOfDesignator("3.50"), "");
  EXPECT_EQ(LengthValue("0000000014"), 14);
  EXPECT_EQ(LengthValue("000"), 0);
  EXPECT_EQ(LengthValue(""), -1);

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
