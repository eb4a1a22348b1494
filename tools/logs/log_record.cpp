#include "tools/logs/log_record.h"

#include <algorithm>

#include "platform/ascii_text.h"

bool NamesThisContest(std::string_view contest) {
  std::string letters;
  for (const char c : UpperAscii(contest)) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) letters += c;
  }
  // Not the UKEICC's other contests ("UKEICC-80M").
  return letters == "UKEI" || letters.rfind("UKEIDX", 0) == 0 || letters.rfind("UKEICCDX", 0) == 0;
}

std::string Counted(int count, std::string_view noun) {
  std::string text = std::to_string(count) + ' ';
  text += noun;
  if (count != 1) text += 's';
  return text;
}

std::vector<ReasonCount> CountReasons(const std::vector<LogProblem>& problems) {
  std::vector<ReasonCount> counts;
  for (const LogProblem& problem : problems) {
    auto found = std::find_if(counts.begin(), counts.end(),
                              [&](const ReasonCount& count) { return count.what == problem.what; });
    if (found == counts.end()) found = counts.insert(counts.end(), ReasonCount{problem.what});
    found->Add(problem.line, problem.detail);
  }
  return counts;
}
