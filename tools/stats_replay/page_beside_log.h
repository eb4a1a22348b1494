#pragma once
// Where a log dropped on the tool leaves what it makes: the page beside the log, named after
// it, and the plug-in's files in a folder of their own beside it, so that nothing lands in
// whatever folder happened to be the current one.

#include <filesystem>

struct PlacesBesideLog {
  std::filesystem::path page;         // "<log name>.html", or the next free "<log name> (N).html"
  std::filesystem::path filesFolder;  // "<log name> files"
};

// The page's name never stands for anything but an earlier page of the same log. Throws
// FileError when no name up to "(99)" is free.
PlacesBesideLog PlacesBeside(const std::filesystem::path& log);
