#pragma once
// A log dropped on stats-replay.exe, or opened with it from the Explorer: the tool was
// started with one log and a console window made for it alone, which closes with it.

#include <string>
#include <vector>

// The command line in UTF-8, whatever letters its names have; the tool's path first.
std::vector<std::string> Utf8CommandLine();

// Whether the tool was started with a dropped log: one argument, not an option, and a
// console of its own. STATS_REPLAY_DROPPED=1 says so where no such console can be made, as
// under wine in the tests.
bool StartedWithDroppedLog(const std::vector<std::string>& commandLine);

// The tool's run from a command line: its exit status.
using CommandLineRun = int (*)(const std::vector<std::string>& commandLine);

// Scores the log as `--hours --html` would, with the page beside the log and the plug-in's
// files in a folder beside it, and opens the page in the default browser. When anything
// went wrong, the window stays open until a key is pressed, so the reason can be read.
int ReplayDroppedLog(const std::vector<std::string>& commandLine, CommandLineRun run);
