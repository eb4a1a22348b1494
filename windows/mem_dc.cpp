#include "windows/mem_dc.h"

CMemDC::CMemDC(HDC target)
    : target_(target), offScreen_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER), dc_(target) {
  if (!offScreen_) return;
  dc_ = CreateCompatibleDC(target);
  GetClipBox(target, &area_);
  bitmap_ = CreateCompatibleBitmap(target, area_.right - area_.left, area_.bottom - area_.top);
  previousBitmap_ = SelectObject(dc_, bitmap_);
  SetWindowOrgEx(dc_, area_.left, area_.top, nullptr);
}

CMemDC::~CMemDC() {
  if (!offScreen_) return;
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
         area_.left, area_.top, SRCCOPY);
  SelectObject(dc_, previousBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}
