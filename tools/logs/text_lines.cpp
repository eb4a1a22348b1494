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
  const std::string_view part = text.substr(from, to - from);
  int ends = 0;
  for (size_t lf = part.find('\n'); lf != std::string_view::npos; lf = part.find('\n', lf + 1)) {
    ++ends;
  }
  // A CR counts unless the LF after it ends the same line.
  for (size_t cr = part.find('\r'); cr != std::string_view::npos; cr = part.find('\r', cr + 1)) {
    const size_t next = from + cr + 1;
    if (next >= text.size() || text[next] != '\n') ++ends;
  }
  return ends;
}
