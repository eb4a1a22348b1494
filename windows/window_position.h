#pragma once
// Where the plug-in's windows stand on the screen, remembered in the settings file under
// two keys per window. One pair of remembered coordinates is shared by all windows: it
// holds whatever the window that last restored or saved its position put there, so a
// window writes a coordinate whenever it differs from that pair. Window thread only.

#include "contest/settings_file.h"
#include "platform/ini_file.h"

extern int savedWindowX;
extern int savedWindowY;

struct ScreenPosition {
  int x, y;
};

// Reads the window's stored corner into the shared pair and returns it; a missing, zero or
// non-numeric value gives x 10 and y 400.
ScreenPosition RestoreWindowPosition(const IniFile& settings, const WindowPositionKeys& keys);

// Stores each coordinate of the window's corner that differs from the shared pair, in the
// pair and in the settings file.
void SaveWindowPositionIfMoved(const IniFile& settings, const WindowPositionKeys& keys,
                               ScreenPosition corner);
