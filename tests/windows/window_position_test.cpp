#include "windows/window_position.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

std::filesystem::path NewFolder() {
  std::string pattern = std::filesystem::temp_directory_path() / "window_position_XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  return pattern;
}

class WindowPositionTest : public ::testing::Test {
 protected:
  void SetUp() override { savedWindowX = savedWindowY = 0; }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  const std::filesystem::path folder_ = NewFolder();
  IniFile settings_{"Settings", (folder_ / "UK_EI.ini").string()};
};

TEST_F(WindowPositionTest, MissingZeroOrWordyValuesGiveTheDefaultCorner) {
  const ScreenPosition first = RestoreWindowPosition(settings_, kAreaPositionKeys);
  EXPECT_EQ(first.x, 10);
  EXPECT_EQ(first.y, 400);
  EXPECT_EQ(savedWindowX, 10);
  EXPECT_EQ(savedWindowY, 400);

  settings_.Write("area_x", "0");
  settings_.Write("area_y", "250");
  const ScreenPosition stored = RestoreWindowPosition(settings_, kAreaPositionKeys);
  EXPECT_EQ(stored.x, 10);
  EXPECT_EQ(stored.y, 250);

  settings_.Write("dxcc_x", "left");
  settings_.Write("dxcc_y", "77");
  const ScreenPosition wordy = RestoreWindowPosition(settings_, kDxccPositionKeys);
  EXPECT_EQ(wordy.x, 10);
  EXPECT_EQ(wordy.y, 77);
}

TEST_F(WindowPositionTest, OnlyCoordinatesThatDifferFromTheSharedPairAreWritten) {
  settings_.Write("area_x", "0");
  settings_.Write("area_y", "250");
  RestoreWindowPosition(settings_, kAreaPositionKeys);
  SaveWindowPositionIfMoved(settings_, kAreaPositionKeys, {10, 250});
  EXPECT_EQ(settings_.Read("area_x"), "0");  // left at the default: nothing written

  SaveWindowPositionIfMoved(settings_, kAreaPositionKeys, {300, 120});
  EXPECT_EQ(settings_.Read("area_x"), "300");
  EXPECT_EQ(settings_.Read("area_y"), "120");
  EXPECT_EQ(savedWindowX, 300);
  EXPECT_EQ(savedWindowY, 120);

  // The pair is shared: another window standing at the same x writes only its y.
  SaveWindowPositionIfMoved(settings_, kDxccExtendedPositionKeys, {300, 80});
  EXPECT_EQ(settings_.Read("dxcc_extended_x"), "");
  EXPECT_EQ(settings_.Read("dxcc_extended_y"), "80");
}

}  // namespace
