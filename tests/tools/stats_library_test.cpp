#include "host/stats_library.h"

#include <gtest/gtest.h>

#include <string>

TEST(StatsLibrary, BindsTheTenEntryPointsByTheirPlainNames) {
  StatsLibrary stats(STATS_LIBRARY_FILE);
  EXPECT_EQ(stats.GetNumberOfSets(), 1);
  EXPECT_STREQ(stats.GetSetName(0), "CQ UK/EI CW/SSB (C)");
  EXPECT_EQ(stats.GetExchgCount0(nullptr, nullptr, nullptr), 1);
  for (const StatsLibrary::ExportNames& names : StatsLibrary::kExports) {
    EXPECT_NE(stats.Symbol(names.plain), nullptr) << names.plain;
  }
}

TEST(StatsLibrary, NamesTheLibraryItCannotLoad) {
  try {
    StatsLibrary missing("no-such-folder/libStats.so");
    FAIL() << "a missing library loaded";
  } catch (const StatsLibraryError& error) {
    EXPECT_NE(std::string(error.what()).find("cannot load no-such-folder/libStats.so"),
              std::string::npos);
  }
}

#if defined(_WIN32)
TEST(StatsLibrary, BindsTheDecoratedNamesOfTheWindowsLibraryToTheSameCode) {
  const StatsLibrary stats(STATS_LIBRARY_FILE, StatsLibrary::Names::kDecorated);
  EXPECT_STREQ(stats.GetSetName(5), "CQ UK/EI CW/SSB (C)");
  for (const StatsLibrary::ExportNames& names : StatsLibrary::kExports) {
    EXPECT_EQ(stats.Symbol(names.plain), stats.Symbol(names.decorated)) << names.plain;
  }
}
#else
TEST(StatsLibrary, TheNativeLibraryExportsThePlainNamesOnly) {
  try {
    StatsLibrary decorated(STATS_LIBRARY_FILE, StatsLibrary::Names::kDecorated);
    FAIL() << "decorated names bound natively";
  } catch (const StatsLibraryError& error) {
    EXPECT_NE(std::string(error.what()).find("does not export ?GetNumberOfSets@@YAHXZ"),
              std::string::npos);
  }
}
#endif
