#pragma once
// Byte texts of the single-byte code page: letter case and white space are ASCII only.

#include <string>
#include <string_view>

// Without leading and trailing white space (blank, tab, line ends, vertical tab, form feed).
std::string_view TrimBlanks(std::string_view text);
// ASCII letters in upper case; other bytes as they are.
std::string UpperAscii(std::string_view text);
inline char UpperAsciiLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool EqualNoCase(std::string_view a, std::string_view b);
// Each control character (below 32, and DEL) as a blank: a text written into a line-based
// file can then add no line of its own.
std::string BlankControls(std::string_view text);
inline bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 32 || c == 127;
}
// The last two characters, or the whole text when it is shorter.
inline std::string LastTwo(std::string_view text) {
  return std::string(text.size() <= 2 ? text : text.substr(text.size() - 2));
}
