#include "windows/info_button_face.h"

#include "windows/window_colours.h"

namespace {

constexpr int kCallViewLines = 7;  // the header and one line per band slot
constexpr int kLineTextOffset = 10;
constexpr std::array<int, 4> kCallViewColumnX = {20, 100, 180, 260};

constexpr int kCellWidth = 40, kCellHeight = 15;
constexpr int kFirstCellX = 5, kFirstCellY = 15;

InfoButtonFace CallView(const InfoButtonState& state, int right, int bottom) {
  InfoButtonFace face{kCallViewBackground, std::nullopt, {}};
  const int lineHeight = bottom / kCallViewLines;
  const int band = state.currentBandIndex;
  if (band >= 0) {
    face.highlight =
        FaceRect{0, lineHeight * (band + 1) + kLineTextOffset, right, lineHeight * (band + 2)};
  }
  face.texts = {{20, 14, "Band"},
                {100, 14, "Mode"},
                {140, 0, state.currentCall},
                {178, 14, "Time"},
                {250, 14, "Zone"}};
  for (int r = 1; r < kCallViewLines; ++r) {
    const BandStatusRow& row = state.bandStatus[r - 1];
    for (size_t column = 0; column < kCallViewColumnX.size(); ++column) {
      face.texts.push_back(
          {kCallViewColumnX[column], lineHeight * r + kLineTextOffset, row[column]});
    }
  }
  return face;
}

InfoButtonFace ListView(const InfoButtonState& state, int right) {
  InfoButtonFace face{kPaleYellow, std::nullopt, {}};
  if (state.currentBandIndex < 0) return face;
  int x = kFirstCellX, y = kFirstCellY;
  for (const std::string& prefix : state.bandPrefixes) {
    face.texts.push_back({x, y, prefix});
    x += kCellWidth;
    if (x > right - kCellWidth) {
      y += kCellHeight;
      x = kFirstCellX;
    }
  }
  return face;
}

}  // namespace

InfoButtonFace ComposeInfoButtonFace(const InfoButtonState& state, int right, int bottom) {
  return state.currentCall.empty() ? ListView(state, right) : CallView(state, right, bottom);
}
