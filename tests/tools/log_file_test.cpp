#include "tools/log_file.h"

#include <gtest/gtest.h>

#include "tools/log_fields.h"

namespace {

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
  EXPECT_EQ(second.frequencyHz, 0u);  // band only
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
      "<CALL:5>G4ABF <QSO_DATE:8>20161112 <TIME_ON:4>1203 <FREQ:4>7,01 <EOR>\n"
      "<CALL:5>G4ABG <QSO_DATE:8>20161112 <TIME_ON:4>1204 <FREQ:5>9.010 <EOR>\n"
      "<CALL:5>G4ABH <QSO_DATE:8>20161112 <TIME_ON:4>1205 <EOR>\n"
      "<CALL:x>G4ABI <QSO_DATE:8>20161112 <TIME_ON:4>1206 <FREQ:5>7.010 <EOR>\n"
      "<CALL>G4ABJ <EOR>\n"
      "<CALL:5>G4ABK <QSO_DATE:8>20161112 <TIME_ON:4>1207 <FREQ:5>7.010 <EOR>\n"
      "<CALL:5>G4ABL <QSO_DATE:8>20161112\n<TIME_ON:4>1208 <FREQ:5>7.010\n"
      "<CALL:9>G4");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].call, "G4ABC");
  EXPECT_EQ(log.qsos[1].call, "G4ABK");
  EXPECT_EQ(log.qsos[1].line, 11);
  ExpectProblems(log, {
                          {3, "QSO without CALL"},
                          {4, "QSO_DATE '20161131' and TIME_ON '1202' are no date and time"},
                          {5, "QSO_DATE '20161112' and TIME_ON '1260' are no date and time"},
                          {6, "FREQ '7,01' is no frequency in MHz"},
                          {7, "FREQ 9.010 MHz is in no amateur band"},
                          {8, "QSO without FREQ or BAND"},
                          {9, "field CALL has no valid length"},
                          {10, "tag <CALL> has no length"},
                          {14, "field CALL runs past the end of the file"},
                      });
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
                          {11, "QSO line without the worked call"},
                      });
}

TEST(LogFile, IsRecognisedByContentOnly) {
  EXPECT_EQ(ReadLog("\xEF\xBB\xBF  start-of-log: 3.0\nQSO: 7010 CW 2016-11-12 1200 G4XYZ 599 1 "
                    "DL1ABC 599 2\n")
                .qsos.size(),
            1u);
  EXPECT_EQ(
      ReadLog("<call:5>G4ABC<qso_date:8>20161112<time_on:4>1200<band:3>40M<eor>").qsos.at(0).band,
      "40m");
  EXPECT_THROW(ReadLog("CALL,DATE,TIME\nG4ABC,20161112,1200\n"), LogError);
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
  EXPECT_FALSE(FrequencyHz("-7", 1000));

  EXPECT_EQ(BandOfFrequency(1800000), "160m");
  EXPECT_EQ(BandOfFrequency(3799999), "80m");
  EXPECT_EQ(BandOfFrequency(29700999), "10m");
  EXPECT_EQ(BandOfFrequency(29701000), "");
  EXPECT_EQ(BandOfFrequency(0), "");

  EXPECT_TRUE(QsoTime(2016, 2, 29, 23, 59, 59));
  EXPECT_FALSE(QsoTime(2015, 2, 29, 0, 0, 0));
  EXPECT_FALSE(QsoTime(2016, 4, 31, 0, 0, 0));
  EXPECT_FALSE(QsoTime(2016, 13, 1, 0, 0, 0));
  EXPECT_FALSE(QsoTime(-1, 1, 1, 0, 0, 0));
}

}  // namespace
