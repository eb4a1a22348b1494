#pragma once
// The multiplier windows as the control window and the refresh drive them. Everything here
// runs on the window thread, the thread whose message loop serves the windows; closing a
// window means destroying its object there (resetting the pointer), which also frees it.
//
//   auto areaWindow = std::make_unique<AreaCode>(settings);
//   areaWindow->Open();                              // at its saved place
//   areaWindow->SetCaption("CQ-UK/EI-CW 2024  Area worked on 20m");
//   MarkWorkedAreas(*areaWindow, areasOfTheBand);   // a copy the refresh made
//   areaWindow->ShowCheckValues();
//   areaWindow.reset();                              // closed: destroyed and freed
//
// Close every window before the window thread ends: the system destroys the windows of an
// ended thread without a word to their objects, which would keep stale handles.

#include <memory>
#include <string>
#include <vector>

#include "windows/area_code_win32.h"
#include "windows/multiplier_mult_win32.h"
#include "windows/multiplier_win32.h"

// Writes the check values from one band's worked lists; ShowCheckValues() then ticks the
// boxes. Every area code and every DXCC box is ticked by its own text.
void MarkWorkedAreas(AreaCode& window, const std::vector<std::string>& workedAreas);
void MarkWorkedDxcc(Multiplier_Mult& window, const std::vector<std::string>& workedDxcc);
