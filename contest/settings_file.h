#pragma once
// The plug-in's settings file, relative to the host's current folder, its one section, and
// the keys of that section besides the Cabrillo header's (reports/cabrillo_header_fields.h),
// each once: its text, who writes it, its type and what it reads as when missing. The
// replay tool writes the same file before it loads the plug-in.

inline constexpr const char* kSettingsPath = "Plugins\\UK_EI.ini";
inline constexpr const char* kSettingsSection = "Settings";

// A missing flag, or one that is no number, reads as 0; a missing text as the empty one.
// Flags are written "1" or "0".

// Written by the reset.
inline constexpr const char* kStartKey = "Start";  // flag: the next reset opens no windows

// Written by the control window; the reset reads the leg and the area code.
inline constexpr const char* kModeKey = "Mode";                       // flag: the CW leg
inline constexpr const char* kAreaCodeKey = "setup_areacode";         // text: the own area code
inline constexpr const char* kModeCwKey = "setup_mode_cw";            // flag: the CW box
inline constexpr const char* kModeSsbKey = "setup_mode_ssb";          // flag: the SSB box
inline constexpr const char* kViewAreaKey = "setup_view_zone";        // flag: the area window
inline constexpr const char* kViewDxccKey = "setup_view_multiplier";  // flag: the DXCC window
inline constexpr const char* kViewDxccExtendedKey =
    "setup_view_multiplier_extended";  // flag: the extended DXCC window

// Written by the report, off the host's thread: the claimed score, a number; the Cabrillo
// header dialog shows it.
inline constexpr const char* kClaimedKey = "Claimed";

// Written by each window as it moves: its left and top edge in pixels; missing, 0 or no
// number puts it at 10, 400 (windows/window_position.h).
struct WindowPositionKeys {
  const char* x;
  const char* y;
};
inline constexpr WindowPositionKeys kControlPositionKeys{"setup_cq_ww_x", "setup_cq_ww_y"};
inline constexpr WindowPositionKeys kAreaPositionKeys{"area_x", "area_y"};
inline constexpr WindowPositionKeys kDxccPositionKeys{"dxcc_x", "dxcc_y"};
inline constexpr WindowPositionKeys kDxccExtendedPositionKeys{"dxcc_extended_x", "dxcc_extended_y"};
