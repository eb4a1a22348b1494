#pragma once
// The name of a file being written beside the one it will replace: "<name>.<pid>-<n>.tmp",
// with the writer's process id, so that a file left by a writer that was killed can be
// told from one still being written.

#include <optional>
#include <string>
#include <string_view>

// For a target named `name` (no folder): the name cut short where needed, so that any name
// the file system takes can be written, whatever the process id and the number.
std::string TemporaryName(std::string_view name, unsigned long processId, unsigned long number);

// The process id of the writer that named `entry`, when `entry` is a temporary file of the
// target `name`.
std::optional<unsigned long> TemporaryNameWriter(std::string_view name, std::string_view entry);
