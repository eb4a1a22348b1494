#pragma once
// The plug-in's own GDI objects, counted: every brush, memory DC and bitmap the windows
// make goes through these, and every one is given back through them. A host runs for a
// whole contest; the count shows that drawing leaks nothing (the weekend benchmark reads
// it through GdiObjectsInUse, exported by ordinal only).

#include <windows.h>

#include "platform/owned_win32.h"

HBRUSH CreateCountedBrush(COLORREF colour);
HDC CreateCountedDC(HDC compatibleWith);
HBITMAP CreateCountedBitmap(HDC compatibleWith, int width, int height);
// DeleteObject of a brush or bitmap made above.
void DeleteCounted(HGDIOBJ object);
void DeleteCountedDC(HDC dc);

// Owners that give them back through the two above.
template <typename Object>
using CountedObject = Owned<PlainKind<Object, nullptr, DeleteCounted>>;
using CountedDC = Owned<PlainKind<HDC, nullptr, DeleteCountedDC>>;

// How many of them exist now.
extern "C" long __cdecl GdiObjectsInUse();
