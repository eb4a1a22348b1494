#include "windows/mem_dc.h"

#include "windows/gdi_objects.h"

CMemDC::CMemDC(HDC target)
    : target_(target), offScreen_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER), dc_(target) {
  if (!offScreen_) return;
  dc_ = CreateCountedDC(target);
  GetClipBox(target, &area_);
  bitmap_ = CreateCountedBitmap(target, area_.right - area_.left, area_.bottom - area_.top);
  previousBitmap_ = SelectObject(dc_, bitmap_);
  SetWindowOrgEx(dc_, area_.left, area_.top, nullptr);
}

CMemDC::~CMemDC() {
  if (!offScreen_) return;
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
         area_.left, area_.top, SRCCOPY);
  SelectObject(dc_, previousBitmap_);
  DeleteCounted(bitmap_);
  DeleteCountedDC(dc_);
}
