#include "windows/window_position.h"

#include <string>

int savedWindowX = 0;
int savedWindowY = 0;

namespace {

constexpr int kDefaultX = 10;
constexpr int kDefaultY = 400;

}  // namespace

ScreenPosition RestoreWindowPosition(const IniFile& settings, const WindowPositionKeys& keys) {
  savedWindowX = settings.ReadInt(keys.x);
  savedWindowY = settings.ReadInt(keys.y);
  if (savedWindowX == 0) savedWindowX = kDefaultX;
  if (savedWindowY == 0) savedWindowY = kDefaultY;
  return {savedWindowX, savedWindowY};
}

void SaveWindowPositionIfMoved(const IniFile& settings, const WindowPositionKeys& keys,
                               ScreenPosition corner) {
  if (corner.x != savedWindowX) {
    savedWindowX = corner.x;
    settings.Write(keys.x, std::to_string(corner.x));
  }
  if (corner.y != savedWindowY) {
    savedWindowY = corner.y;
    settings.Write(keys.y, std::to_string(corner.y));
  }
}
