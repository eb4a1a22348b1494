// The settings file on Windows under wine, as a crashing logger and a second program meet
// it: a writer killed while it writes leaves the file whole with every key, and two
// programs writing at once lose none of each other's keys.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "host/temp_folder.h"
#include "platform/ini_file.h"

namespace {

const IniFile settings("Settings", "Plugins\\UK_EI.ini");
const char* const kWriterVariable = "STATS_SETTINGS_WRITER";

// This program started again as a writer ("KEY COUNT" in the variable) writes the keys
// KEY1 to KEYCOUNT and ends, before any test runs; with a count of 0 it writes KEY with
// ever new values until it is killed.
const bool kIsWriter = [] {
  char job[64] = "";
  if (GetEnvironmentVariableA(kWriterVariable, job, sizeof job) == 0) return false;
  char key[32] = "";
  int count = 0;
  if (std::sscanf(job, "%31s %d", key, &count) != 2) ExitProcess(2);
  for (int value = 1; count == 0 || value <= count; ++value) {
    const std::string number = std::to_string(value);
    if (!settings.Write(count == 0 ? key : key + number, number)) ExitProcess(1);
  }
  ExitProcess(0);
}();

PROCESS_INFORMATION StartWriter(const std::string& key, int count) {
  SetEnvironmentVariableA(kWriterVariable, (key + " " + std::to_string(count)).c_str());
  char program[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(CreateProcessA(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  SetEnvironmentVariableA(kWriterVariable, nullptr);
  return process;
}

DWORD EndOf(PROCESS_INFORMATION& process) {
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace

TEST(SettingsFile, WriterKilledWhileWritingLeavesEveryKey) {
  TempFolder folder;
  ASSERT_TRUE(settings.Write("Name", "Jane Doe"));
  ASSERT_TRUE(settings.Write("Mode", "1"));
  for (int run = 0; run < 12; ++run) {
    ASSERT_TRUE(settings.Write("Claimed", "0"));
    PROCESS_INFORMATION writer = StartWriter("Claimed", 0);
    // Killed once it writes, at another moment of its write each time.
    for (int wait = 0; wait < 1000 && settings.Read("Claimed") == "0"; ++wait) Sleep(10);
    Sleep(run % 5);
    TerminateProcess(writer.hProcess, 9);
    EndOf(writer);
    EXPECT_EQ(settings.Read("Name"), "Jane Doe") << run;
    EXPECT_EQ(settings.Read("Mode"), "1") << run;
  }
  ASSERT_TRUE(settings.Write("Start", "1"));  // the next writer clears what they left
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("Plugins")) files += entry.exists();
  EXPECT_EQ(files, 1u);
}

TEST(SettingsFile, TwoProgramsWritingLoseNoKey) {
  TempFolder folder;
  PROCESS_INFORMATION name = StartWriter("Name", 60);
  PROCESS_INFORMATION email = StartWriter("Email", 60);
  EXPECT_EQ(EndOf(name), 0u);
  EXPECT_EQ(EndOf(email), 0u);
  for (int i = 1; i <= 60; ++i) {
    EXPECT_EQ(settings.Read("Name" + std::to_string(i)), std::to_string(i));
    EXPECT_EQ(settings.Read("Email" + std::to_string(i)), std::to_string(i));
  }
  // As Windows writes it: the section's header, then a line per key.
  const std::string file = ReadFileBytes("Plugins/UK_EI.ini");
  EXPECT_EQ(file.rfind("[Settings]\r\n", 0), 0u);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1 + 2 * 60);
}
