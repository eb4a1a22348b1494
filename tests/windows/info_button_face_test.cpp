#include "windows/info_button_face.h"

#include <gtest/gtest.h>

#include "windows/window_colours.h"

namespace {

struct Point {
  int x, y;
  bool operator==(const Point& other) const { return x == other.x && y == other.y; }
};

std::vector<Point> Places(const InfoButtonFace& face) {
  std::vector<Point> places;
  for (const PlacedText& text : face.texts) places.push_back({text.x, text.y});
  return places;
}

std::vector<std::string> Texts(const InfoButtonFace& face) {
  std::vector<std::string> texts;
  for (const PlacedText& text : face.texts) texts.push_back(text.text);
  return texts;
}

TEST(InfoButtonListView, SortsTheBandsPrefixesInTheStateAndFillsRowsOfCells) {
  ContestState state;
  state.currentBandIndex = 3;
  state.workedDxccByBand[3] = {"VK", "3A", "DL", "VK0", "A4", "9A", "G"};
  state.workedDxccByBand[2] = {"VK", "3A"};
  const InfoButtonState copy = CopyInfoButtonState(state);
  const std::vector<std::string> sorted = {"3A", "9A", "A4", "DL", "G", "VK", "VK0"};
  EXPECT_EQ(state.workedDxccByBand[3], sorted);
  EXPECT_EQ(state.workedDxccByBand[2], (std::vector<std::string>{"VK", "3A"}));

  const InfoButtonFace face = ComposeInfoButtonFace(copy, 250, 100);
  EXPECT_EQ(face.background, kPaleYellow);
  EXPECT_FALSE(face.highlight);
  EXPECT_EQ(Texts(face), sorted);
  EXPECT_EQ(
      Places(face),
      (std::vector<Point>{{5, 15}, {45, 15}, {85, 15}, {125, 15}, {165, 15}, {205, 15}, {5, 30}}));
}

TEST(InfoButtonListView, NoBandOrNoPrefixLeavesTheBackgroundAlone) {
  ContestState state;
  state.workedDxccByBand[0] = {"DL", "3A"};
  const InfoButtonFace noBand = ComposeInfoButtonFace(CopyInfoButtonState(state), 250, 100);
  EXPECT_EQ(noBand.background, kPaleYellow);
  EXPECT_TRUE(noBand.texts.empty());
  EXPECT_EQ(state.workedDxccByBand[0], (std::vector<std::string>{"DL", "3A"}));

  state.currentBandIndex = 1;
  EXPECT_TRUE(ComposeInfoButtonFace(CopyInfoButtonState(state), 250, 100).texts.empty());
}

TEST(InfoButtonCallView, HeaderAndOneLinePerBandWithTheCurrentBandHighlighted) {
  ContestState state;
  state.currentCall = "G4ABC";
  state.currentBandIndex = 5;
  state.workedDxccByBand[5] = {"VK", "3A"};
  for (int r = 0; r < kBandSlots; ++r) {
    state.bandStatus[r] = {std::string(kBandNames[r]), "   -", "   -", " -", "spare"};
  }
  state.bandStatus[3] = {"20m", "CW", "12:34", "00", "spare"};
  const InfoButtonState copy = CopyInfoButtonState(state);
  EXPECT_EQ(state.workedDxccByBand[5], (std::vector<std::string>{"VK", "3A"}));  // not sorted

  const InfoButtonFace face = ComposeInfoButtonFace(copy, 300, 140);
  EXPECT_EQ(face.background, kCallViewBackground);
  ASSERT_TRUE(face.highlight);
  EXPECT_EQ(face.highlight->left, 0);
  EXPECT_EQ(face.highlight->top, 130);
  EXPECT_EQ(face.highlight->right, 300);
  EXPECT_EQ(face.highlight->bottom, 140);
  ASSERT_EQ(face.texts.size(), 5u + 6 * 4);
  EXPECT_EQ(Texts(face)[2], "G4ABC");
  EXPECT_EQ(Places(face)[2], (Point{140, 0}));
  EXPECT_EQ(Places(face)[4], (Point{250, 14}));
  // Line 4 is the 20m row: band, mode, time and zone at x 20, 100, 180, 260.
  const std::vector<std::string> texts = Texts(face);
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 5 + 3 * 4, texts.begin() + 5 + 4 * 4),
            (std::vector<std::string>{"20m", "CW", "12:34", "00"}));
  EXPECT_EQ(Places(face)[5 + 3 * 4 + 1], (Point{100, 90}));
  EXPECT_EQ(Places(face).back(), (Point{260, 130}));
  for (const std::string& text : texts) EXPECT_NE(text, "spare");
}

TEST(InfoButtonCallView, NoBandMeansNoHighlightAndATinyButtonStacksTheLines) {
  ContestState state;
  state.currentCall = "DL1AB";
  const InfoButtonFace face = ComposeInfoButtonFace(CopyInfoButtonState(state), 300, 6);
  EXPECT_FALSE(face.highlight);
  for (size_t i = 5; i < face.texts.size(); ++i) EXPECT_EQ(face.texts[i].y, 10);
}

}  // namespace
