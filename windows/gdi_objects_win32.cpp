#include "windows/gdi_objects_win32.h"

#include <atomic>

namespace {

std::atomic<long> inUse{0};

template <typename Handle>
Handle Counted(Handle made) {
  if (made != nullptr) ++inUse;
  return made;
}

void Forget(bool deleted) {
  if (deleted) --inUse;
}

}  // namespace

HBRUSH CreateCountedBrush(COLORREF colour) {
  return Counted(CreateSolidBrush(colour));
}

HDC CreateCountedDC(HDC compatibleWith) {
  return Counted(CreateCompatibleDC(compatibleWith));
}

HBITMAP CreateCountedBitmap(HDC compatibleWith, int width, int height) {
  return Counted(CreateCompatibleBitmap(compatibleWith, width, height));
}

void DeleteCounted(HGDIOBJ object) {
  Forget(object != nullptr && DeleteObject(object));
}

void DeleteCountedDC(HDC dc) {
  Forget(dc != nullptr && DeleteDC(dc));
}

long __cdecl GdiObjectsInUse() {
  return inUse;
}
