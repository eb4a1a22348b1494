#pragma once
// printf-style formatting into strings, for the fixed layouts of the report, the Cabrillo
// file and the windows' cells.

#include <string>

#if defined(__GNUC__) && !defined(_WIN32)
#define STATS_PRINTF_FORMAT(formatIndex, firstArgument) \
  __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define STATS_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// Appends the formatted text to `out`; the result may be of any length.
void AppendFormat(std::string& out, const char* format, ...) STATS_PRINTF_FORMAT(2, 3);

// The formatted text, of any length.
std::string Formatted(const char* format, ...) STATS_PRINTF_FORMAT(1, 2);
