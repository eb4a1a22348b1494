#pragma once
// The Cabrillo header dialog run by a reset for export.

#include <string>

#include "platform/ole_date.h"

// Fills the header from the INI file and the fixed defaults, shows the dialog and, on OK,
// keeps and saves the values. 1 after OK; 0 after Cancel, which switches the export off.
int RunHeaderDialog(const std::string& ownCall, const OleDate& contestStart,
                    const OleDate& contestEnd);
