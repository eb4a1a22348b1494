#include "tools/logs/text_lines.h"

#include <algorithm>

std::string_view NextLine(std::string_view text, size_t& start) {
  const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
  const std::string_view line = text.substr(start, end - start);
  start = end;
  if (start < text.size() && text[start] == '\r') ++start;  // CR, LF or CR LF
  if (start < text.size() && text[start] == '\n') ++start;
  return line;
}

int LineEnds(std::string_view text, size_t from, size_t to) {
  int ends = 0;
  for (size_t i = from; i < to; ++i) {
    // A CR counts unless the LF after it ends the same line.
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++ends;
    }
  }
  return ends;
}
