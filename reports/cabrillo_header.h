#pragma once
// The Cabrillo header dialog run by a reset for export: the header is filled from the INI
// file and fixed defaults, confirmed (and edited) by the operator, then kept and saved.

#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/ole_date.h"
#include "reports/cabrillo_log.h"

// Fills the header from the INI file and the fixed defaults of the leg.
void LoadHeader(CabrilloLog& log, const std::string& ownCall, const OleDate& contestStart,
                const OleDate& contestEnd, bool cwLeg, const IniFile& settings);

// What the dialog tells the operator before storing fields whose text is longer than a read
// of the INI file gives back, naming them by their labels; empty when every field fits.
std::string TooLongToKeepNotice(const CabrilloDialogFields& fields);

// Keeps what the operator confirmed (all but the claimed score, which is shown only),
// saves it to the INI file, and empties the collected QSO lines. A text too long for the
// INI file is saved as much as a read gives back, never ending inside a line-break marker.
void StoreHeader(CabrilloLog& log, const CabrilloDialogFields& confirmed, const IniFile& settings);

// The call with "/" and "\\" and the characters Windows refuses in file names replaced by
// "_", without surrounding white space; "QXLG" when nothing is left.
std::string FileBaseName(std::string_view call);

// Every occurrence of `old` (not empty) replaced by `replacement`; what is inserted is not
// searched again.
std::string ReplaceAll(std::string_view text, std::string_view old, std::string_view replacement);
