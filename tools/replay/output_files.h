#pragma once
// The files a run writes must be neither the log it reads nor one another: a log named
// after its own call would be replaced by its Cabrillo export, a page named like the
// settings would replace them.

#include <optional>
#include <string>
#include <vector>

#include "tools/replay/replay.h"

struct NamedFile {
  std::string what;  // for the operator: "the Cabrillo log", "--html"
  std::string path;
};

// The plug-in's files of a replay for the station: its settings, its problem lines and, for
// an export, the Cabrillo log.
std::vector<NamedFile> PluginFiles(const ReplayStation& station, bool cabrillo);

// Whether the two names reach the same file: by the same path, through "." or "..", a link,
// or in another letter case where the system ignores it (Windows).
bool SameFile(const std::string& a, const std::string& b);

// The first output that is the log or an earlier output, said as "--html page.html: that is
// the log file page.html"; nothing when every output is a file of its own.
std::optional<std::string> OverwrittenFile(const NamedFile& log,
                                           const std::vector<NamedFile>& outputs);
