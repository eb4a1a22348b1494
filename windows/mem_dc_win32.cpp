#include "windows/mem_dc_win32.h"

CMemDC::CMemDC(HDC target)
    : target_(target), offScreen_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER), dc_(target) {
  if (!offScreen_) return;
  memoryDc_.reset(CreateCountedDC(target));
  dc_ = memoryDc_.get();
  GetClipBox(target, &area_);
  bitmap_.reset(CreateCountedBitmap(target, area_.right - area_.left, area_.bottom - area_.top));
  selectedBitmap_.reset({dc_, SelectObject(dc_, bitmap_.get())});
  SetWindowOrgEx(dc_, area_.left, area_.top, nullptr);
}

CMemDC::~CMemDC() {
  if (!offScreen_) return;
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
         area_.left, area_.top, SRCCOPY);
}
