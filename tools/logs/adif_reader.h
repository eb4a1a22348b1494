#pragma once
// The reader of ADIF logs.

#include <string_view>

#include "tools/logs/log_record.h"

LogFile ReadAdif(std::string_view text);

// Where a tag given in upper case, such as "<EOR>", stands in any letter case, from `from`
// on; npos when nowhere.
size_t FindAdifTag(std::string_view text, std::string_view tag, size_t from = 0);
