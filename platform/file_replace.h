#pragma once
// A file written whole or not at all: the text goes to a temporary file beside the target,
// which takes the target's place only once it is complete.

#include <filesystem>
#include <string>
#include <string_view>

// Writes `content` as the file `path`, replacing an earlier one. On any failure (full
// disk, missing folder, read-only or non-regular file in the way) the earlier file stays
// as it was, no temporary file is left, and the answer is false. A link (Linux) stays: the
// file it leads to is replaced. Temporary files of this name left by writers that were
// killed are removed. `path` is in the system's narrow encoding, as the host names its
// files (the ANSI code page on Windows).
bool ReplaceFileWhole(const std::string& path, std::string_view content);
// The same for a name in any letters.
bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view content);
