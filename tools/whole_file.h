#pragma once
// A whole file read at once, as bytes.

#include <optional>
#include <string>

// Empty when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
