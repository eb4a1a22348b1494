#pragma once
// A contest log read from an ADIF or a Cabrillo file, whichever it is.

#include <string_view>

#include "tools/logs/log_record.h"

// Reads an ADIF or a Cabrillo log, told apart by content; throws LogError for anything else.
// A file of blank space only holds no QSO.
LogFile ReadLog(std::string_view text, const SendsAreaCode& sendsAreaCode);
