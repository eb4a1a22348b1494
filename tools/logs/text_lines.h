#pragma once
// Lines of a log file whatever its line ends: CR LF (Windows), LF (Unix) or CR alone (old
// Macintosh programs and some web logbooks).

#include <string_view>

// The line that starts at `start`, without its line end; `start` moves past the line end.
std::string_view NextLine(std::string_view text, size_t& start);

// How many line ends stand in text[from, to).
int LineEnds(std::string_view text, size_t from, size_t to);
