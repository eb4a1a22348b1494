#pragma once
// The replay as one self-contained web page: the plug-in's report, the hour table, three
// charts drawn as inline SVG, and what was not scored. No script and nothing fetched; it
// follows the reader's light or dark scheme, narrows to a phone and prints on A4. Only
// integers and fixed texts go into it, so every build writes the same bytes.

#include <string>
#include <vector>

#include "tools/hours/contest_hours.h"

// One reason a QSO or a record of the log was not scored, with the lines it concerns
// (line 0: the log as a whole).
struct LeftOutGroup {
  std::string reason;
  std::vector<LogProblem> lines;
};

// The groups a replay knows of: the QSOs the plug-in refused, the tool's words on what it
// left out, and the records the reader skipped; empty groups are dropped.
std::vector<LeftOutGroup> LeftOutGroups(const LogFile& log, const ReplayResult& result,
                                        const ContestHours& hours);

// `report`: as the plug-in returned it; `logName`: how the page names the log.
std::string HtmlPage(const std::string& logName, const std::string& report,
                     const ContestHours& hours, const std::vector<LeftOutGroup>& leftOut);

// Whether `bytes` are a page HtmlPage made of a log of that file name, in whatever folder.
bool IsPageOfLog(const std::string& bytes, const std::string& logFileName);
