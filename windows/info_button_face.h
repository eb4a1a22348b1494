#pragma once
// What the worked-status button shows, worked out without drawing: its background, the
// highlighted band and every text with its place. Two faces: the call view (how the call
// in the host's entry field was worked on each band) while a call is typed, otherwise the
// list view (the DXCC prefixes worked on the current band, in a grid of short cells).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/band_tables.h"

// What the button paints: a snapshot the refresh hands it.
struct InfoButtonState {
  std::string currentCall;
  int currentBandIndex = -1;
  std::array<BandStatusRow, kBandSlots> bandStatus;  // call view only
  // List view only: ascending by byte value ("3A" before "9A" before "A4", "VK" before "VK0").
  std::vector<std::string> bandPrefixes;
};

struct FaceRect {
  int left, top, right, bottom;
};

struct PlacedText {
  int x, y;  // top-left corner of the text, pixels
  std::string text;
};

struct InfoButtonFace {
  uint32_t background;
  std::optional<FaceRect> highlight;  // filled with kCallViewHighlight
  std::vector<PlacedText> texts;      // in drawing order; what falls outside is clipped
};

// The face for a button whose item rectangle is (0, 0, right, bottom).
InfoButtonFace ComposeInfoButtonFace(const InfoButtonState& state, int right, int bottom);
