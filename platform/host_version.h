#pragma once
// The host program's file in its folder, and the file version of its version resource.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FileVersion {
  uint32_t mostSignificant;   // major << 16 | minor
  uint32_t leastSignificant;  // build << 16 | revision
};

// The first file matching "<hostFolder>*.exe" whose name contains "Qorv" (case-sensitive),
// in the order the system lists the folder, as a path in that folder. The folder text is
// used as it is, so it normally ends with a separator. Empty when there is none.
std::optional<std::string> FindHostProgram(const std::string& hostFolder);

// The file version from the program's version resource; empty when it cannot be read.
std::optional<FileVersion> ReadFileVersion(const std::string& path);

// The folder part of a search pattern: everything up to its last separator ("\\", "/" or
// the drive colon); the rest is the start of the file names searched for.
inline size_t FolderPartLength(std::string_view pattern) {
  const size_t separator = pattern.find_last_of("\\/:");
  return separator == std::string_view::npos ? 0 : separator + 1;
}
