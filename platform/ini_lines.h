#pragma once
// The text of a private-profile INI file, line by line, read by the rules of the system's
// profile functions: section and key names ignore case and are trimmed, as are values.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines end in CR LF or LF; the last one may have no end.
std::vector<std::string_view> SplitLines(std::string_view text);

// "[name]" gives the section name; anything else is not a section header.
std::optional<std::string_view> SectionName(std::string_view line);

struct IniEntry {
  std::string_view key;
  std::string_view value;
};
// "key=value" with both sides trimmed; comment lines and blank lines are no entries.
std::optional<IniEntry> ParseEntry(std::string_view line);

// A value in matching quotes reads without them.
std::string_view Unquote(std::string_view value);

// The text with `key` of `section` set to `value`, as the profile functions write it: the
// stored key keeps its spelling, a new key ends its section, a new section ends the file,
// and every line ends in CR LF.
std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);
