#pragma once
// The replay as one self-contained web page: first what to check before submitting and
// every QSO not scored, then charts drawn as inline SVG, the operating time, where the
// points came from, the multipliers worked and missed on each band, the hour table and the
// plug-in's report. No script and nothing fetched; it follows the reader's light or dark
// scheme, narrows to a phone and prints on A4. Only integers and fixed texts go into it,
// so every build writes the same bytes.

#include <string>
#include <vector>

#include "tools/check/log_check.h"
#include "tools/hours/contest_hours.h"

// One reason a QSO or a record of the log was not scored, with the lines it concerns
// (line 0: the log as a whole).
struct LeftOutGroup {
  std::string reason;
  std::vector<LogProblem> lines;
};

// The groups a replay knows of, each with every line: the replay's reasons (refused, not
// placed, outside the period, the other mode, dupes), the received area codes the plug-in
// does not accept, the tool's words on what it left out, and the records the reader
// skipped; empty groups are dropped.
std::vector<LeftOutGroup> LeftOutGroups(const LogFile& log, const ReplayResult& result,
                                        const ContestHours& hours);

// `report`: as the plug-in returned it; `logName`: how the page names the log; `check`:
// the findings before submitting and the operating time.
std::string HtmlPage(const std::string& logName, const std::string& report,
                     const ContestHours& hours, const LogCheck& check,
                     const std::vector<LeftOutGroup>& leftOut);

// Whether `bytes` are a page HtmlPage made of a log of that file name, in whatever folder.
bool IsPageOfLog(const std::string& bytes, const std::string& logFileName);
