#pragma once
// The reader of Cabrillo logs.

#include <string_view>

#include "tools/logs/log_record.h"

LogFile ReadCabrillo(std::string_view text, const SendsAreaCode& sendsAreaCode);
