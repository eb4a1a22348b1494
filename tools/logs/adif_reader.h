#pragma once
// The reader of ADIF logs.

#include <string_view>

#include "tools/logs/log_record.h"

LogFile ReadAdif(std::string_view text);
