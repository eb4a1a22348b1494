#pragma once
// Colours of the multiplier windows, in the Windows colour layout 0x00BBGGRR.

#include <cstdint>

// Background of the grids, their boxes and the worked-status button's list view.
constexpr uint32_t kPaleYellow = 0x00C6FAFF;  // red 255, green 250, blue 198
// The worked-status button's call view and its highlight of the current band.
constexpr uint32_t kCallViewBackground = 0x00C6FFFF;  // red 255, green 255, blue 198
constexpr uint32_t kCallViewHighlight = 0x00FFFFC6;   // red 198, green 255, blue 255
