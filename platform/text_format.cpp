#include "platform/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace {

void AppendFormatList(std::string& out, const char* format, va_list arguments) {
  va_list retry;
  va_copy(retry, arguments);
  char buffer[256];
  const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
  if (length >= 0 && static_cast<size_t>(length) < sizeof buffer) {
    out.append(buffer, static_cast<size_t>(length));
  } else if (length > 0) {
    // Too long for the buffer: format once more straight into the string.
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length) + 1);
    std::vsnprintf(&out[start], static_cast<size_t>(length) + 1, format, retry);
    out.resize(start + static_cast<size_t>(length));
  }
  va_end(retry);
}

}  // namespace

void AppendFormat(std::string& out, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  AppendFormatList(out, format, arguments);
  va_end(arguments);
}

std::string Formatted(const char* format, ...) {
  std::string out;
  va_list arguments;
  va_start(arguments, format);
  AppendFormatList(out, format, arguments);
  va_end(arguments);
  return out;
}
