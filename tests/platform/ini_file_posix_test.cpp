#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "host/temp_folder.h"
#include "platform/ini_file.h"

namespace {
const char* const kPath = "Plugins/UK_EI.ini";
}

TEST(IniFile, ReadsLikeTheProfileFunctions) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  EXPECT_EQ(settings.Read("Mode"), "");  // no file
  EXPECT_EQ(settings.Read("Operators", "G4ABC"), "G4ABC");

  WriteFileBytes(kPath,
                 "[Other]\r\nMode=7\r\n"
                 "  [ settings ]  \r\n"
                 "; a comment\n"
                 "  MODE =  1  \n"
                 "Name=\"Quoted Name\"\r\n"
                 "Email='Jean Smith'\r\n"
                 "Empty=\r\n"
                 "setup_areacode=LN\r\n"
                 "Mode=2\r\n"
                 "[Later]\r\nClub=x\r\n");
  EXPECT_EQ(settings.Read("Mode"), "1");  // section and key ignore case, first key wins
  EXPECT_EQ(settings.ReadInt("mode"), 1);
  EXPECT_EQ(settings.Read("Name"), "Quoted Name");
  EXPECT_EQ(settings.Read("Email"), "Jean Smith");
  EXPECT_EQ(settings.Read("Empty", "fallback"), "");
  EXPECT_EQ(settings.Read("Club", "none"), "none");  // another section's key
  EXPECT_EQ(settings.ReadInt("setup_areacode"), 0);  // not a number

  WriteFileBytes(kPath, "[Settings]\nSoapBox=" + std::string(500, 'x') + "\n");
  EXPECT_EQ(settings.Read("SoapBox"), std::string(99, 'x'));  // a 100-byte buffer
}

TEST(IniFile, WritesCreateReplaceAndAppend) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  settings.Write("Start", "1");
  EXPECT_EQ(ReadFileBytes(kPath), "[Settings]\r\nStart=1\r\n");

  settings.Write("Mode", "0");
  settings.Write("START", "0");
  EXPECT_EQ(ReadFileBytes(kPath), "[Settings]\r\nStart=0\r\nMode=0\r\n");

  WriteFileBytes(kPath, "[Settings]\nA=1\n\n[Other]\nB=2\n");
  settings.Write("C", "3");
  EXPECT_EQ(ReadFileBytes(kPath), "[Settings]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n");

  const IniFile other("New", "Plugins\\UK_EI.ini");
  other.Write("K", "v");
  EXPECT_EQ(other.Read("K"), "v");
  EXPECT_EQ(settings.Read("C"), "3");
}

TEST(IniFile, WriteWithoutItsFolderIsIgnored) {
  TempFolder folder;
  const IniFile nowhere("Settings", "Missing\\UK_EI.ini");
  nowhere.Write("Start", "1");
  EXPECT_EQ(nowhere.Read("Start", "none"), "none");
}

TEST(IniFile, TwoProcessesWritingLoseNoKey) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  const auto writeKeys = [&](const char* prefix) {
    for (int i = 0; i < 150; ++i) settings.Write(prefix + std::to_string(i), "\r\nForged=1");
  };
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    writeKeys("Child");
    _exit(0);
  }
  writeKeys("Parent");
  int status = 0;
  waitpid(child, &status, 0);
  for (int i = 0; i < 150; ++i) {
    EXPECT_EQ(settings.Read("Child" + std::to_string(i)), "Forged=1");  // a value adds no key
    EXPECT_EQ(settings.Read("Parent" + std::to_string(i)), "Forged=1");
  }
  EXPECT_EQ(settings.Read("Forged", "none"), "none");
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("Plugins")) files += entry.exists();
  EXPECT_EQ(files, 1u);  // no temporary file left behind
}

TEST(IniFile, ReadOnlyOversizedAndSpecialFilesAreNotReplaced) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  ASSERT_TRUE(settings.Write("Mode", "1"));
  chmod(kPath, 0444);  // refused as on Windows, also to root
  EXPECT_FALSE(settings.Write("Mode", "0"));
  EXPECT_EQ(settings.Read("Mode"), "1");
  chmod(kPath, 0644);

  // Larger than 1 MiB: no settings file, and kept as it is.
  const std::string oversized = "[Settings]\r\nMode=1\r\n" + std::string(1 << 20, ';');
  WriteFileBytes(kPath, oversized);
  EXPECT_EQ(settings.Read("Mode", "default"), "default");
  EXPECT_FALSE(settings.Write("Mode", "0"));
  EXPECT_EQ(ReadFileBytes(kPath), oversized);

  // A FIFO would block every read, a device could never end.
  for (const auto make :
       {+[] { return mkfifo(kPath, 0600); }, +[] { return symlink("/dev/null", kPath); }}) {
    unlink(kPath);
    ASSERT_EQ(make(), 0);
    EXPECT_EQ(settings.Read("Mode", "default"), "default");
    EXPECT_FALSE(settings.Write("Mode", "0"));
  }
  unlink(kPath);
}

TEST(IniFile, ReplacementKeepsModeLinkAndAnyNameAndClearsLeftovers) {
  TempFolder folder;
  const IniFile settings("Settings", "Plugins\\UK_EI.ini");
  ASSERT_TRUE(settings.Write("Mode", "1"));
  chmod(kPath, 0600);
  ASSERT_TRUE(settings.Write("Mode", "0"));
  struct stat status {};
  ASSERT_EQ(stat(kPath, &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);

  // A link stays, and the file it leads to takes the key.
  std::filesystem::rename(kPath, "Plugins/kept.ini");
  ASSERT_EQ(symlink("kept.ini", kPath), 0);
  ASSERT_TRUE(settings.Write("Name", "Jane"));
  EXPECT_TRUE(std::filesystem::is_symlink(kPath));
  EXPECT_EQ(ReadFileBytes("Plugins/kept.ini"), "[Settings]\r\nMode=0\r\nName=Jane\r\n");

  // What a writer killed before its end left is cleared; a living writer's file is kept.
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string leftover = "Plugins/kept.ini." + std::to_string(gone) + "-7.tmp";
  const std::string living = "Plugins/kept.ini." + std::to_string(getpid()) + "-8.tmp";
  WriteFileBytes(leftover, "[Settings]\r\n");
  WriteFileBytes(living, "[Settings]\r\n");
  ASSERT_TRUE(settings.Write("Name", "Joan"));
  EXPECT_FALSE(std::filesystem::exists(leftover));
  EXPECT_TRUE(std::filesystem::exists(living));

  // The longest name a folder takes, with no room left for a temporary name's ending.
  const IniFile longest("Settings", std::string(255, 'n'));
  EXPECT_TRUE(longest.Write("Mode", "1"));
  EXPECT_EQ(longest.Read("Mode"), "1");
}
