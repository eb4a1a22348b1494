// The plug-in's files and its host's data gone wrong: every case leaves the plug-in
// answering correctly with nothing lost from the log.

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "platform/host_version.h"
#include "platform/ini_file.h"
#include "plugin/contest_state.h"
#include "plugin/entry_points.h"
#include "reports/cabrillo_log.h"
#include "reports/stats_file.h"

namespace {

const char* const kIni = "Plugins/UK_EI.ini";
const char* const kStatsFile = "VurovODUVIR_EI_13_11_2016.txt";

void ExpectWorkingLog() {
  EXPECT_EQ(Add(Qso{}), 1);
  EXPECT_EQ(Add(Qso{}), 1);
  EXPECT_EQ(contest.log.qsoList.size(), 2u);
  EXPECT_EQ(contest.log.qsoList.records()[1].isDupe, 1);
  EXPECT_EQ(Check("G4ABC"), 0);
  EXPECT_EQ(Remove(Qso{}), 1);
  EXPECT_EQ(contest.log.qsoList.records()[0].isDupe, 0);
}

}  // namespace

TEST(FaultInjection, SettingsFileThatIsAFolderOrGarbage) {
  TempFolder folder;
  mkdir(kIni, 0700);
  EXPECT_EQ(Reset(HostStation{.ownPrefix = "G"}), 1);
  EXPECT_EQ(contest.station.isCwMode, 0);
  EXPECT_EQ(contest.station.ownAreaCode, "");
  ExpectWorkingLog();
  rmdir(kIni);

  // Binary garbage and a 100,000-byte line around the keys the plug-in reads.
  std::string garbage = std::string(100000, 'x') + "\n";
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131) % 256);
  garbage += "\r\n[Settings]\r\nsetup_areacode=" + std::string(100000, 'A') + "\r\nMode=1\r\n";
  garbage += std::string(1, '\0') + "\xff\xfe[\r\n=\r\n[]\r\n";
  WriteFileBytes(kIni, garbage);
  EXPECT_EQ(Reset(HostStation{.ownPrefix = "G"}), 1);
  EXPECT_EQ(contest.station.isCwMode, 1);
  EXPECT_EQ(contest.station.ownAreaCode, std::string(99, 'A'));  // read through a 100-byte buffer
  ExpectWorkingLog();
  // Writing keeps every other line of the file.
  IniFile("Settings", "Plugins\\UK_EI.ini").Write("Start", "1");
  EXPECT_NE(ReadFileBytes(kIni).find(std::string(100000, 'x') + "\r\n"), std::string::npos);
}

TEST(FaultInjection, StatsFileThatIsAFifoOrALink) {
  TempFolder folder;
  // Ending on 14 November: a file name of this test alone, whose loss is said once.
  const HostStation station{.end = ContestDay(24, 0)};
  const char* const name = "VurovODUVIR_EI_14_11_2016.txt";
  testing::internal::CaptureStderr();
  ASSERT_EQ(mkfifo(name, 0600), 0);  // opened as a file, it would wait for a reader for good
  EXPECT_EQ(Reset(station), 1);
  ExpectWorkingLog();
  unlink(name);
  WriteFileBytes("elsewhere.txt", "kept");
  ASSERT_EQ(symlink("elsewhere.txt", name), 0);
  EXPECT_EQ(Reset(station), 1);
  EXPECT_EQ(Add(Qso{.band = "160m"}), 0);
  EXPECT_EQ(contest.log.qsoList.size(), 0u);
  EXPECT_EQ(ReadFileBytes("elsewhere.txt"), "kept");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string("Stats: ") + name +
                " cannot be written (not a regular file, or the disk is full): its problem "
                "lines are lost\n");
}

TEST(FaultInjection, DatesOutsideWhatTheHostShouldSend) {
  TempFolder folder;
  Reset();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  for (const OleDate& time : {OleDate{nan, OleDate::kValid}, OleDate{infinity, OleDate::kValid},
                              OleDate{-infinity, OleDate::kValid}, OleDate{-1e308, OleDate::kValid},
                              OleDate{1e308, OleDate::kValid}, OleDate{-700000.0, OleDate::kValid},
                              OleDate{42686.5, OleDate::kInvalid}, OleDate{42686.5, -5}}) {
    EXPECT_EQ(Add(Qso{.band = "2m", .time = time}), 0);
    EXPECT_EQ(Add(Qso{.call = "W1AW", .time = time}), 1);
  }
  EXPECT_EQ(Add(Qso{.band = "2m", .time = OleDate{42686.5, OleDate::kNull}}), 0);
  EXPECT_EQ(Add(Qso{.band = "2m", .time = OleDate{-1.5, OleDate::kValid}}), 0);
  const std::string lines = ReadFileBytes(kStatsFile);
  const std::string invalid =
      "QSO:  14025  CW  Invalid DateTime  DL1AAA  599  001  G4ABC  599  5LN   NO CONTEST BAND "
      "!!!\r\n";
  size_t count = 0;
  for (size_t at = lines.find(invalid); at != std::string::npos; at = lines.find(invalid, at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 8u);
  EXPECT_NE(lines.find("QSO:  14025  CW    DL1AAA"), std::string::npos);  // the null date
  EXPECT_NE(lines.find("QSO:  14025  CW  1899-12-29 1200  DL1AAA"), std::string::npos);
  EXPECT_EQ(contest.log.qsoList.size(), 8u);
  EXPECT_EQ(Check("W1AW", "CW", "K"), 0);

  // Contest dates as broken as the QSO times.
  Reset(
      HostStation{.start = OleDate{nan, OleDate::kValid}, .end = OleDate{1e308, OleDate::kValid}});
  EXPECT_EQ(contest.station.startDayMonth, "Invalid DateTime");
  EXPECT_EQ(contest.station.statsFileName.find("Invalid"), std::string::npos);  // named by today
  EXPECT_EQ(ReadFileBytes(contest.station.statsFileName), "UK/EI SSB DX Contest UBN file \r\n");
}

TEST(FaultInjection, CabrilloFileThatCannotBeWrittenIsNotReportedAsProduced) {
  TempFolder folder;
  CabrilloLog log;
  log.fileBaseName = "G4ABC";
  mkdir("G4ABC.cbr", 0700);  // a folder in its place: not even root can write it
  EXPECT_EQ(log.WriteLogFile(true, 0, ""), "File not produced: G4ABC.cbr");
  rmdir("G4ABC.cbr");
  ASSERT_EQ(symlink("/dev/full", "G4ABC.cbr"), 0);  // a full disk
  EXPECT_EQ(log.WriteLogFile(true, 0, ""), "File not produced: G4ABC.cbr");
  unlink("G4ABC.cbr");
  EXPECT_EQ(log.WriteLogFile(true, 0, ""), "File produced: G4ABC.cbr");

  // The export run goes on answering, and the log is whole.
  mkdir("DL1AAA.cbr", 0700);
  Reset(HostStation{.cabrilloExport = 1});
  ExpectWorkingLog();
  int status = 0;
  EXPECT_NE(std::string(GetResult0(&status)).find("Score: "), std::string::npos);
  EXPECT_EQ(contest.log.qsoList.size(), 1u);
}

TEST(FaultInjection, ExportOnAFullDiskLeavesTheEarlierFileWhole) {
  TempFolder folder;
  mkdir("disk", 0700);
  // A disk of 64 KiB, unmounted whatever the test finds.
  if (geteuid() != 0 || mount("tmpfs", "disk", "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "mounting a small tmpfs needs root";
  }
  struct Unmount {
    ~Unmount() { umount("disk"); }
  } unmount;
  CabrilloLog log;
  log.fileBaseName = "disk/G4ABC";
  log.AddQsoLine("DL1AA", 14025, "CW", OleDate{42686.5}, "001 LN", "005 --", true);
  ASSERT_EQ(log.WriteLogFile(true, 0, ""), "File produced: disk/G4ABC.cbr");
  const std::string earlier = ReadFileBytes("disk/G4ABC.cbr");
  log.qsoLines.resize(2000, log.qsoLines[0]);  // 160 KB: more than the disk holds
  EXPECT_EQ(log.WriteLogFile(true, 0, ""), "File not produced: disk/G4ABC.cbr");
  EXPECT_EQ(ReadFileBytes("disk/G4ABC.cbr"), earlier);
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("disk")) files += entry.exists();
  EXPECT_EQ(files, 1u);  // no temporary file left behind

  // The problem-line file on the full disk loses its lines, and says so.
  WriteFileBytes("disk/filler", std::string(64 * 1024, 'x'));
  testing::internal::CaptureStderr();
  CreateStatsFile("disk/problems.txt", true);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("disk/problems.txt cannot be written"),
            std::string::npos);
}

TEST(FaultInjection, HostTextsAddNoLineToEitherFile) {
  TempFolder folder;
  // A lone CR in a settings value, and a soapbox of two lines with a control character.
  WriteFileBytes(kIni, "[Settings]\r\nName=Jane\rCLAIMED-SCORE: 1\r\nSoapBox=a<CR><LF>b\x01\r\n");
  Reset(HostStation{.ownCall = "DL1\nAAA", .cabrilloExport = 1});
  const Qso forged{.call = "G4\r\nQSO: 14000 CW 2016-11-12 1200 X 599 1 Y 599 2",
                   .band = "20m\r\n",
                   .exchange = "5\rLN",
                   .sentNumber = "1\n2"};
  EXPECT_EQ(Add(forged), 0);  // no contest band: a problem line
  EXPECT_EQ(
      Add(Qso{.call = forged.call, .exchange = forged.exchange, .sentNumber = forged.sentNumber}),
      1);
  EXPECT_EQ(Add(Qso{.call = forged.call}), 1);
  EXPECT_EQ(contest.log.qsoList.records()[1].isDupe, 1);  // the texts compare as they came
  int status = 0;
  GetResult0(&status);

  const auto lines = [](const std::string& text) {
    size_t count = 0;
    for (const char c : text) count += c == '\n' || c == '\r';
    return count;
  };
  const std::string problems = ReadFileBytes(contest.station.statsFileName);
  EXPECT_EQ(lines(problems), 2u * 3) << problems;  // the header, no contest band, the dupe
  EXPECT_NE(problems.find("  G4  QSO: 14000"), std::string::npos) << problems;
  const std::string cabrillo = ReadFileBytes("DL1_AAA.cbr");
  EXPECT_EQ(lines(cabrillo), 2u * (22 + 2 + 2)) << cabrillo;  // header, soapbox, two QSOs
  EXPECT_NE(cabrillo.find("\r\nNAME: Jane CLAIMED-SCORE: 1\r\n"), std::string::npos);
  EXPECT_NE(cabrillo.find("\r\nSOAPBOX: a\r\nSOAPBOX: b \r\n"), std::string::npos);
  EXPECT_NE(cabrillo.find(" DL1 AAA       59  1 2 --  G4  QSO: 14000"), std::string::npos)
      << cabrillo;
}

TEST(FaultInjection, HostFolderWithThousandsOfFiles) {
  TempFolder folder;
  mkdir("host", 0700);
  for (int i = 0; i < 5000; ++i) {
    WriteFileBytes("host/logger" + std::to_string(i) + ".exe", "MZ");
  }
  WriteFileBytes("host/Qorv2.exe", "MZ");
  EXPECT_EQ(FindHostProgram("host/"), std::optional<std::string>("host/Qorv2.exe"));
  EXPECT_EQ(ReadFileVersion("host/Qorv2.exe"), std::nullopt);  // no version resource here
  CabrilloLog log;
  log.fileBaseName = "G4ABC";
  EXPECT_EQ(log.WriteLogFile(true, 0, "host/"), "File produced: G4ABC.cbr");
  EXPECT_NE(ReadFileBytes("G4ABC.cbr").find("CREATED-BY: Qorv \r\n"), std::string::npos);
}
