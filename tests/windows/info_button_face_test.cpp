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

TEST(InfoButtonListView, FillsRowsOfCellsWithTheBandsPrefixes) {
  InfoButtonState copy;
  copy.currentBandIndex = 3;
  const std::vector<std::string> sorted = {"3A", "9A", "A4", "DL", "G", "VK", "VK0"};
  copy.bandPrefixes = sorted;

  const InfoButtonFace face = ComposeInfoButtonFace(copy, 250, 100);
  EXPECT_EQ(face.background, kPaleYellow);
  EXPECT_FALSE(face.highlight);
  EXPECT_EQ(Texts(face), sorted);
  EXPECT_EQ(
      Places(face),
      (std::vector<Point>{{5, 15}, {45, 15}, {85, 15}, {125, 15}, {165, 15}, {205, 15}, {5, 30}}));
}

TEST(InfoButtonListView, NoBandOrNoPrefixLeavesTheBackgroundAlone) {
  InfoButtonState state;
  state.bandPrefixes = {"DL", "3A"};
  const InfoButtonFace noBand = ComposeInfoButtonFace(state, 250, 100);
  EXPECT_EQ(noBand.background, kPaleYellow);
  EXPECT_TRUE(noBand.texts.empty());

  state.currentBandIndex = 1;
  state.bandPrefixes.clear();
  EXPECT_TRUE(ComposeInfoButtonFace(state, 250, 100).texts.empty());
}

TEST(InfoButtonCallView, HeaderAndOneLinePerBandWithTheCurrentBandHighlighted) {
  InfoButtonState copy;
  copy.currentCall = "G4ABC";
  copy.currentBandIndex = 5;
  for (int r = 0; r < kBandSlots; ++r) {
    copy.bandStatus[r] = {std::string(kBandNames[r]), "   -", "   -", " -", "spare"};
  }
  copy.bandStatus[3] = {"20m", "CW", "12:34", "00", "spare"};

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
  InfoButtonState state;
  state.currentCall = "DL1AB";
  const InfoButtonFace face = ComposeInfoButtonFace(state, 300, 6);
  EXPECT_FALSE(face.highlight);
  for (size_t i = 5; i < face.texts.size(); ++i) EXPECT_EQ(face.texts[i].y, 10);
}

}  // namespace
