#pragma once
// Off-screen drawing for a screen surface: everything drawn on a CMemDC goes to a bitmap
// covering the target's clip box, in the target's own coordinates, and reaches the target
// in one transfer when the CMemDC ends, so a face built in several steps never flickers.
// On a printer surface there is nothing to flicker: drawing goes straight to the target.

#include <windows.h>

#include "windows/gdi_objects_win32.h"

class CMemDC {
 public:
  explicit CMemDC(HDC target);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // The surface to draw on.
  HDC dc() const { return dc_; }

 private:
  HDC target_;
  RECT area_{};
  bool offScreen_;
  HDC dc_;  // the target, or the memory DC
  // In the order they go, last first: the DC's own bitmap selected back, the bitmap, the DC.
  CountedDC memoryDc_;
  CountedObject<HBITMAP> bitmap_;
  Owned<Selection> selectedBitmap_;
};
