#include "windows/info_button_win32.h"

#include "windows/gdi_objects_win32.h"
#include "windows/mem_dc_win32.h"
#include "windows/window_colours.h"

namespace {

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  const CountedObject<HBRUSH> brush(CreateCountedBrush(colour));
  FillRect(dc, &area, brush.get());
}

}  // namespace

void CCqWwInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const InfoButtonFace face = ComposeInfoButtonFace(state_, item.rcItem.right, item.rcItem.bottom);
  CMemDC surface(item.hDC);
  const HDC dc = surface.dc();
  Fill(dc, item.rcItem, face.background);
  if (face.highlight) {
    const FaceRect& band = *face.highlight;
    Fill(dc, {band.left, band.top, band.right, band.bottom}, kCallViewHighlight);
  }
  SetBkMode(dc, TRANSPARENT);
  for (const PlacedText& text : face.texts) {
    TextOutA(dc, text.x, text.y, text.text.c_str(), static_cast<int>(text.text.size()));
  }
}

void CCqWwInfoButton::Invalidate() {
  InvalidateRect(control_, nullptr, FALSE);
}
